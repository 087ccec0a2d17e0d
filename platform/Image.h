#pragma once
// A picture control: shows the top-left part of its own Raster, unscaled and
// without a copy (a QImage wraps the Raster's buffer while painting). The
// control's size and the picture's size are independent.
#include "raster/Raster.h"

#include <QWidget>

#include <functional>

enum class MouseButton { Left, Right, Middle };

struct ShiftState {
    bool Left = false; // ssLeft: left button held
};

class TImage : public QWidget {
public:
    explicit TImage(QWidget* parent = nullptr);

    // The picture; the first use creates it black at the control's size.
    Raster& Picture();
    const Raster& Picture() const { return picture_; }
    void SetPicture(Raster picture); // replaces it, with its size, and repaints

    std::function<void(MouseButton, ShiftState, int x, int y)> OnMouseDown;
    std::function<void(ShiftState, int x, int y)> OnMouseMove;
    std::function<void(MouseButton, ShiftState, int x, int y)> OnMouseUp;
    std::function<void()> OnDblClick;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    Raster picture_;
};
