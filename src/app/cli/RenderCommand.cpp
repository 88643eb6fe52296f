// zarnotool-cli render FILE [--stage N] --out PNG [--pattern PATH] [--mini]
// [--marks] [--chars]: a whole stage drawn by the map view's own renderer
// and saved as a PNG picture.

#include "app/cli/CliArguments.h"
#include "app/cli/CliCommands.h"
#include "app/cli/CliDocument.h"
#include "document/Cp932Codec.h"
#include "editor/map/MapRenderer.h"
#include "editor/pattern/PatternLoader.h"
#include "formats/FileError.h"
#include "formats/PathText.h"
#include "formats/TextFile.h"

#include <QBuffer>
#include <QGuiApplication>

#include <cstdlib>
#include <iostream>
#include <memory>

namespace zt::cli {
namespace {

int StageNumber(const CliArguments& args) {
  const std::string text = args.Value("stage").value_or("1");
  if (text.size() != 1 || text[0] < '1' || text[0] > '4') throw UsageError("--stage takes 1, 2, 3 or 4");
  return text[0] - '0';
}

// Only the toolkit's errors reach standard error, not its notes about the
// desktop session a batch run does not have.
void ToolkitMessage(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtCriticalMsg || type == QtFatalMsg) std::cerr << message.toStdString() << "\n";
}

// Drawing needs a GUI application object but never a screen.
std::unique_ptr<QGuiApplication> StartGuiWithoutScreen() {
  ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
  qInstallMessageHandler(ToolkitMessage);
  static int argc = 1;
  static char name[] = "zarnotool-cli";
  static char* argv[] = {name, nullptr};
  return std::make_unique<QGuiApplication>(argc, argv);
}

// --pattern, else the document's pattern in the folder of FILE, else the
// default pattern beside the executable.
std::string PatternPath(const CliArguments& args, const StageDocument& doc, const std::string& file) {
  if (const auto given = args.Value("pattern")) return *given;
  const std::string own = ExtractFileDir(file) + Utf8FromShiftJis(doc.Text(ParamId::filename_pattern));
  if (FileExists(own)) return own;
  return QCoreApplication::applicationDirPath().toStdString() + "/html/pattern.gif";
}

std::string PngBytes(const QImage& picture) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (!picture.save(&buffer, "PNG")) throw CliFailure("cannot encode the picture as PNG");
  return bytes.toStdString();
}

} // namespace

int RunRender(const std::vector<std::string>& words) {
  const CliArguments args(words, {"stage", "out", "pattern", "password"}, {"mini", "marks", "chars"});
  args.ExpectPositional(1, 1);
  const std::optional<std::string> out = args.Value("out");
  if (!out) throw UsageError("--out PNG is missing");
  const int stage = StageNumber(args);
  const std::string& path = args.positional()[0];

  CliDocument file({args.Value("password"), "", ""});
  file.Open(path);
  StageDocument& doc = file.doc;
  if (stage > StagesInFiles(doc.stageType)) throw CliFailure(path + " has one stage only");
  doc.currentStage = stage - 1;

  const auto app = StartGuiWithoutScreen();
  PatternImage pattern;
  const std::string patternPath = PatternPath(args, doc, path);
  if (!LoadPatternPicture(pattern, patternPath, false).loaded)
    throw CliFailure("cannot read the pattern image " + patternPath);
  const Rgb background = doc.StageBackground(doc.currentStage);
  pattern.BuildSubstituted(qRgb(background.red & 0xFF, background.green & 0xFF, background.blue & 0xFF));

  MapViewOptions options;
  options.mini = args.Has("mini");
  options.viewInfo = args.Has("marks");
  options.viewNum = args.Has("chars");
  MapRenderer renderer(doc, pattern);
  renderer.SetOptions(options);
  try {
    WriteFileAtomically(*out, PngBytes(renderer.RenderStage()));
  } catch (const FileError& e) {
    throw CliFailure(e.what());
  }
  return 0;
}

} // namespace zt::cli
