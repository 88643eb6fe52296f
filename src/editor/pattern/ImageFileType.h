#pragma once
// Tells the picture formats apart by the first bytes of the file, whatever
// its name says.

#include <string>
#include <string_view>

namespace zt {

enum class ImageFileType { Gif, Bmp, Other };

// "GIF87a" or "GIF89a" is a GIF, "BM" a BMP; anything else, an unreadable
// file included, is Other.
ImageFileType DetectImageFileType(const std::string& path);
ImageFileType DetectImageFileTypeOfBytes(std::string_view bytes);

} // namespace zt
