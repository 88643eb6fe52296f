#pragma once
// The settings page as data: its sub-pages, one row per game parameter and
// the colour groups. The page is built from these tables and ShowSettings
// and TakeSettings walk them.

#include "app/settings/SettingControl.h"

#include <span>

namespace zt {

// Sub-page captions in tab order.
std::span<const char* const> SettingsPageCaptions();
// The sub-page that also holds the header and footer memos.
inline constexpr const char* kHeaderFooterPage = "設定1";

// One row per game parameter, in the order the controls are laid out.
std::span<const SettingControl> SettingControls();

std::span<const ColourGroupControls> ColourGroups();

} // namespace zt
