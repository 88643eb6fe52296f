#pragma once
// BMP reading on stb_image.

#include "editor/pattern/DecodedPicture.h"

#include <optional>
#include <string>
#include <string_view>

namespace zt {

// The picture at its own size; nullopt when the file cannot be read or is not
// a BMP that can be decoded (run-length compressed BMPs cannot).
std::optional<DecodedPicture> DecodeBmp(const std::string& path);
std::optional<DecodedPicture> DecodeBmpBytes(std::string_view bytes);

} // namespace zt
