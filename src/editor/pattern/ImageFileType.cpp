#include "editor/pattern/ImageFileType.h"

#include <fstream>

namespace zt {

ImageFileType DetectImageFileTypeOfBytes(std::string_view bytes) {
  if (bytes.starts_with("GIF87a") || bytes.starts_with("GIF89a")) return ImageFileType::Gif;
  if (bytes.starts_with("BM")) return ImageFileType::Bmp;
  return ImageFileType::Other;
}

ImageFileType DetectImageFileType(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  char head[6] = {};
  in.read(head, sizeof head);
  return DetectImageFileTypeOfBytes(std::string_view(head, static_cast<std::size_t>(in.gcount())));
}

} // namespace zt
