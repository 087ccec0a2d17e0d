#include "platform/Screen.h"

#include "platform/RasterImage.h"

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

Raster GrabPrimaryScreen()
{
    QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) return {};
    return RasterFromImage(screen->grabWindow(0).toImage());
}
