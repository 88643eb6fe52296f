// The settings table is the one list of the settings controls: mistakes in
// it would lose a parameter or wire a colour group to the wrong spin edits.

#include "app/settings/SettingsTable.h"
#include "document/ParameterCatalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <string_view>

namespace zt {
namespace {

TEST(SettingsTable, EveryParameterHasExactlyOneControl) {
  std::map<ParamId, int> rows;
  for (const SettingControl& row : SettingControls()) ++rows[row.param];
  for (const GameParameter& parameter : AllParameters())
    EXPECT_EQ(rows[parameter.id], 1) << parameter.name;
}

TEST(SettingsTable, ObjectNamesAreUnique) {
  std::set<std::string> names{"Memo1", "Memo2", "Button13"};
  const auto add = [&names](const char* name) { EXPECT_TRUE(names.insert(name).second) << name; };
  for (const SettingControl& row : SettingControls()) add(row.name);
  for (const ColourGroupControls& group : ColourGroups()) {
    add(group.swatch);
    add(group.button);
  }
}

TEST(SettingsTable, EveryRowIsOnOneOfTheNinePagesAndNoPageIsEmpty) {
  std::map<std::string_view, int> rowsOfPage;
  for (const char* page : SettingsPageCaptions()) rowsOfPage[page] = 0;
  for (const SettingControl& row : SettingControls()) {
    const auto page = rowsOfPage.find(row.page);
    ASSERT_NE(page, rowsOfPage.end()) << row.name;
    ++page->second;
  }
  for (const auto& [page, rows] : rowsOfPage) EXPECT_GT(rows, 0) << page;
}

TEST(SettingsTable, SelectionsHoldTheirStartupValue) {
  for (const SettingControl& row : SettingControls()) {
    if (row.kind != ControlKind::ComboBox) continue;
    const int startup = Parameter(row.param).startupNumber;
    EXPECT_TRUE(startup >= 1 && startup <= static_cast<int>(row.items.size())) << row.name;
  }
}

TEST(SettingsTable, ColourGroupsAreRedGreenBlueSpinEditsInOneBox) {
  const auto rows = SettingControls();
  for (const ColourGroupControls& group : ColourGroups()) {
    const auto red = std::find_if(rows.begin(), rows.end(), [&](const SettingControl& r) { return r.param == group.red; });
    ASSERT_NE(red, rows.end()) << group.swatch;
    ASSERT_LE(red + 3, rows.end()) << group.swatch;
    const char* channels[] = {"red", "green", "blue"};
    for (int i = 0; i < 3; ++i) {
      const SettingControl& row = red[i];
      SCOPED_TRACE(row.name);
      EXPECT_NE(std::string(Parameter(row.param).name).find(channels[i]), std::string::npos);
      EXPECT_EQ(row.kind, ControlKind::SpinEdit);
      EXPECT_EQ(row.minimum, 0);
      EXPECT_EQ(row.maximum, 255);
      EXPECT_EQ(std::string_view(row.page), red->page);
      EXPECT_EQ(std::string_view(row.group), red->group);
      EXPECT_EQ(std::string_view(row.box), red->box);
    }
  }
}

} // namespace
} // namespace zt
