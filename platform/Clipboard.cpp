#include "platform/Clipboard.h"

#include "platform/Exception.h"
#include "platform/RasterImage.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace {

[[noreturn]] void CannotOpen()
{
    throw EClipboardException(Messages::CannotOpenClipboard);
}

QClipboard& OpenClipboard()
{
    QClipboard* clipboard = QGuiApplication::clipboard(); // null without a GUI application
    if (clipboard == nullptr) CannotOpen();
    return *clipboard;
}

} // namespace

void PutPictureOnClipboard(const Raster& picture)
{
    QClipboard& clipboard = OpenClipboard();
    const QImage image = ImageFromRaster(picture);
    if (image.isNull()) CannotOpen();
    auto* data = new QMimeData; // the clipboard takes ownership
    data->setImageData(image);
    clipboard.setMimeData(data);
    // A platform that could not take ownership does not give our data back.
    const QMimeData* now = clipboard.mimeData();
    if (now == nullptr || !now->hasImage()) CannotOpen();
}

std::optional<Raster> PictureFromClipboard()
{
    const QMimeData* data = OpenClipboard().mimeData();
    if (data == nullptr || !data->hasImage()) return std::nullopt; // null: an empty clipboard
    Raster picture = RasterFromImage(qvariant_cast<QImage>(data->imageData()));
    if (picture.Width() == 0) return std::nullopt; // an image no one could decode
    return picture;
}
