#pragma once
// The system clipboard's picture exchange. Both calls throw EClipboardException
// ("クリップボードを開くことができません") when the platform gives us no
// usable clipboard; the clipboard then keeps what it held.
#include "raster/Raster.h"

#include <optional>

// Replaces the clipboard's contents by one image of the whole picture.
void PutPictureOnClipboard(const Raster& picture);

// The clipboard's image in 24 bits; nothing when it holds no image.
std::optional<Raster> PictureFromClipboard();
