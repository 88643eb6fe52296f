// zarnotool-cli script PPA [FILE] [options]: runs a map script (Shift-JIS text,
// as the console saves it) against a document and writes the result.

#include "app/cli/CliArguments.h"
#include "app/cli/CliCommands.h"
#include "app/cli/CliDocument.h"
#include "document/Cp932Codec.h"
#include "formats/FileError.h"
#include "formats/TextFile.h"
#include "tools/console/core/BatchScriptHost.h"
#include "tools/script/ScriptError.h"

#include <iostream>

namespace zt::cli {
namespace {

std::vector<std::string> ReadScript(const std::string& path) {
  try {
    return ReadTextLines(path);
  } catch (const FileError& e) {
    throw CliFailure(e.what());
  }
}

// The editor's new document of four stages, without a pattern picture.
void MakeNewFourStageDocument(StageDocument& doc) {
  doc.ClearGrids();
  doc.ApplyDefaults();
  doc.currentStage = 0;
  doc.stageType = StageType::FourStage;
  doc.SetStageBackground(0, {0, 255, 255});
}

std::vector<std::string> ShiftJisLines(const std::vector<std::string>& utf8Lines) {
  std::vector<std::string> lines;
  for (const std::string& line : utf8Lines) lines.push_back(Sjis(line));
  return lines;
}

} // namespace

int RunScript(const std::vector<std::string>& words) {
  const CliArguments args(words, {"out", "define", "password", "encrypt"}, {"allow-exec"});
  args.ExpectPositional(1, 2);
  const std::vector<std::string> source = ReadScript(args.positional()[0]);
  CliDocument file({args.Value("password"), "", ""});
  if (args.positional().size() == 2) file.Open(args.positional()[1]);
  else MakeNewFourStageDocument(file.doc);

  console::BatchScriptHost host(file.doc, std::cout, args.Has("allow-exec"));
  host.interpreter().SetDefine(ShiftJisLines(args.Values("define")));
  try {
    host.Run(source);
  } catch (const script::ScriptError& e) {
    throw CliFailure(Utf8FromShiftJis(e.what()));
  }

  if (const auto out = args.Value("out")) {
    WriteSettings settings;
    settings.encryptPassword = args.Value("encrypt");
    file.Save(*out, settings);
  }
  return 0;
}

} // namespace zt::cli
