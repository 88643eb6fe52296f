#include "app/settings/SettingsPageBuilder.h"

#include "app/settings/ColourGroup.h"
#include "app/settings/SettingsTable.h"
#include "document/ParameterCatalogue.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>
#include <string_view>

namespace zt {
namespace {

constexpr int kLabelColumn = 0;
constexpr int kControlColumn = 1;
constexpr int kExtraColumn = 2; // a note, or the second control of a row
constexpr int kMinimumEditWidth = 220;
constexpr int kColumnSpacing = 16; // between columns

bool Same(const char* a, const char* b) { return std::string_view(a) == b; }

// Calls `visit` with each run of consecutive rows for which `sameRun(first
// row of the run, row)` holds.
template <typename Rows, typename SameRun, typename Visit>
void ForEachRun(Rows rows, SameRun sameRun, Visit visit) {
  std::size_t begin = 0;
  for (std::size_t i = 1; i <= rows.size(); ++i) {
    if (i < rows.size() && sameRun(*rows[begin], *rows[i])) continue;
    visit(rows.subspan(begin, i - begin));
    begin = i;
  }
}

const ColourGroupControls* ColourGroupStartingAt(ParamId param) {
  const auto groups = ColourGroups();
  const auto it = std::find_if(groups.begin(), groups.end(),
                               [param](const ColourGroupControls& group) { return group.red == param; });
  return it == groups.end() ? nullptr : &*it;
}

QGroupBox* NamedGroupBox(const char* title, QWidget* parent) {
  auto* box = new QGroupBox(QString::fromUtf8(title), parent);
  box->setObjectName(QString::fromUtf8(title));
  return box;
}

// Gives the selections and spin edits of a grid one width, so that they
// line up; lets the text fields take the free width, or else leaves it right
// of the rows; keeps the rows at the top when the column beside is taller.
void EndGrid(QGridLayout& grid) {
  std::vector<QWidget*> choices;
  int width = 0;
  bool holdsText = false;
  for (int i = 0; i < grid.count(); ++i) {
    int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
    grid.getItemPosition(i, &row, &column, &rowSpan, &columnSpan);
    QWidget* widget = grid.itemAt(i)->widget();
    if (column != kControlColumn || !widget) continue;
    if (qobject_cast<QLineEdit*>(widget)) holdsText = true;
    if (!qobject_cast<QComboBox*>(widget) && !qobject_cast<QSpinBox*>(widget)) continue;
    choices.push_back(widget);
    width = std::max(width, widget->sizeHint().width());
  }
  for (QWidget* choice : choices) choice->setMinimumWidth(width);
  grid.setColumnStretch(holdsText ? kControlColumn : kExtraColumn + 1, 1);
  grid.setRowStretch(grid.rowCount(), 1);
}

} // namespace

QWidget* SettingsPageBuilder::BuildPage(const char* caption, QWidget* parent) {
  std::vector<const SettingControl*> pageRows;
  for (const SettingControl& row : SettingControls())
    if (Same(row.page, caption)) pageRows.push_back(&row);

  auto* page = new QWidget(parent);
  auto* columns = new QHBoxLayout(page);
  columns->setContentsMargins(0, 0, 0, 0);
  std::vector<QVBoxLayout*> pageColumns;
  ForEachRun(
      Rows(pageRows), [](const SettingControl& a, const SettingControl& b) { return Same(a.group, b.group); },
      [&](Rows section) {
        if (pageColumns.empty() || section.front()->newColumn) {
          if (!pageColumns.empty()) columns->addSpacing(kColumnSpacing);
          pageColumns.push_back(new QVBoxLayout);
          columns->addLayout(pageColumns.back(), 1);
        }
        pageColumns.back()->addWidget(BuildSection(section, page));
      });
  for (QVBoxLayout* column : pageColumns) column->addStretch(1);
  return page;
}

QWidget* SettingsPageBuilder::BuildSection(Rows rows, QWidget* parent) {
  const char* title = rows.front()->group;
  QWidget* section = *title ? NamedGroupBox(title, parent) : new QWidget(parent);
  auto* columns = new QHBoxLayout(section);
  if (!*title) columns->setContentsMargins(0, 0, 0, 0);
  ForEachRun(
      rows, [](const SettingControl&, const SettingControl& row) { return !row.newColumn; },
      [&](Rows column) {
        if (columns->count() > 0) columns->addSpacing(kColumnSpacing);
        auto* grid = new QGridLayout;
        columns->addLayout(grid, 1);
        AddColumnRows(*grid, column, section);
        EndGrid(*grid);
      });
  sections_.push_back({section, Parameter(rows.front()->param).group});
  return section;
}

void SettingsPageBuilder::AddColumnRows(QGridLayout& grid, Rows rows, QWidget* parent) {
  ForEachRun(
      rows, [](const SettingControl& a, const SettingControl& b) { return Same(a.box, b.box); },
      [&](Rows box) {
        if (!*box.front()->box) {
          AddFormRows(grid, box, parent);
          return;
        }
        QGroupBox* inner = NamedGroupBox(box.front()->box, parent);
        auto* innerGrid = new QGridLayout(inner);
        AddFormRows(*innerGrid, box, inner);
        EndGrid(*innerGrid);
        grid.addWidget(inner, grid.rowCount(), kLabelColumn, 1, 3);
      });
}

void SettingsPageBuilder::AddFormRows(QGridLayout& grid, Rows rows, QWidget* parent) {
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const SettingControl& row = *rows[i];
    if (const ColourGroupControls* colour = ColourGroupStartingAt(row.param)) {
      const std::size_t first = controls_.size();
      for (std::size_t channel = 0; channel < 3; ++channel) AddControl(*rows[i + channel], parent);
      i += 2;
      const std::array<const ParameterControl*, 3> channels{&controls_[first], &controls_[first + 1],
                                                            &controls_[first + 2]};
      grid.addWidget(new ColourGroup(channels, *colour, chooser_, parent), grid.rowCount(), kLabelColumn, 1, 3);
      continue;
    }
    const ParameterControl& control = AddControl(row, parent);
    if (row.sameRow) {
      grid.addWidget(control.widget(), grid.rowCount() - 1, kExtraColumn);
      continue;
    }
    if (*row.heading) {
      auto* heading = new QLabel(QString::fromUtf8(row.heading), parent);
      grid.addWidget(heading, grid.rowCount(), kControlColumn, 1, 2);
    }
    const int line = grid.rowCount();
    if (control.label()) grid.addWidget(control.label(), line, kLabelColumn);
    if (row.kind == ControlKind::Edit) {
      control.widget()->setMinimumWidth(kMinimumEditWidth);
      grid.addWidget(control.widget(), line, kControlColumn);
    } else {
      grid.addWidget(control.widget(), line, kControlColumn, Qt::AlignLeft);
    }
    if (*row.note) grid.addWidget(new QLabel(QString::fromUtf8(row.note), parent), line, kExtraColumn);
  }
}

ParameterControl& SettingsPageBuilder::AddControl(const SettingControl& row, QWidget* parent) {
  return controls_.emplace_back(row, parent);
}

} // namespace zt
