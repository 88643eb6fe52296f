#include "formats/FileFilter.h"

#include <gtest/gtest.h>

namespace zt {
namespace {

TEST(FileFilter, EntriesAndPatterns) {
  using V = std::vector<std::string>;
  EXPECT_EQ(NameFilters("ZarnoTool++ファイル(*.zpp)|*.zpp|全てのファイル|*.*"),
            (V{"ZarnoTool++ファイル(*.zpp) (*.zpp)", "全てのファイル (*)"}));
  EXPECT_EQ(NameFilters("HTMLファイル(*.htm;*.html)|*.htm;*.html"), (V{"HTMLファイル(*.htm;*.html) (*.htm *.html)"}));
  EXPECT_EQ(NameFilters("no patterns"), V{});
}

} // namespace
} // namespace zt
