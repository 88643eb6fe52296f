#pragma once
// One row of the settings table: the control that edits one game parameter,
// where it sits on the settings page and what it accepts.

#include "document/GameParameter.h"
#include "document/StageType.h"

#include <cstdint>
#include <limits>
#include <span>

namespace zt {

enum class ControlKind : std::uint8_t {
  SpinEdit, // a number between minimum and maximum
  ComboBox, // a selection; the stored value is the item index + 1
  Edit,     // one line of text
};

struct SettingControl {
  ParamId param;
  const char* page;    // sub-page caption
  const char* group;   // group box on the sub-page, "" for none
  const char* box;     // group box inside `group`, "" for none
  const char* label;   // text left of the control, "" for none
  ControlKind kind;
  const char* name;    // object name of the control
  std::span<const char* const> items{};
  std::int32_t minimum = std::numeric_limits<std::int32_t>::min();
  std::int32_t maximum = std::numeric_limits<std::int32_t>::max();
  // Types for which the control itself is enabled; its group may be disabled
  // on its own account.
  TypeSet enabledFor = kAllTypes;
  const char* note = "";    // text right of the control
  const char* heading = ""; // text on a line of its own above the control
  bool newColumn = false;   // starts a new column of its section or page
  bool sameRow = false;     // stands right of the control above instead of below it

  constexpr SettingControl EnabledFor(TypeSet types) const {
    SettingControl copy = *this;
    copy.enabledFor = types;
    return copy;
  }
  constexpr SettingControl WithNote(const char* text) const {
    SettingControl copy = *this;
    copy.note = text;
    return copy;
  }
  constexpr SettingControl WithHeading(const char* text) const {
    SettingControl copy = *this;
    copy.heading = text;
    return copy;
  }
  constexpr SettingControl InNewColumn() const {
    SettingControl copy = *this;
    copy.newColumn = true;
    return copy;
  }
  constexpr SettingControl InSameRow() const {
    SettingControl copy = *this;
    copy.sameRow = true;
    return copy;
  }
};

// Where a control sits: sub-page, group box, inner group box.
struct ControlPlace {
  const char* page;
  const char* group = "";
  const char* box = "";
};

struct SpinBounds {
  std::int32_t minimum, maximum;
};
inline constexpr SpinBounds kNoBounds{std::numeric_limits<std::int32_t>::min(),
                                      std::numeric_limits<std::int32_t>::max()};
inline constexpr SpinBounds kColourBounds{0, 255};

constexpr SettingControl Spin(ParamId param, ControlPlace place, const char* label, const char* name,
                              SpinBounds bounds = kNoBounds) {
  return {param, place.page, place.group, place.box, label, ControlKind::SpinEdit, name, {}, bounds.minimum,
          bounds.maximum};
}

constexpr SettingControl Combo(ParamId param, ControlPlace place, const char* label, const char* name,
                               std::span<const char* const> items) {
  return {param, place.page, place.group, place.box, label, ControlKind::ComboBox, name, items};
}

constexpr SettingControl Edit(ParamId param, ControlPlace place, const char* label, const char* name) {
  return {param, place.page, place.group, place.box, label, ControlKind::Edit, name};
}

// A colour group: the red, green and blue spin edits are three consecutive
// rows of the settings table, the first of them editing `red`.
struct ColourGroupControls {
  ParamId red;
  const char* swatch; // object name of the preview
  const char* button; // object name of the "..." button
};

} // namespace zt
