#include "formats/HtmlReader.h"

#include "document/Cp932Codec.h"
#include "document/ParameterCatalogue.h"
#include "document/ShiftJisText.h"
#include "document/StageDocument.h"
#include "formats/HeaderFooter.h"
#include "formats/KanjiConversion.h"
#include "formats/PageParameters.h"
#include "formats/PageTemplate.h"
#include "formats/PathText.h"
#include "formats/TextFile.h"


namespace zt {
namespace {

using P = ParamId;


void ReadParameter(PageParameters& page, StageDocument& doc, ParamId id) {
  const GameParameter& p = Parameter(id);
  if (p.kind == ParamKind::Text) doc.SetText(id, page.GetParamText(p.name));
  else doc.SetInt(id, page.GetParamInt(p.name));
}

void ReadWorldRows(PageParameters& page, StageDocument& doc) {
  for (int y = 0; y < kWorldHeight; ++y) {
    const std::string row = page.GetParamText("chizu-" + std::to_string(y));
    for (int x = 0; x < kWorldWidth; ++x)
      doc.world.at(x, y) = WorldCodeAt(row, static_cast<std::size_t>(x));
  }
}

// The page as Shift-JIS lines: joined as the lines were read, converted as a
// whole, split again. Text that needs no conversion keeps its lines.
std::vector<std::string> LoadPageLines(const std::string& path) {
  std::vector<std::string> lines = ReadTextLines(path);
  const std::string joined = JoinLinesCrLf(lines);
  const KanjiCode code = DetectKanjiCode(joined);
  if (code != KanjiCode::JisNew && code != KanjiCode::JisOld && code != KanjiCode::Euc) return lines;
  return SplitLines(ToShiftJis(joined));
}

// A file name from a page that stays inside the folder it is appended to.
bool IsSafeRelativeName(std::string_view name) {
  if (name.empty() || name.front() == '/') return false;
  std::size_t start = 0;
  while (start <= name.size()) {
    std::size_t end = name.find('/', start);
    if (end == std::string_view::npos) end = name.size();
    if (name.substr(start, end - start) == "..") return false;
    start = end + 1;
  }
  return true;
}

struct ImageCheck {
  ParamId param;
  const char* missingLine;
  const char* standardName;
};

constexpr ImageCheck kImageChecks[] = {
    {P::filename_title, "上記タイトル画像が存在しません。", "title.gif"},
    {P::filename_ending, "上記エンディング画像が存在しません。", "ending.gif"},
    {P::filename_gameover, "上記ゲームオーバ画像が存在しません。", "gameover.gif"},
    {P::filename_pattern, "上記パターン画像が存在しません。", "pattern.gif"},
};

void CheckImages(StageDocument& doc, const std::string& pagePath, FileContext& context) {
  const std::string& htmlDir = context.settings.htmlDir;
  for (const ImageCheck& check : kImageChecks) {
    const std::string name = Utf8FromShiftJis(doc.Text(check.param));
    const std::string target = htmlDir + name;
    if (FileExists(target)) continue;
    const Answer answer = context.dialogs.Ask({"警告",
                                               target + "\r\n" + check.missingLine + "\r\n" +
                                                   "HTMLファイルのあったフォルダからコピーしますか？",
                                               Buttons::YesNo, Icon::Warning});
    if (answer == Answer::Yes) {
      const bool safe = IsSafeRelativeName(name);
      if (context.netImport.active) {
        if (safe) context.hooks.FetchUrlToFile(context.netImport.baseUrl + name, target);
      } else {
        const std::string source = ExtractFileDir(pagePath) + name;
        if (!safe || FileExists(source)) {
          context.dialogs.Notify(safe && CopyFileNoOverwrite(source, target)
                                     ? "コピーしました"
                                     : "コピー出来ませんでした。\r\nファイルが存在するか確認してください");
        }
      }
    } else {
      doc.SetText(check.param, check.standardName);
    }
    if (check.param == P::filename_pattern) context.dialogs.Pause(1000);
  }
}

} // namespace

void ReadStageRows(PageParameters& page, StageDocument& doc, int stage) {
  doc.currentStage = stage;
  for (int part = 0; part < 3; ++part) {
    for (int y = 0; y < kStageHeight; ++y) {
      const std::string row = page.GetParamText(StageRowParamName(stage, part, y));
      for (int i = 0; i < 60; ++i) doc.SetCell(part * 60 + i, y, TileCodeAt(row, static_cast<std::size_t>(i)));
    }
  }
}

ReadOutcome ReadHtml(StageDocument& doc, const std::string& path, FileContext& context,
                     const HtmlReadOptions& options) {
  Dialogs& dialogs = context.dialogs;
  EditorHooks& hooks = context.hooks;
  const bool keepName = doc.loaded && doc.documentName != kUntitled;

  doc.stageType = StageType::OneStage;
  hooks.SetStageSelectorItems(1);
  dialogs.SetStatus("");

  PageParameters page(LoadPageLines(path), dialogs);

  const int savedStage = doc.currentStage;
  doc.currentStage = 0;
  if (page.GetParamInt("stage_select") == 2) {
    doc.stageType = StageType::MapStage;
    ReadWorldRows(page, doc);
    for (const ParamId id : MapGroupOrder()) ReadParameter(page, doc, id);
  } else {
    page.ResetErrors();
  }

  ReadStageRows(page, doc, 0);
  if (page.GetParamText("scroll_mode_s") != kNotExist && doc.stageType != StageType::MapStage)
    doc.stageType = StageType::FourStage;
  const bool fourOrMap = doc.stageType != StageType::OneStage;
  if (fourOrMap)
    for (int stage = 1; stage < kStageCount; ++stage) ReadStageRows(page, doc, stage);
  doc.currentStage = savedStage;
  hooks.EnableStageCommands(doc.stageType);

  if (fourOrMap) {
    for (const ParamId id : StageBackgroundOrder()) ReadParameter(page, doc, id);
    for (const ParamId id : {P::scroll_mode_s, P::scroll_mode_t, P::scroll_mode_f}) ReadParameter(page, doc, id);
    if (doc.stageType == StageType::FourStage)
      for (const ParamId id : {P::stage_max, P::stage_kaishi, P::kaishi_red, P::kaishi_green, P::kaishi_blue})
        ReadParameter(page, doc, id);
    for (const ParamId id : {P::jibun_left_shoki, P::score_1up_1, P::score_1up_2}) ReadParameter(page, doc, id);
  }
  for (const ParamId id : CommonGroupOrder()) {
    if (id == P::filename_chizu && doc.stageType != StageType::MapStage) continue;
    ReadParameter(page, doc, id);
  }

  if (page.errorCount() > 0) {
    const Answer answer = dialogs.Ask({"エラー" + std::to_string(page.errorCount()) + "個",
                                       "エラーがありました。続行しますか？", Buttons::YesNo, Icon::Question});
    if (answer != Answer::Yes) {
      dialogs.Notify("ストップしました。\r\nファイルの中身を確認してください。");
      return ReadOutcome::Stopped;
    }
  }

  if (options.checkImages) CheckImages(doc, path, context);
  if (!keepName) doc.documentName = kUntitled;
  LoadHeaderFooter(doc, context.settings);
  hooks.LoadDocumentImages(doc);
  hooks.RedrawMap();
  hooks.EnableSettings(doc.stageType);
  if (fourOrMap) hooks.SetStageSelectorItems(4);
  page.ResetErrors();
  return ReadOutcome::Completed;
}

} // namespace zt
