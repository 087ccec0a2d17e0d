// The drawing area keeps its distances to the window's edges, and a toolbar
// dropped back onto the band container takes the container's width.
#include "app/Unit1.h"

#include <QLayout>
#include <QScrollArea>
#include <QToolBar>

#include <algorithm>

// Margins and fitting use the same measure, the window's own width() and
// height(), so the frame drops out of the sums.
void TForm1::TakeMargins()
{
    MarginTop = ScrollBox1->y();
    MarginLeft = ScrollBox1->x();
    MarginRight = width() - ScrollBox1->width() - ScrollBox1->x();
    MarginBottom = height() - ScrollBox1->height() - ScrollBox1->y();
}

// A window smaller than the margins allow gives an empty drawing area, never
// a negative size.
void TForm1::FitScrollBox()
{
    ScrollBox1->resize(std::max(0, width() - MarginLeft - MarginRight),
                       std::max(0, height() - MarginTop - MarginBottom));
}

void TForm1::FormResize()
{
    if (ScrollBox1 == nullptr) return; // a resize while the window is still being built
    FitScrollBox();
}

void TForm1::CoolBar1DockDrop(QToolBar* toolbar)
{
    GiveOwnRow(toolbar); // while it still has its place among the bands
    toolbar->hide();
    const int height = std::max(toolbar->minimumHeight(), toolbar->sizeHint().height());
    const int width = CoolBar1->width();
    toolbar->resize(width, height);
    toolbar->show();
}

// The container shares a row out among its bands; a band as wide as the
// container needs a row of its own, and the last band of a row reaches its end.
void TForm1::GiveOwnRow(QToolBar* toolbar)
{
    CoolBar1->layout()->activate();
    for (QToolBar* other : {ToolBar1, ToolBar2}) {
        if (other == toolbar || other->isHidden() || other->isFloating()) continue;
        if (other->y() != toolbar->y()) continue;
        QToolBar* later = other->x() > toolbar->x() ? other : toolbar;
        if (!CoolBar1->toolBarBreak(later)) CoolBar1->insertToolBarBreak(later);
    }
}
