// The drawing area keeps its distances to the window's edges.
#include "app/Unit1.h"

#include <QScrollArea>

void TForm1::TakeMargins()
{
    MarginTop = ScrollBox1->y();
    MarginLeft = ScrollBox1->x();
    MarginRight = width() - ScrollBox1->width() - ScrollBox1->x();
    MarginBottom = height() - ScrollBox1->height() - ScrollBox1->y();
}

void TForm1::FitScrollBox()
{
    ScrollBox1->resize(width() - MarginLeft - MarginRight, height() - MarginTop - MarginBottom);
}

void TForm1::FormResize() {}
void TForm1::CoolBar1DockDrop(QToolBar*) {}
