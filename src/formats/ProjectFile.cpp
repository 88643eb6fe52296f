#include "formats/ProjectFile.h"

#include "document/Cp932Codec.h"
#include "document/IntegerText.h"
#include "document/ParameterCatalogue.h"
#include "document/StageDocument.h"
#include "formats/Cryptogram.h"
#include "formats/FileError.h"
#include "formats/HeaderFooter.h"
#include "formats/LineBreakEscapes.h"
#include "formats/PathText.h"
#include "formats/ProfileFile.h"
#include "formats/TextFile.h"

#include <array>
#include <cstdio>

namespace zt {
namespace {

using P = ParamId;

constexpr const char* kSplit = "<split>";
constexpr const char* kHexDigits = "0123456789ABCDEF";

// The four-stage values in project order (the last three from version 3 on).
constexpr std::array kFourStageProjectOrder{
    P::backcolor_red_s, P::backcolor_green_s, P::backcolor_blue_s, P::backcolor_red_t, P::backcolor_green_t,
    P::backcolor_blue_t, P::backcolor_red_f,  P::backcolor_green_f, P::backcolor_blue_f, P::scroll_mode_s,
    P::scroll_mode_t,   P::scroll_mode_f,     P::stage_max,        P::stage_kaishi,    P::jibun_left_shoki,
    P::score_1up_1,     P::score_1up_2,       P::kaishi_red,       P::kaishi_green,    P::kaishi_blue,
};
constexpr std::size_t kVersion2FourStageValues = 17;

const char* TypeLabel(StageType type) {
  switch (type) {
    case StageType::OneStage: return "#1ステージ";
    case StageType::FourStage: return "#4ステージ";
    case StageType::MapStage: return "#地図版";
  }
  return "";
}

void AppendHex(std::string& line, std::uint8_t code) {
  line += kHexDigits[code >> 4];
  line += kHexDigits[code & 0x0F];
}

std::string ValueLine(const StageDocument& doc, ParamId id) {
  return Parameter(id).kind == ParamKind::Text ? EscapeLineBreaks(doc.Text(id)) : std::to_string(doc.Int(id));
}

// Reads the lines of a project file in order, failing clearly at its end.
class LineCursor {
 public:
  explicit LineCursor(const std::vector<std::string>& lines) : lines_(lines) {}

  const std::string& Next() {
    if (next_ >= lines_.size())
      throw FileError("ファイルが途中で終わっています (" + std::to_string(next_ + 1) + "行目がありません)");
    return lines_[next_++];
  }
  std::int32_t NextInt() {
    const std::string& line = Next();
    const auto value = ParseInteger(line);
    if (!value) throw FileError(NotAnIntegerMessage(line));
    return *value;
  }
  std::size_t remaining() const { return lines_.size() - next_; }

