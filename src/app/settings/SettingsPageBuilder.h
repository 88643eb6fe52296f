#pragma once
// Lays the controls of the settings table out on the sub-pages: each group
// of the table becomes a group box (rows without a group stay unframed),
// each inner box a group box inside it, and each colour group one row of
// spin edits, preview and button. A row marked as starting a new column
// starts a column of the page when it opens a section, else a column inside
// its section.

#include "app/settings/ColourChooser.h"
#include "app/settings/ParameterControl.h"
#include "app/settings/SettingControl.h"

#include <span>
#include <vector>

class QGridLayout;
class QWidget;

namespace zt {

class SettingsPageBuilder {
 public:
  // A group box (or unframed block) and the parameter group its rows belong to.
  struct Section {
    QWidget* widget;
    ParamGroup group;
  };

  explicit SettingsPageBuilder(ColourChooser chooser) : chooser_(std::move(chooser)) {}

  // The controls of one sub-page, in their columns.
  QWidget* BuildPage(const char* caption, QWidget* parent);

  std::vector<ParameterControl>& controls() { return controls_; }
  std::vector<Section>& sections() { return sections_; }

 private:
  using Rows = std::span<const SettingControl* const>;

  QWidget* BuildSection(Rows rows, QWidget* parent);
  // Rows of one column of a section, inner boxes included.
  void AddColumnRows(QGridLayout& grid, Rows rows, QWidget* parent);
  // Rows of one box: form rows and colour groups.
  void AddFormRows(QGridLayout& grid, Rows rows, QWidget* parent);
  ParameterControl& AddControl(const SettingControl& row, QWidget* parent);

  ColourChooser chooser_;
  std::vector<ParameterControl> controls_;
  std::vector<Section> sections_;
};

} // namespace zt
