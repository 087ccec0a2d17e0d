#include "platform/Image.h"

#include "platform/Application.h"
#include "platform/RasterImage.h"

#include <QImage>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

namespace {

MouseButton ButtonOf(const QMouseEvent* event)
{
    switch (event->button()) {
    case Qt::RightButton: return MouseButton::Right;
    case Qt::MiddleButton: return MouseButton::Middle;
    default: return MouseButton::Left;
    }
}

ShiftState ShiftOf(const QMouseEvent* event)
{
    return {bool(event->buttons() & Qt::LeftButton)};
}

} // namespace

TImage::TImage(QWidget* parent) : QWidget(parent)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

Raster& TImage::Picture()
{
    if (picture_.Width() == 0) picture_ = Raster(width(), height());
    return picture_;
}

void TImage::SetPicture(Raster picture)
{
    picture_ = std::move(picture);
    update();
}

void TImage::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const QRect exposed = event->rect();
    painter.fillRect(exposed, palette().window());
    const QImage image = ImageOverRaster(picture_);
    if (image.isNull()) return;
    const QRect shown = exposed.intersected(image.rect());
    if (!shown.isEmpty()) painter.drawImage(shown.topLeft(), image, shown);
}

void TImage::mousePressEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    if (OnMouseDown) Dispatch([&] { OnMouseDown(ButtonOf(event), ShiftOf(event), p.x(), p.y()); });
}

void TImage::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    if (OnMouseMove) Dispatch([&] { OnMouseMove(ShiftOf(event), p.x(), p.y()); });
}

void TImage::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    if (OnMouseUp) Dispatch([&] { OnMouseUp(ButtonOf(event), ShiftOf(event), p.x(), p.y()); });
}

void TImage::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (OnDblClick) {
        Dispatch([&] { OnDblClick(); });
        return;
    }
    mousePressEvent(event);
}
