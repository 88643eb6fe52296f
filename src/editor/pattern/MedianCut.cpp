#include "editor/pattern/MedianCut.h"

#include <algorithm>
#include <array>
#include <limits>

namespace zt {
namespace {

int Channel(QRgb colour, int channel) {
  switch (channel) {
    case 0: return qRed(colour);
    case 1: return qGreen(colour);
    default: return qBlue(colour);
  }
}

// A run of `colours` [begin, end) that becomes one palette entry.
struct Box {
  std::size_t begin, end;
  std::uint64_t pixels = 0;
  int widestChannel = 0;
  int widestRange = 0;
};

Box MakeBox(const std::vector<ColourCount>& colours, std::size_t begin, std::size_t end) {
  Box box{begin, end};
  std::array<int, 3> low{255, 255, 255}, high{0, 0, 0};
  for (std::size_t i = begin; i < end; ++i) {
    box.pixels += colours[i].pixels;
    for (int c = 0; c < 3; ++c) {
      low[c] = std::min(low[c], Channel(colours[i].colour, c));
      high[c] = std::max(high[c], Channel(colours[i].colour, c));
    }
  }
  for (int c = 0; c < 3; ++c) {
    if (high[c] - low[c] > box.widestRange) {
      box.widestRange = high[c] - low[c];
      box.widestChannel = c;
    }
  }
  return box;
}

QRgb MeanColour(const std::vector<ColourCount>& colours, const Box& box) {
  std::array<std::uint64_t, 3> sum{};
  for (std::size_t i = box.begin; i < box.end; ++i)
    for (int c = 0; c < 3; ++c) sum[c] += static_cast<std::uint64_t>(Channel(colours[i].colour, c)) * colours[i].pixels;
  auto mean = [&](int c) { return static_cast<int>((sum[c] + box.pixels / 2) / std::max<std::uint64_t>(box.pixels, 1)); };
  return qRgb(mean(0), mean(1), mean(2));
}

} // namespace

std::vector<QRgb> MedianCutPalette(std::vector<ColourCount> colours, int maxColours) {
  std::vector<QRgb> palette;
  if (colours.empty() || maxColours <= 0) return palette;

  std::vector<Box> boxes{MakeBox(colours, 0, colours.size())};
  while (static_cast<int>(boxes.size()) < maxColours) {
    // Split the box holding the most pixels among those that can still be split.
    auto fullest = boxes.end();
    for (auto it = boxes.begin(); it != boxes.end(); ++it)
      if (it->end - it->begin > 1 && (fullest == boxes.end() || it->pixels * (it->widestRange + 1) >
                                                                  fullest->pixels * (fullest->widestRange + 1)))
        fullest = it;
    if (fullest == boxes.end()) break;

    const Box box = *fullest;
    const auto first = colours.begin() + static_cast<std::ptrdiff_t>(box.begin);
    const auto last = colours.begin() + static_cast<std::ptrdiff_t>(box.end);
    std::sort(first, last, [&](const ColourCount& a, const ColourCount& b) {
      return Channel(a.colour, box.widestChannel) < Channel(b.colour, box.widestChannel);
    });
    std::size_t split = box.begin + 1;
    std::uint64_t below = colours[box.begin].pixels;
    while (split < box.end - 1 && below * 2 < box.pixels) below += colours[split++].pixels;

    *fullest = MakeBox(colours, box.begin, split);
    boxes.push_back(MakeBox(colours, split, box.end));
  }

  for (const Box& box : boxes) palette.push_back(MeanColour(colours, box));
  return palette;
}

int NearestColourIndex(const std::vector<QRgb>& palette, QRgb colour) {
  int best = 0;
  int bestDistance = std::numeric_limits<int>::max();
  for (std::size_t i = 0; i < palette.size(); ++i) {
    const int dr = qRed(palette[i]) - qRed(colour), dg = qGreen(palette[i]) - qGreen(colour),
              db = qBlue(palette[i]) - qBlue(colour);
    const int distance = dr * dr + dg * dg + db * db;
    if (distance < bestDistance) {
      bestDistance = distance;
      best = static_cast<int>(i);
    }
  }
  return best;
}

} // namespace zt
