#pragma once
// The palette of the shipped pictures.

#include <QColor>

namespace zt::art {

// Never drawn: the pattern image's transparent colour.
inline const QColor kKey{255, 0, 255};

inline const QColor kOutline{40, 32, 48};
inline const QColor kBlack{16, 16, 24};
inline const QColor kWhite{255, 255, 255};
inline const QColor kCream{248, 240, 200};
inline const QColor kSkin{248, 200, 152};
inline const QColor kSkinShade{216, 152, 104};

inline const QColor kRed{232, 56, 56};
inline const QColor kRedDark{168, 32, 32};
inline const QColor kRedLight{255, 128, 112};
inline const QColor kOrange{248, 136, 32};
inline const QColor kOrangeDark{192, 88, 16};
inline const QColor kYellow{248, 216, 48};
inline const QColor kYellowDark{200, 152, 16};
inline const QColor kYellowLight{255, 248, 160};
inline const QColor kGreen{64, 184, 64};
inline const QColor kGreenDark{32, 120, 32};
inline const QColor kGreenLight{144, 224, 96};
inline const QColor kLeaf{176, 232, 128};
inline const QColor kBlue{56, 112, 232};
inline const QColor kBlueDark{32, 64, 160};
inline const QColor kBlueLight{128, 176, 255};
inline const QColor kWater{56, 144, 224};
inline const QColor kWaterLight{112, 192, 248};
inline const QColor kIce{176, 232, 248};
inline const QColor kCyan{80, 216, 240};
inline const QColor kPurple{136, 72, 200};
inline const QColor kPurpleLight{192, 144, 240};
inline const QColor kPink{248, 152, 200};
inline const QColor kPinkDark{208, 88, 152};
inline const QColor kBrown{160, 96, 48};
inline const QColor kBrownDark{96, 56, 24};
inline const QColor kBrownLight{208, 144, 80};
inline const QColor kSand{232, 200, 128};
inline const QColor kSandDark{192, 152, 88};
inline const QColor kGrey{144, 152, 168};
inline const QColor kGreyDark{88, 96, 112};
inline const QColor kGreyLight{208, 216, 224};
inline const QColor kBrick{200, 80, 48};
inline const QColor kNight{24, 24, 56};
inline const QColor kSlate{80, 88, 128};
inline const QColor kSlateLight{120, 128, 168};

// The colours of numbered things (pipes, world-map stages): 1 green,
// 2 blue, 3 red, 4 purple.
struct ColourTrio {
  QColor main, light, dark;
};

inline ColourTrio NumberColours(int number) {
  switch (number) {
    case 2: return {kBlue, kBlueLight, kBlueDark};
    case 3: return {kRed, kRedLight, kRedDark};
    case 4: return {kPurple, kPurpleLight, kNight};
    default: return {kGreen, kGreenLight, kGreenDark};
  }
}

} // namespace zt::art
