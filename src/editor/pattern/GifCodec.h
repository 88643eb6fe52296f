#pragma once
// GIF reading and writing on giflib.

#include "editor/pattern/DecodedPicture.h"

#include <QImage>

#include <optional>
#include <string>
#include <string_view>

namespace zt {

// The first image of the file, placed on the file's canvas. Canvas pixels the
// image does not cover take the transparent colour when the image has one,
// otherwise the background colour. nullopt when the file cannot be read or
// is not a valid GIF.
std::optional<DecodedPicture> DecodeGif(const std::string& path);
std::optional<DecodedPicture> DecodeGifBytes(std::string_view bytes);

// Writes the picture as a GIF89a whose transparent index holds `transparent`
// (every pixel of that colour becomes transparent). A picture of up to 256
// colours, the transparent colour counted, is stored exactly; a picture of
// more colours is reduced to 255 colours by median cut, each pixel taking the
// nearest of them, while the pixels of the transparent colour keep it
// exactly. The file is written whole to a temporary file and renamed; false
// when it could not be written.
bool EncodeGif(const std::string& path, const QImage& picture, QRgb transparent);
std::string EncodeGifBytes(const QImage& picture, QRgb transparent);

} // namespace zt
