#pragma once
// Loading the pattern image and the world-map picture from their files.
//
// The file type comes from the file's bytes: a BMP is decoded as a BMP,
// anything else as a GIF. A missing or unreadable file is no error here and
// produces no message: the picture is left exactly as it was (after
// PatternImage::Reset, a blank white picture) and the result says so.

#include "editor/pattern/PatternImage.h"

#include <string>

namespace zt {

// The colour a BMP pattern is converted with.
inline constexpr QRgb kConvertedTransparent = 0xFF800080u; // red 128, green 0, blue 128

struct PatternLoadResult {
  bool loaded = false;
  // Set when a BMP was converted: the new file name without folder (UTF-8,
  // like the path), which the document's filename_pattern should take.
  std::string convertedFileName;
};

// Decodes the file at `path` into the raw pattern picture and sets its
// transparent colour: for a GIF the colour its palette gives the transparent
// index; for a BMP the colour of its top-left pixel. The region
// (0, 0)-(320, 800) is copied 1:1; where a smaller picture does not reach,
// the raw picture takes the transparent colour, so that part shows the stage
// background on the map.
//
// With `convertBmpToGif`, a BMP is first written as a GIF to path + ".gif"
// (pattern.bmp becomes pattern.bmp.gif) with transparent colour 128, 0, 128,
// and that GIF is loaded instead. If the GIF cannot be written, the BMP is
// used as it is and nothing is reported as converted.
PatternLoadResult LoadPatternPicture(PatternImage& pattern, const std::string& path, bool convertBmpToGif);

// A BMP becomes the world-map picture at its own size; any other file is
// decoded as a GIF and drawn into the 512 x 320 picture at (0, 0). False when
// the file could not be decoded (the picture is then unchanged).
bool LoadWorldMapPicture(WorldMapPicture& picture, const std::string& path);

} // namespace zt
