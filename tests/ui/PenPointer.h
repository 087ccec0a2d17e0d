#pragma once
// Pointer helpers for the drawing tool tests. Presses go through QTest; moves
// with a button held are sent by hand, since QTest moves carry no buttons.
#include "raster/Raster.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <QWidget>

#include <algorithm>

inline void Move(QWidget* control, QPoint at, Qt::MouseButtons held = Qt::NoButton)
{
    QMouseEvent event(QEvent::MouseMove, QPointF(at), QPointF(control->mapToGlobal(at)), Qt::NoButton, held,
                      Qt::NoModifier);
    QApplication::sendEvent(control, &event);
}

// A press and its release, so QTest's record of held buttons stays clean.
inline void Click(QWidget* control, QPoint at, Qt::MouseButton button = Qt::LeftButton)
{
    QTest::mousePress(control, button, {}, at);
    QTest::mouseRelease(control, button, {}, at);
}

inline void DoubleClick(QWidget* control)
{
    QTest::mouseDClick(control, Qt::LeftButton);
    QTest::mouseRelease(control, Qt::LeftButton);
}

// The smallest rectangle holding every pixel that is not black, and how many
// bytes are not 0 in the whole picture (3 per pixel for a white pen).
struct Painted {
    Rect Box;
    long long Bytes = 0;
};

inline Painted PaintedIn(const Raster& picture)
{
    Painted p{{picture.Width(), picture.Height(), 0, 0}, 0};
    const auto lit = [](std::uint8_t b) { return b != 0; };
    const int n = int(picture.Stride());
    for (int y = 0; y < picture.Height(); ++y) {
        const std::uint8_t* row = picture.ScanLine(y);
        int first = 0, last = n - 1;
        while (first < n && row[first] == 0) ++first;
        if (first == n) continue;
        while (row[last] == 0) --last;
        p.Bytes += std::count_if(row + first, row + last + 1, lit);
        p.Box.Left = std::min(p.Box.Left, first / 3);
        p.Box.Right = std::max(p.Box.Right, last / 3 + 1);
        p.Box.Top = std::min(p.Box.Top, y);
        p.Box.Bottom = y + 1;
    }
    if (p.Bytes == 0) p.Box = {};
    return p;
}

inline long long Area(Rect r) { return r.Empty() ? 0 : (long long)(r.Right - r.Left) * (r.Bottom - r.Top); }
