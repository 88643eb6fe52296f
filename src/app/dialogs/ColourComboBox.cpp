#include "app/dialogs/ColourComboBox.h"

#include "app/dialogs/ColourValue.h"

#include <QPixmap>

namespace zt {
namespace {

struct NamedColour {
  const char* name;
  QRgb rgb;
};

// The sixteen standard colours and four extended ones.
constexpr NamedColour kNamedColours[] = {
    {"Black", qRgb(0, 0, 0)},          {"Maroon", qRgb(128, 0, 0)},       {"Green", qRgb(0, 128, 0)},
    {"Olive", qRgb(128, 128, 0)},      {"Navy", qRgb(0, 0, 128)},         {"Purple", qRgb(128, 0, 128)},
    {"Teal", qRgb(0, 128, 128)},       {"Gray", qRgb(128, 128, 128)},     {"Silver", qRgb(192, 192, 192)},
    {"Red", qRgb(255, 0, 0)},          {"Lime", qRgb(0, 255, 0)},         {"Yellow", qRgb(255, 255, 0)},
    {"Blue", qRgb(0, 0, 255)},         {"Fuchsia", qRgb(255, 0, 255)},    {"Aqua", qRgb(0, 255, 255)},
    {"White", qRgb(255, 255, 255)},    {"Money Green", qRgb(192, 220, 192)}, {"Sky Blue", qRgb(166, 202, 240)},
    {"Cream", qRgb(255, 251, 240)},    {"Medium Gray", qRgb(160, 160, 164)},
};

constexpr const char* kCustomCaption = "カスタム";
constexpr const char* kPickerCaption = "その他の色...";

QIcon Swatch(const QColor& colour) {
  QPixmap pixmap(16, 12);
  pixmap.fill(colour);
  return QIcon(pixmap);
}

} // namespace

ColourComboBox::ColourComboBox(QWidget* parent) : QComboBox(parent) {
  for (const NamedColour& named : kNamedColours) addItem(Swatch(QColor(named.rgb)), named.name, QColor(named.rgb));
  addItem(kPickerCaption);
  connect(this, &QComboBox::currentIndexChanged, this, [this](int index) {
    if (index >= 0 && index != PickerIndex()) lastIndex_ = index;
  });
  connect(this, &QComboBox::activated, this, &ColourComboBox::OnActivated);
}

int ColourComboBox::CustomIndex() const { return findText(kCustomCaption); }

void ColourComboBox::SetColourValue(int value) {
  const QColor colour = ColourFromValue(value);
  int index = findData(colour);
  if (index < 0) {
    index = CustomIndex();
    if (index < 0) {
      index = PickerIndex();
      insertItem(index, kCustomCaption);
    }
    setItemData(index, colour);
    setItemIcon(index, Swatch(colour));
  }
  setCurrentIndex(index);
}

int ColourComboBox::ColourValue() const { return ValueFromColour(itemData(lastIndex_).value<QColor>()); }

void ColourComboBox::OnActivated(int index) {
  if (index != PickerIndex()) return;
  const QColor current = itemData(lastIndex_).value<QColor>();
  const std::optional<QColor> chosen = picker_ ? picker_(current) : std::nullopt;
  if (chosen)
    SetColourValue(ValueFromColour(*chosen));
  else
    setCurrentIndex(lastIndex_);
}

} // namespace zt
