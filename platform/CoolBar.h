#pragma once
// The band container: a main window used as a plain child widget, so Qt's own
// toolbar floating and docking works on its bands. It sizes itself to its
// bands, so it tells its owner whenever their arrangement changes.
#include <QMainWindow>

#include <functional>

class TCoolBar : public QMainWindow {
public:
    explicit TCoolBar(QWidget* parent);

    std::function<void()> OnBandsChanged;

protected:
    bool event(QEvent* event) override;
};
