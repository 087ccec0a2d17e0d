#include "platform/RasterText.h"

#include "platform/RasterImage.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>

namespace {

constexpr int CharacterHeight = 12;
// The baseline's distance from the top of the box: the ideographic em box
// reaches 0.88 of the height above the baseline.
constexpr int Baseline = 10;

QFont TextFont()
{
    QFont font;
    font.setFamilies({"Noto Sans Mono CJK JP", "ＭＳ ゴシック", "MS Gothic", "monospace"});
    font.setPixelSize(CharacterHeight);
    font.setStyleStrategy(QFont::NoAntialias); // white stays white: every pixel is text or box
    return font;
}

QColor ColorOf(TColor c) { return QColor(RedOf(c), GreenOf(c), BlueOf(c)); }

} // namespace

TRasterCanvas::TRasterCanvas(Raster& picture)
{
    QImage view = ImageOverRaster(picture);
    if (view.isNull()) return; // an empty picture takes no text
    image_ = std::make_unique<QImage>(std::move(view));
    painter_ = std::make_unique<QPainter>(image_.get());
    painter_->setFont(TextFont());
}

TRasterCanvas::~TRasterCanvas()
{
    if (painter_) painter_->end();
}

int TRasterCanvas::TextHeight() { return CharacterHeight; }

void TRasterCanvas::TextOut(int x, int y, const std::string& text)
{
    if (!painter_) return;
    const QString q = QString::fromStdString(text);
    const QRect box(x, y, painter_->fontMetrics().horizontalAdvance(q), CharacterHeight);
    painter_->fillRect(box, ColorOf(BrushColor));
    painter_->save();
    painter_->setClipRect(box); // a glyph's tail stays inside its box
    painter_->setPen(ColorOf(FontColor));
    painter_->drawText(x, y + Baseline, q);
    painter_->restore();
}
