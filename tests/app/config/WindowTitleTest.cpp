#include "app/config/WindowTitle.h"

#include "app/config/AppConfig.h"
#include "document/StageDocument.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace zt {
namespace {

TEST(WindowTitle, Rule) {
  test::TempDir dir;
  AppConfig config(dir.file("z.ini"), dir.dir());
  StageDocument doc;
  doc.documentName = "/home/me/game.zpp";
  EXPECT_EQ(TitleFor(doc, config)->title, "Zarno Tool++ - game.zpp");
  EXPECT_FALSE(TitleFor(doc, config)->alsoTaskBar);
  doc.SetModified(true);
  EXPECT_EQ(TitleFor(doc, config)->title, "Zarno Tool++ - * game.zpp");
  config.Write(keys::kTitleFullpath, true);
  config.Write(keys::kTaskFilename, true);
  EXPECT_EQ(TitleFor(doc, config)->title, "Zarno Tool++ - * /home/me/game.zpp");
  EXPECT_TRUE(TitleFor(doc, config)->alsoTaskBar);
  config.Write(keys::kTitleFilename, false);
  EXPECT_FALSE(TitleFor(doc, config).has_value());

  StageDocument untitled;
  config.Write(keys::kTitleFilename, true);
  config.Write(keys::kTitleFullpath, false);
  EXPECT_EQ(TitleFor(untitled, config)->title, "Zarno Tool++ - 無題");
}

} // namespace
} // namespace zt
