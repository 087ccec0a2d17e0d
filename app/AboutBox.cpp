#include "app/AboutBox.h"

#include <QFrame>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>

#include <array>

namespace {

QLabel* MakeLabel(const char* name, QWidget* parent, QPoint at, const QString& text)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->move(at);
    label->adjustSize();
    return label;
}

// The letters of the name on a 5 x 7 cell grid, one string per row.
struct Glyph {
    std::array<const char*, 7> rows;
};

const Glyph NameGlyphs[] = {
    {{"####.", "#...#", "#...#", "####.", "#....", "#....", "#...."}}, // P
    {{"..#..", ".....", ".##..", "..#..", "..#..", "..#..", ".###."}}, // i
    {{".....", ".....", "#...#", ".#.#.", "..#..", ".#.#.", "#...#"}}, // x
    {{".....", ".....", ".###.", "#...#", "#...#", "#...#", ".###."}}, // o
    {{".##..", "..#..", "..#..", "..#..", "..#..", "..#..", ".###."}}, // l
    {{".....", ".....", ".###.", "#...#", "#####", "#....", ".###."}}, // e
    {{".....", ".....", "####.", "#...#", "#...#", "#...#", "#...#"}}, // n
};

const QColor LetterColours[] = {
    {255, 64, 64}, {255, 160, 0}, {255, 255, 0}, {0, 255, 64}, {0, 224, 255}, {64, 96, 255}, {224, 64, 255},
};

} // namespace

QImage ProgramPicture()
{
    constexpr int cell = 2; // pixels per cell
    constexpr int pitch = 6; // cells from one letter to the next
    QImage picture(100, 60, QImage::Format_RGB32);
    picture.fill(Qt::black);
    QPainter painter(&picture);
    const int letters = int(std::size(NameGlyphs));
    const int left = (picture.width() - (letters * pitch - 1) * cell) / 2;
    const int top = (picture.height() - 7 * cell) / 2;
    for (int n = 0; n < letters; ++n)
        for (int y = 0; y < 7; ++y)
            for (int x = 0; x < 5; ++x)
                if (NameGlyphs[n].rows[y][x] == '#')
                    painter.fillRect(left + (n * pitch + x) * cell, top + y * cell, cell, cell, LetterColours[n]);
    // A glider in each corner: the cells the program brings to life.
    const QPoint glider[] = {{1, 0}, {2, 1}, {0, 2}, {1, 2}, {2, 2}};
    for (QPoint corner : {QPoint(4, 4), QPoint(88, 48)})
        for (QPoint c : glider) painter.fillRect(corner.x() + c.x() * 3, corner.y() + c.y() * 3, 2, 2, Qt::white);
    return picture;
}

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent)
{
    setObjectName("AboutBox");
    setWindowTitle("Pixolenについて");
    // A dialog border: fixed size, no minimise or maximise buttons.
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(298, 213);
    QFont font;
    font.setFamilies({"ＭＳ Ｐゴシック", "MS PGothic", "Noto Sans CJK JP"});
    font.setPixelSize(12);
    setFont(font);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, colours.color(QPalette::Button));
    setPalette(colours);
    setAutoFillBackground(true);

    Panel1 = new QFrame(this);
    Panel1->setObjectName("Panel1");
    Panel1->setGeometry(8, 8, 281, 161);
    Panel1->setFrameStyle(QFrame::Box | QFrame::Sunken); // lowered outside, raised inside

    ProgramIcon = new QLabel(Panel1);
    ProgramIcon->setObjectName("ProgramIcon");
    ProgramIcon->setGeometry(8, 8, 65, 57);
    ProgramIcon->setScaledContents(true);
    ProgramIcon->setPixmap(QPixmap::fromImage(ProgramPicture()));

    ProductName = MakeLabel("ProductName", Panel1, {88, 16}, "Pixolen");
    Version = MakeLabel("Version", Panel1, {88, 40}, "Version1.02.1");
    Copyright = MakeLabel("Copyright", Panel1, {88, 64}, "Copyright (C) Pixolen developers");
    Comments = MakeLabel("Comments", Panel1, {8, 104}, "");
    Comments->setWordWrap(true);

    OKButton = new QPushButton("OK", this);
    OKButton->setObjectName("OKButton");
    OKButton->setGeometry(111, 180, 75, 25);
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept); // modal result OK (1)
    OKButton->setFocus();
}

void TAboutBox::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // Centred on the screen every time, wherever the main window is.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QSize frame = frameGeometry().size(); // move() places the frame
        move(screen->geometry().center() - QPoint(frame.width() / 2, frame.height() / 2));
    }
}
