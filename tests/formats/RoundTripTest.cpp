// A document survives every path between the two file formats unchanged.

#include "formats/HtmlReader.h"
#include "formats/HtmlWriter.h"
#include "formats/ProjectFile.h"
#include "formats/TextFile.h"
#include "support/FileFixture.h"
#include "support/LineDiff.h"
#include "support/SampleDocuments.h"

#include <gtest/gtest.h>

namespace zt {
namespace {

using test::FileFixture;

class RoundTrip : public ::testing::TestWithParam<StageType> {
 protected:
  RoundTrip() {
    source = test::SampleDocument(GetParam());
    source.SetText(ParamId::hitokoto1_2, "line\r\nbreak\n"); // the escape decoding can produce these
    // Every page carries filename_chizu but only map pages read it back, so
    // other types keep the value a new document has.
    if (GetParam() != StageType::MapStage) source.SetText(ParamId::filename_chizu, "chizu.gif");
    // The page reader takes header and footer from the configured files.
    WriteTextLines(fx.context.settings.headerFile, source.headerLines);
    WriteTextLines(fx.context.settings.footerFile, source.footerLines);
  }

  void ReadPage(StageDocument& doc, const std::vector<std::string>& page) {
    WriteTextLines(fx.folder.file("page.htm"), page);
    ASSERT_EQ(ReadHtml(doc, fx.folder.file("page.htm"), fx.context, {false}), ReadOutcome::Completed);
  }
  void ReadProjectLines(StageDocument& doc, const std::vector<std::string>& lines) {
    WriteTextLines(fx.folder.file("game.zpp"), lines);
    ASSERT_EQ(ReadProject(doc, fx.folder.file("game.zpp"), fx.context), ReadOutcome::Completed);
  }

  FileFixture fx;
  StageDocument source;
};

TEST_P(RoundTrip, PageToProjectToPage) {
  for (const PageOptions& options : {PageOptions{false, false, false}, PageOptions{true, false, false}}) {
    const std::vector<std::string> page = WriteHtml(source, options);
    StageDocument viaPage;
    ReadPage(viaPage, page);
    StageDocument viaProject;
    ReadProjectLines(viaProject, ProjectLines(viaPage));
    EXPECT_TRUE(test::SameLines(WriteHtml(viaProject, options), page));
    EXPECT_EQ(viaProject.stageType, GetParam());
    EXPECT_EQ(viaProject.Text(ParamId::hitokoto1_2), "line\r\nbreak\n");
  }
  EXPECT_TRUE(fx.dialogs.errors.empty());
}

TEST_P(RoundTrip, ProjectToPageToProject) {
  const std::vector<std::string> project = ProjectLines(source);
  StageDocument doc;
  ReadProjectLines(doc, project);
  ReadPage(doc, WriteHtml(doc, {}));
  EXPECT_TRUE(test::SameLines(ProjectLines(doc), project));
  EXPECT_EQ(doc.stages[0], source.stages[0]);
  if (GetParam() != StageType::OneStage) {
    EXPECT_EQ(doc.stages, source.stages);
  }
  EXPECT_TRUE(fx.dialogs.errors.empty());
}

INSTANTIATE_TEST_SUITE_P(AllTypes, RoundTrip,
                         ::testing::Values(StageType::OneStage, StageType::FourStage, StageType::MapStage));

} // namespace
} // namespace zt
