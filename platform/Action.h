#pragma once
// An entry of the command table. Menu items and tool buttons only name an
// action and take its caption, hint and picture; each keeps its own enabled
// state, so disabling a menu item leaves the tool button of the action alone.
#include <QIcon>
#include <QString>

#include <functional>

class QAction;
class QMenu;
class QToolBar;
class QToolButton;

struct TAction {
    QString Name;
    QString Category;
    QString Caption; // with its accelerator after "&"
    QString Hint;
    int ImageIndex = -1;
    std::function<void()> OnExecute; // empty: no handler

    void Execute() const;
};

// A menu item that names `action`; its object name is `name`.
QAction* AddMenuItem(QMenu* menu, const char* name, const TAction& action, const QIcon& icon);
// A tool button on `bar` that names `action`.
QToolButton* AddToolButton(QToolBar* bar, const char* name, const TAction& action, const QIcon& icon);
