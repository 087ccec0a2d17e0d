#include "platform/CoolBar.h"

#include <QEvent>

TCoolBar::TCoolBar(QWidget* parent) : QMainWindow(parent)
{
    // QMainWindow always makes itself a top-level window, which would never
    // appear inside the client area; turn it back into a child.
    setWindowFlags(Qt::Widget);
    setDockOptions(QMainWindow::AnimatedDocks);
    show(); // becomes visible with its parent
}

bool TCoolBar::event(QEvent* event)
{
    const bool handled = QMainWindow::event(event);
    // A toolbar docked, undocked or moved to another row re-lays the bands out.
    if (event->type() == QEvent::LayoutRequest && OnBandsChanged) OnBandsChanged();
    return handled;
}
