#include "platform/Action.h"

#include "platform/Application.h"

#include <QAction>
#include <QMenu>
#include <QToolBar>
#include <QToolButton>

void TAction::Execute() const
{
    if (OnExecute) Dispatch(OnExecute);
}

QAction* AddMenuItem(QMenu* menu, const char* name, const TAction& action, const QIcon& icon)
{
    auto* item = menu->addAction(icon, action.Caption);
    item->setObjectName(name);
    item->setStatusTip(action.Hint);
    item->setToolTip(action.Hint);
    item->setEnabled(bool(action.OnExecute));
    QObject::connect(item, &QAction::triggered, menu, [&action] { action.Execute(); });
    return item;
}

QToolButton* AddToolButton(QToolBar* bar, const char* name, const TAction& action, const QIcon& icon)
{
    auto* button = new QToolButton(bar);
    button->setObjectName(name);
    button->setIcon(icon);
    button->setToolTip(action.Hint);
    button->setAccessibleName(action.Hint);
    button->setAutoRaise(true);
    bar->addWidget(button);
    QObject::connect(button, &QToolButton::clicked, bar, [&action] { action.Execute(); });
    return button;
}
