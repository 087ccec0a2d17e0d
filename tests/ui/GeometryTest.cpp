// The drawing area follows the window; toolbars dropped back span the band container.
#include "tests/ui/FormFixture.h"

#include <QScrollArea>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>

using GeometryTest = FormTest;

TEST_F(GeometryTest, MarginsComeFromTheStoredLayout)
{
    EXPECT_EQ(form->MarginTop, 168);
    EXPECT_EQ(form->MarginLeft, 16);
    EXPECT_EQ(form->MarginRight, 39);
    EXPECT_EQ(form->MarginBottom, 96);
    EXPECT_EQ(form->ScrollBox1->geometry(), QRect(16, 168, 361, 249));
}

TEST_F(GeometryTest, ToolbarsShowInTheBandContainerAtTheTop)
{
    EXPECT_TRUE(form->CoolBar1->isVisible());
    EXPECT_EQ(form->CoolBar1->geometry().topLeft(), QPoint(0, 0));
    EXPECT_EQ(form->CoolBar1->width(), form->ClientArea->width());
    EXPECT_GE(form->CoolBar1->height(), 33);
    for (QToolBar* bar : {form->ToolBar1, form->ToolBar2}) {
        EXPECT_TRUE(bar->isVisible()) << bar->objectName().toStdString();
        EXPECT_EQ(bar->parentWidget(), form->CoolBar1);
        EXPECT_LE(bar->geometry().bottom(), form->CoolBar1->height());
    }
    for (QToolButton* button : {form->ToolButton1, form->ToolButton10, form->ToolButton6, form->ToolButton14})
        EXPECT_TRUE(button->isVisible()) << button->objectName().toStdString();
}

TEST_F(GeometryTest, TheDrawingAreaFollowsTheWindowAndTheNotebookStays)
{
    const QRect notebook = form->PageControl1->geometry();
    struct Case { int width, height; QSize area; };
    for (Case c : {Case{516, 613, {461, 349}}, Case{366, 483, {311, 219}}, Case{416, 513, {361, 249}},
                   Case{100, 200, {45, 0}}, Case{40, 100, {0, 0}}}) {
        form->resize(c.width, c.height);
        Application()->ProcessMessages();
        ASSERT_EQ(form->size(), QSize(c.width, c.height)) << "the window refused the size";
        EXPECT_EQ(form->ScrollBox1->size(), c.area) << c.width << "x" << c.height;
        EXPECT_EQ(form->ScrollBox1->pos(), QPoint(16, 168));
        EXPECT_EQ(form->PageControl1->geometry(), notebook);
    }
    EXPECT_EQ(form->AreaWidth(), 320); // Image1 keeps the active area's size
}

TEST_F(GeometryTest, AToolbarDroppedBackSpansTheContainer)
{
    form->resize(600, 513);
    Application()->ProcessMessages();
    for (QToolBar* bar : {form->ToolBar1, form->ToolBar2}) {
        bar->resize(60, 20); // whatever it had while floating
        form->CoolBar1DockDrop(bar);
        Application()->ProcessMessages();
        EXPECT_EQ(bar->width(), form->CoolBar1->width()) << bar->objectName().toStdString();
        EXPECT_EQ(bar->width(), 600);
        EXPECT_GE(bar->height(), bar->minimumHeight());
        EXPECT_TRUE(bar->isVisible());
    }
    // Two rows now: the container grows with its bands.
    EXPECT_NE(form->ToolBar1->y(), form->ToolBar2->y());
    EXPECT_GE(form->CoolBar1->height(), form->ToolBar1->height() + form->ToolBar2->height());
}

TEST_F(GeometryTest, DockingNeverChangesTheMargins)
{
    form->CoolBar1DockDrop(form->ToolBar1);
    Application()->ProcessMessages();
    ASSERT_GT(form->CoolBar1->height(), 33);
    EXPECT_EQ(form->MarginTop, 168);
    EXPECT_EQ(form->MarginBottom, 96);
    form->resize(516, 613);
    Application()->ProcessMessages();
    EXPECT_EQ(form->ScrollBox1->geometry(), QRect(16, 168, 461, 349));
}
