// Truncated, binary and random files end a read with a message or complete
// it; they never crash or read outside a buffer (the tests run with address
// sanitizing).

#include "formats/Cryptogram.h"
#include "formats/FileError.h"
#include "formats/HtmlReader.h"
#include "formats/HtmlWriter.h"
#include "formats/ProjectFile.h"
#include "formats/TextFile.h"
#include "support/FileFixture.h"
#include "support/SampleDocuments.h"

#include <gtest/gtest.h>

#include <random>

namespace zt {
namespace {

class MalformedInput : public ::testing::Test {
 protected:
  // Reads the bytes as the named kind of file; true when it completed.
  template <typename Reader>
  void Survives(const std::string& bytes, const std::string& name, Reader read) {
    fx.folder.Write(name, bytes);
    StageDocument doc;
    fx.dialogs.passwords = {std::string("pw")};
    try {
      read(doc, fx.folder.file(name));
    } catch (const FileError& e) {
      EXPECT_STRNE(e.what(), "");
    }
  }
  void SurvivesAsPage(const std::string& bytes) {
    Survives(bytes, "in.htm", [&](StageDocument& d, const std::string& p) { ReadHtml(d, p, fx.context, {false}); });
  }
  void SurvivesAsProject(const std::string& bytes) {
    Survives(bytes, "in.zpp", [&](StageDocument& d, const std::string& p) { ReadProject(d, p, fx.context); });
  }
  void SurvivesAsCmd(const std::string& bytes) {
    Survives(bytes, "in.cmd", [&](StageDocument& d, const std::string& p) { ReadCmd(d, p); });
  }

  test::FileFixture fx;
};

TEST_F(MalformedInput, TruncatedFiles) {
  StageDocument doc = test::SampleDocument(StageType::MapStage);
  PageOptions options;
  options.comment = true;
  const std::string page = JoinLinesCrLf(WriteHtml(doc, options));
  const std::string project = JoinLinesCrLf(ProjectLines(doc));
  for (std::size_t cut = 0; cut < project.size(); cut += 997) {
    SurvivesAsPage(page.substr(0, cut * page.size() / project.size()));
    SurvivesAsProject(project.substr(0, cut));
  }
}

TEST_F(MalformedInput, RandomBytes) {
  std::mt19937 random(20261210);
  for (int round = 0; round < 40; ++round) {
    std::string bytes(static_cast<std::size_t>(random() % 3000), '\0');
    for (char& c : bytes) c = static_cast<char>(random());
    // Half of the rounds look like the start of a real file.
    if (round % 2) bytes = "#File Version\r\n3\r\n#\r\n" + std::to_string(round % 3) + "\r\n" + bytes;
    SurvivesAsPage(bytes);
    SurvivesAsProject(bytes);
    SurvivesAsCmd(bytes);
  }
}

TEST_F(MalformedInput, TagsCutAnywhere) {
  const std::string tag = "<PARAM NAME=\"map0-0\" VALUE=\"ABC\\'8\\'\">\r\n<PARAM NAME=\"stage_select\" VALUE=\"2\">";
  for (std::size_t cut = 0; cut <= tag.size(); ++cut) SurvivesAsPage(tag.substr(0, cut));
}

TEST_F(MalformedInput, EncryptedHeadersOfEverySize) {
  std::string locked = std::string("\x17\x00LOCKED", 8) + std::string(40, '\x9C');
  for (std::size_t size = 0; size <= locked.size(); ++size) {
    SurvivesAsProject(locked.substr(0, size));
    fx.folder.Write("raw.zpp", locked.substr(0, size));
    const int result = DecryptFile(fx.folder.file("raw.zpp"), "pw", false);
    EXPECT_TRUE(result == kWrongPassword || result == kDecryptFailed) << size;
  }
}

} // namespace
} // namespace zt
