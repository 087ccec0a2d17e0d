#include "app/Icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

void DrawPage(QPainter& p)
{
    p.setPen(QColor(60, 60, 60));
    p.setBrush(Qt::white);
    QPolygon page({{3, 1}, {10, 1}, {13, 4}, {13, 14}, {3, 14}});
    p.drawPolygon(page);
    p.drawLine(10, 1, 10, 4);
    p.drawLine(10, 4, 13, 4);
}

void DrawFolder(QPainter& p)
{
    p.setPen(QColor(120, 90, 20));
    p.setBrush(QColor(240, 200, 80));
    p.drawRect(1, 5, 13, 8);
    p.drawRect(1, 3, 5, 2);
}

void DrawDisk(QPainter& p)
{
    p.setPen(QColor(20, 30, 90));
    p.setBrush(QColor(60, 80, 170));
    p.drawRect(1, 1, 13, 13);
    p.setBrush(Qt::white);
    p.drawRect(4, 1, 7, 5);
    p.setBrush(QColor(200, 200, 200));
    p.drawRect(4, 9, 7, 5);
}

void DrawExit(QPainter& p)
{
    p.setPen(QColor(90, 50, 20));
    p.setBrush(QColor(170, 110, 60));
    p.drawRect(2, 1, 8, 13);
    p.setPen(QPen(QColor(200, 0, 0), 2));
    p.drawLine(8, 8, 14, 8);
    p.drawLine(11, 5, 14, 8);
    p.drawLine(11, 11, 14, 8);
}

void DrawScissors(QPainter& p)
{
    p.setPen(QPen(QColor(40, 40, 40), 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(2, 10, 4, 4);
    p.drawEllipse(10, 10, 4, 4);
    p.drawLine(5, 10, 11, 1);
    p.drawLine(11, 10, 5, 1);
}

void DrawCopy(QPainter& p)
{
    p.setPen(QColor(60, 60, 60));
    p.setBrush(Qt::white);
    p.drawRect(1, 1, 8, 10);
    p.setBrush(QColor(220, 235, 255));
    p.drawRect(6, 5, 8, 10);
}

void DrawPaste(QPainter& p)
{
    p.setPen(QColor(90, 60, 20));
    p.setBrush(QColor(190, 140, 70));
    p.drawRect(2, 2, 10, 12);
    p.setBrush(QColor(200, 200, 200));
    p.drawRect(5, 1, 4, 3);
    p.setPen(QColor(60, 60, 60));
    p.setBrush(Qt::white);
    p.drawRect(7, 6, 7, 9);
}

void DrawHelp(QPainter& p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 90, 200));
    p.drawEllipse(1, 1, 14, 14);
    p.setPen(Qt::white);
    QFont f = p.font();
    f.setBold(true);
    f.setPixelSize(12);
    p.setFont(f);
    p.drawText(QRect(1, 1, 14, 14), Qt::AlignCenter, "?");
}

void DrawStart(QPainter& p)
{
    p.setPen(QColor(0, 90, 0));
    p.setBrush(QColor(40, 170, 40));
    p.drawPolygon(QPolygon({{4, 2}, {13, 8}, {4, 14}}));
}

void DrawBreak(QPainter& p)
{
    p.setPen(QColor(120, 0, 0));
    p.setBrush(QColor(210, 40, 40));
    p.drawRect(3, 3, 10, 10);
}

void DrawClear(QPainter& p)
{
    p.setPen(QColor(60, 60, 60));
    p.setBrush(Qt::black);
    p.drawRect(1, 1, 13, 13);
    p.setPen(QPen(Qt::white, 2));
    p.drawLine(4, 4, 11, 11);
    p.drawLine(11, 4, 4, 11);
}

// A 4 by 4 grid of cells; `colours` chooses per cell.
void DrawCells(QPainter& p, bool colours)
{
    p.fillRect(0, 0, 16, 16, Qt::black);
    static const int pattern[16] = {1, 0, 1, 1, 0, 1, 0, 0, 1, 1, 0, 1, 0, 0, 1, 0};
    static const QColor palette[4] = {QColor(255, 60, 60), QColor(60, 220, 60), QColor(70, 120, 255),
                                      QColor(250, 220, 40)};
    for (int i = 0; i < 16; ++i) {
        if (!pattern[i]) continue;
        const QColor c = colours ? palette[i % 4] : QColor(Qt::white);
        p.fillRect((i % 4) * 4, (i / 4) * 4, 3, 3, c);
    }
}

} // namespace

QIcon ImageList1(int index)
{
    if (index < 0 || index >= IconCount) return {};
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing, index == IconCut || index == IconHelp);
    switch (index) {
    case IconNew: DrawPage(p); break;
    case IconOpen: DrawFolder(p); break;
    case IconSave: DrawDisk(p); break;
    case IconExit: DrawExit(p); break;
    case IconCut: DrawScissors(p); break;
    case IconCopy: DrawCopy(p); break;
    case IconPaste: DrawPaste(p); break;
    case IconHelp: DrawHelp(p); break;
    case IconStart: DrawStart(p); break;
    case IconBreak: DrawBreak(p); break;
    case IconClear: DrawClear(p); break;
    case IconRandom: DrawCells(p, false); break;
    case IconColorRandom: DrawCells(p, true); break;
    }
    p.end();
    return QIcon(pixmap);
}
