#include "formats/TextMap.h"

#include "document/StageDocument.h"

#include <gtest/gtest.h>

namespace zt {
namespace {

TEST(TextMap, FillGivesThirtyRowsAndAnEmptyLine) {
  StageDocument doc;
  doc.currentStage = 1;
  doc.SetCell(0, 0, 1);
  doc.SetCell(179, 29, 255);
  const auto lines = FillTextMap(doc);
  ASSERT_EQ(lines.size(), 31u);
  EXPECT_EQ(lines[0].size(), 180u);
  EXPECT_EQ(lines[0][0], 'A');
  EXPECT_EQ(lines[29][179], '0');
  EXPECT_EQ(lines[30], "");
}

TEST(TextMap, CommitTakesEveryCharacterAndReportsChanges) {
  StageDocument doc;
  std::vector<std::string> lines(30, std::string(180, '.'));
  lines[3] = std::string(200, 'a');       // only the first 180 count
  lines[4] = "AB";                        // the rest of the row is unknown
  bool changed = false;
  EXPECT_FALSE(CommitTextMap(doc, lines, &changed));
  EXPECT_TRUE(changed);
  EXPECT_EQ(doc.GetCell(179, 3), 27);
  EXPECT_EQ(doc.GetCell(1, 4), 2);
  EXPECT_EQ(doc.GetCell(2, 4), 255);
  EXPECT_FALSE(CommitTextMap(doc, lines, &changed));
  EXPECT_FALSE(changed); // the same text again changes nothing
}

TEST(TextMap, AMissingLineStopsTheCommitAndKeepsWhatWasStored) {
  StageDocument doc;
  std::vector<std::string> lines(20, std::string(180, 'z'));
  const auto error = CommitTextMap(doc, lines);
  ASSERT_TRUE(error);
  EXPECT_EQ(error->y, 20);
  EXPECT_EQ(error->Message(), "マップのテキストエラー\r\n0,20");
  EXPECT_EQ(doc.GetCell(5, 19), 52);
  EXPECT_EQ(doc.GetCell(5, 20), 0);
}

} // namespace
} // namespace zt
