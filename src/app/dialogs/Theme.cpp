#include "app/dialogs/Theme.h"

#include <QApplication>
#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <QStyle>
#include <QStyleFactory>

namespace zt {
namespace {

constexpr const char* kDefaultTheme = "Default";

// The style the application started with, remembered before any theme
// replaces it.
const QString& PlatformStyleName() {
  static const QString name = QApplication::style() ? QApplication::style()->name() : QString("fusion");
  return name;
}

QPalette LightPalette(QColor window, QColor button, QColor highlight, QColor highlightedText) {
  QPalette palette(button, window);
  palette.setColor(QPalette::Base, Qt::white);
  palette.setColor(QPalette::AlternateBase, window.lighter(104));
  palette.setColor(QPalette::Text, Qt::black);
  palette.setColor(QPalette::WindowText, Qt::black);
  palette.setColor(QPalette::ButtonText, Qt::black);
  palette.setColor(QPalette::Highlight, highlight);
  palette.setColor(QPalette::HighlightedText, highlightedText);
  palette.setColor(QPalette::ToolTipBase, QColor(255, 255, 225));
  palette.setColor(QPalette::ToolTipText, Qt::black);
  return palette;
}

// Flat white-and-blue menus and bars with a pale blue selection.
QPalette OfficeXpPalette() {
  return LightPalette(QColor(252, 252, 250), QColor(236, 233, 216), QColor(193, 210, 238), QColor(0, 0, 64));
}

// Fine horizontal pinstripes behind every window.
QPalette StripesPalette() {
  QPixmap tile(8, 4);
  tile.fill(QColor(238, 238, 238));
  QPainter painter(&tile);
  painter.setPen(QColor(226, 228, 232));
  painter.drawLine(0, 0, 7, 0);
  painter.drawLine(0, 1, 7, 1);
  painter.end();
  QPalette palette = LightPalette(QColor(238, 238, 238), QColor(232, 232, 236), QColor(56, 117, 215), Qt::white);
  palette.setBrush(QPalette::Window, QBrush(tile));
  return palette;
}

// Brushed metal: grey with faint streaks of lighter and darker lines.
QPalette AluminumPalette() {
  QPixmap tile(64, 16);
  tile.fill(QColor(200, 202, 206));
  QPainter painter(&tile);
  constexpr int kShades[16] = {4, -3, 7, 0, -5, 2, 6, -2, 1, -6, 3, 5, -4, 0, 2, -1};
  for (int y = 0; y < 16; ++y) {
    painter.setPen(QColor(200 + kShades[y], 202 + kShades[y], 206 + kShades[y]));
    painter.drawLine(0, y, 63, y);
  }
  painter.end();
  QPalette palette = LightPalette(QColor(200, 202, 206), QColor(214, 216, 220), QColor(92, 104, 128), Qt::white);
  palette.setBrush(QPalette::Window, QBrush(tile));
  palette.setColor(QPalette::Base, QColor(246, 246, 248));
  return palette;
}

struct ThemeLook {
  const char* name;
  QPalette (*palette)(); // nullptr: the platform's style and its own colours
};

constexpr ThemeLook kThemes[] = {
    {kDefaultTheme, nullptr},
    {"OfficeXP", OfficeXpPalette},
    {"Stripes", StripesPalette},
    {"Aluminum", AluminumPalette},
};

void ApplyLook(const ThemeLook& look) {
  const QString styleName = look.palette ? QString("fusion") : PlatformStyleName();
  QStyle* style = QStyleFactory::create(styleName);
  if (!style) style = QStyleFactory::create("fusion");
  QApplication::setStyle(style);
  QApplication::setPalette(look.palette ? look.palette() : style->standardPalette());
}

} // namespace

QStringList ThemeNames() {
  QStringList names;
  for (const ThemeLook& look : kThemes) names << look.name;
  return names;
}

QString ApplyTheme(const QString& name) {
  PlatformStyleName(); // remember the platform's style before the first change
  const ThemeLook* chosen = &kThemes[0];
  for (const ThemeLook& look : kThemes)
    if (name.compare(look.name, Qt::CaseInsensitive) == 0) chosen = &look;
  ApplyLook(*chosen);
  return chosen->name;
}

} // namespace zt
