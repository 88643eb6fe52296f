#include "app/dialogs/Theme.h"

#include <QApplication>
#include <QStyle>

#include <gtest/gtest.h>

namespace zt {
namespace {

TEST(Theme, NamesInTheDialogsOrder) {
  EXPECT_EQ(ThemeNames(), QStringList({"Default", "OfficeXP", "Stripes", "Aluminum"}));
}

TEST(Theme, EveryThemeHasItsOwnLookAndDefaultRestoresThePlatformStyle) {
  const QString platformStyle = QApplication::style()->name();
  std::vector<QBrush> windowBrushes;
  for (const QString& name : ThemeNames()) {
    EXPECT_EQ(ApplyTheme(name), name);
    windowBrushes.push_back(QApplication::palette().brush(QPalette::Window));
  }
  for (std::size_t a = 0; a < windowBrushes.size(); ++a)
    for (std::size_t b = a + 1; b < windowBrushes.size(); ++b)
      EXPECT_NE(windowBrushes[a], windowBrushes[b]) << a << " and " << b;

  ApplyTheme("Default");
  EXPECT_EQ(QApplication::style()->name(), platformStyle);
}

TEST(Theme, UnknownNamesGiveDefault) {
  ApplyTheme("Stripes");
  for (const QString& name : {QString(), QString("Luna"), QString("Stripes2")}) {
    EXPECT_EQ(ApplyTheme(name), "Default") << name.toStdString();
    EXPECT_EQ(QApplication::palette().brush(QPalette::Window).style(), Qt::SolidPattern);
  }
}

} // namespace
} // namespace zt