 private:
  const std::vector<std::string>& lines_;
  std::size_t next_ = 0;
};

// Cell x of a hexadecimal row: the two digits at 2x.
std::uint8_t HexCell(const std::string& line, std::size_t x) {
  const std::string digits = line.substr(std::min(line.size(), 2 * x), 2);
  const auto value = ParseInteger("$" + digits);
  if (!value || digits.size() != 2) throw FileError(NotAnIntegerMessage("$" + digits));
  return static_cast<std::uint8_t>(*value);
}

void ReadValue(LineCursor& in, StageDocument& doc, ParamId id) {
  if (Parameter(id).kind == ParamKind::Text) doc.SetText(id, UnescapeLineBreaks(in.Next()));
  else doc.SetInt(id, in.NextInt());
}

void ReadStage(LineCursor& in, StageDocument& doc, int stage) {
  doc.currentStage = stage;
  for (int y = 0; y < kStageHeight; ++y) {
    const std::string& line = in.Next();
    for (int x = 0; x < kStageWidth; ++x) doc.SetCell(x, y, HexCell(line, static_cast<std::size_t>(x)));
  }
}

// Header lines up to the first "<split>", footer lines up to the next one
// (or up to the last line of the file, which is then not taken).
void ReadHeaderFooter(const std::vector<std::string>& lines, std::size_t start, StageDocument& doc) {
  std::size_t i = start;
  doc.headerLines.clear();
  for (;; ++i) {
    if (i >= lines.size()) throw FileError("ファイルのヘッダの終わり(<split>)が見つかりません");
    if (lines[i] == kSplit) break;
    doc.headerLines.push_back(lines[i]);
  }
  doc.footerLines.clear();
  for (++i; i + 1 < lines.size() && lines[i] != kSplit; ++i) doc.footerLines.push_back(lines[i]);
}

StageType CheckedType(std::int32_t number) {
  if (number < 0 || number > 2) throw FileError("ステージタイプが正しくありません (" + std::to_string(number) + ")");
  return static_cast<StageType>(number);
}

// The encrypted branch: decrypts a working copy and returns its lines, or
// nullopt when the read ends here.
std::optional<std::vector<std::string>> DecryptedLines(const std::string& path, FileContext& context) {
  const std::optional<std::string> password = context.dialogs.AskPassword();
  const std::string copy = context.settings.workDir + "tmp.$$$";
  std::remove(copy.c_str());
  if (!CopyFileNoOverwrite(path, copy)) throw FileError("作業ファイルを作成できません: " + copy);
  if (!password) return std::nullopt;
  if (DecryptFile(copy, *password, false) == kWrongPassword) {
    context.dialogs.Notify("パスワードが違います");
    return std::nullopt;
  }
  std::vector<std::string> lines = ReadTextLines(copy);
  std::remove(copy.c_str());
  return lines;
}

} // namespace

std::vector<std::string> ProjectLines(const StageDocument& doc) {
  std::vector<std::string> lines = {"#File Version", std::to_string(kProjectVersion), Sjis(TypeLabel(doc.stageType)),
                                    std::to_string(static_cast<int>(doc.stageType))};
  const bool map = doc.stageType == StageType::MapStage;
  if (map) {
    for (int y = 0; y < kWorldHeight; ++y) {
      std::string line;
      for (int x = 0; x < kWorldWidth; ++x) AppendHex(line, doc.world.at(x, y));
      lines.push_back(std::move(line));
    }
    for (const ParamId id : MapGroupOrder()) lines.push_back(ValueLine(doc, id));
  }
  for (int stage = 0; stage < StagesInFiles(doc.stageType); ++stage) {
    for (int y = 0; y < kStageHeight; ++y) {
      std::string line;
      line.reserve(2 * kStageWidth);
      for (int x = 0; x < kStageWidth; ++x) AppendHex(line, doc.stages[static_cast<std::size_t>(stage)].at(x, y));
      lines.push_back(std::move(line));
    }
  }
  if (doc.stageType != StageType::OneStage)
    for (const ParamId id : kFourStageProjectOrder) lines.push_back(ValueLine(doc, id));
  for (const ParamId id : CommonGroupOrder()) {
    if (id == P::filename_chizu && !map) continue;
    lines.push_back(ValueLine(doc, id));
  }
  lines.insert(lines.end(), doc.headerLines.begin(), doc.headerLines.end());
  lines.push_back(kSplit);
  lines.insert(lines.end(), doc.footerLines.begin(), doc.footerLines.end());
  lines.push_back(kSplit);
  return lines;
}

std::optional<std::string> WriteProject(StageDocument& doc, const std::string& chosenPath,
                                        const ProjectWriteOptions& options, FileContext& context) {
  std::string path = chosenPath;
  if (ExtractFileExt(path).empty()) path += options.allFilesFilter ? ".cmd" : ".zpp";
  if (ToLowerAscii(ExtractFileExt(path)) == ".cmd") {
    context.dialogs.Notify("「.cmd」形式では保存できません。拡張子を「.zpp」にしてください。");
    return std::nullopt;
  }
  if (options.encrypt) {
    if (const auto problem = PasswordProblem(options.password)) {
      context.dialogs.Notify(*problem);
      return std::nullopt;
    }
  }
  context.hooks.BeforeWriteProject();
  WriteTextLines(path, ProjectLines(doc));
  if (options.encrypt && !EncryptFile(path, options.password, false))
    context.dialogs.Notify("暗号化に失敗しました。");
  if (context.settings.bookmarksWithProjects && !doc.bookmarks.empty())
    WriteBookmarkFile(ChangeFileExt(path, ".sri"), doc.bookmarks);
  context.hooks.AddRecentFile(path);
  return path;
}

ReadOutcome ReadProject(StageDocument& doc, const std::string& path, FileContext& context) {
  if (path.empty()) return ReadOutcome::Stopped;
  Dialogs& dialogs = context.dialogs;
  EditorHooks& hooks = context.hooks;

  std::vector<std::string> lines = ReadTextLines(path);
  if (LineCursor(lines).Next().compare(0, 5, "#File") != 0) {
    auto decrypted = DecryptedLines(path, context);
    if (!decrypted) return ReadOutcome::Stopped;
    lines = std::move(*decrypted);
  }

  LineCursor in(lines);
  in.Next();
  const std::int32_t version = in.NextInt();
  if (version < 2) {
    dialogs.Notify("ファイルのバージョンが2未満です。");
    return ReadOutcome::Stopped;
  }
  in.Next(); // the type as text, for people reading the file
  dialogs.SetStatus("");
  const StageType type = CheckedType(in.NextInt());
  doc.stageType = type;
  hooks.SetStageSelectorItems(type == StageType::OneStage ? 1 : 4);

  if (type == StageType::MapStage) {
    for (int y = 0; y < kWorldHeight; ++y) {
      const std::string& line = in.Next();
      for (int x = 0; x < kWorldWidth; ++x) doc.world.at(x, y) = HexCell(line, static_cast<std::size_t>(x));
    }
    for (const ParamId id : MapGroupOrder()) ReadValue(in, doc, id);
  }
  const int savedStage = doc.currentStage;
  ReadStage(in, doc, 0);
  hooks.EnableStageCommands(type);
  if (type != StageType::OneStage) {
    for (int stage = 1; stage < kStageCount; ++stage) ReadStage(in, doc, stage);
    const std::size_t values = version >= 3 ? kFourStageProjectOrder.size() : kVersion2FourStageValues;
    for (std::size_t i = 0; i < values; ++i) ReadValue(in, doc, kFourStageProjectOrder[i]);
    doc.currentStage = savedStage;
  }
  for (const ParamId id : CommonGroupOrder()) {
    if (id == P::filename_chizu && type != StageType::MapStage) continue;
    ReadValue(in, doc, id);
  }

  if (in.remaining() >= 2) ReadHeaderFooter(lines, lines.size() - in.remaining(), doc);
  else LoadHeaderFooter(doc, context.settings);

  doc.documentName = path;
  dialogs.SetStatus("ファイル読み込み完了");
  dialogs.SetStatus("ファイル開放");
  hooks.LoadDocumentImages(doc);
  dialogs.SetStatus("データ設定");
  hooks.RedrawMap();
  dialogs.SetStatus("マップ描画");
  hooks.RefreshWindow();
  dialogs.SetStatus("画面更新");
  dialogs.SetStatus("読み込み完了");
  hooks.AddRecentFile(path);

  const std::string bookmarkFile = ChangeFileExt(path, ".sri");
  if (context.settings.bookmarksWithProjects && FileExists(bookmarkFile)) {
    doc.bookmarks = ReadBookmarkFile(bookmarkFile);
    hooks.BookmarksChanged();
  }
  hooks.EnableSettings(type);
  dialogs.Log("opened : " + doc.documentName);
  return ReadOutcome::Completed;
}

ReadOutcome ReadCmd(StageDocument& doc, const std::string& path) {
  const ProfileFile file = ProfileFile::FromText(ReadFileBytes(path));
  const auto typeText = file.Read("stage", "stage_type");
  const auto typeNumber = typeText ? ParseInteger(*typeText) : std::optional<std::int32_t>(0);
  doc.stageType = CheckedType(typeNumber.value_or(0));
  for (int part = 0; part < 3; ++part) {
    for (int row = 0; row < kStageHeight; ++row) {
      char key[16];
      std::snprintf(key, sizeof key, "map%d-%02d", part, row);
      const std::string text = file.Read("stage1", key).value_or("");
      for (int i = 0; i < 60; ++i) doc.SetCell(part * 60 + i, row, TileCodeAt(text, static_cast<std::size_t>(i)));
    }
  }
  doc.loaded = true;
  return ReadOutcome::Completed;
}

std::vector<std::string> ReadBookmarkFile(const std::string& path) { return ReadTextLines(path); }

void WriteBookmarkFile(const std::string& path, const std::vector<std::string>& lines) { WriteTextLines(path, lines); }

} // namespace zt
