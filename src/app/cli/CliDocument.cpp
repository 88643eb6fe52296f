#include "app/cli/CliDocument.h"

#include "document/Cp932Codec.h"
#include "formats/FileError.h"
#include "formats/HtmlReader.h"
#include "formats/PathText.h"
#include "formats/ProjectFile.h"
#include "formats/TextFile.h"

#include <cstdlib>
#include <filesystem>

namespace zt::cli {
namespace {

std::string MakeWorkDir() {
  std::string pattern = (std::filesystem::temp_directory_path() / "zarnotool-XXXXXX").string();
  if (!::mkdtemp(pattern.data())) throw CliFailure("cannot create a working folder");
  return pattern + "/";
}

std::optional<std::string> ToShiftJis(const std::optional<std::string>& utf8) {
  if (!utf8) return std::nullopt;
  return Sjis(*utf8);
}

} // namespace

CliDocument::CliDocument(const ReadSettings& settings)
    : dialogs_(ToShiftJis(settings.password)), context_{dialogs_, hooks_, {}}, workDir_(MakeWorkDir()) {
  context_.settings.headerFile = settings.headerFile;
  context_.settings.footerFile = settings.footerFile;
  context_.settings.workDir = workDir_;
}

CliDocument::~CliDocument() {
  std::error_code ignored;
  std::filesystem::remove_all(workDir_, ignored);
}

void CliDocument::Open(const std::string& path) {
  context_.settings.htmlDir = ExtractFileDir(path);
  ReadOutcome outcome;
  try {
    if (IsProjectPath(path)) outcome = ReadProject(doc, path, context_);
    else if (ToLowerAscii(ExtractFileExt(path)) == ".cmd") outcome = ReadCmd(doc, path);
    else outcome = ReadHtml(doc, path, context_, {false});
  } catch (const FileError& e) {
    throw CliFailure(e.what());
  }
  if (outcome == ReadOutcome::Completed) return;
  if (dialogs_.passwordMissing()) throw CliFailure(path + " is encrypted: give its password with --password");
  throw CliFailure(dialogs_.notices().empty() ? "the read stopped" : dialogs_.notices().back());
}

void CliDocument::Save(const std::string& path, const WriteSettings& settings) {
  try {
    if (IsProjectPath(path)) {
      ProjectWriteOptions options;
      options.encrypt = settings.encryptPassword.has_value();
      options.password = Sjis(settings.encryptPassword.value_or(""));
      const std::size_t noticesBefore = dialogs_.notices().size();
      const auto written = WriteProject(doc, path, options, context_);
      if (!written) throw CliFailure(dialogs_.notices().back());
      // A failed encryption leaves the plain file written: report it.
      if (dialogs_.notices().size() > noticesBefore) throw CliFailure(dialogs_.notices().back());
    } else {
      WriteTextLines(path, WriteHtml(doc, settings.page));
    }
  } catch (const FileError& e) {
    throw CliFailure(e.what());
  }
}

} // namespace zt::cli
