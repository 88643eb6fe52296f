#include "formats/HtmlWriter.h"

#include "document/Cp932Codec.h"
#include "document/ParameterCatalogue.h"
#include "document/ProductInfo.h"
#include "document/StageDocument.h"
#include "formats/LineBreakEscapes.h"
#include "formats/PageTemplate.h"

#include <array>
#include <string_view>

namespace zt {
namespace {

using K = TemplateKind;


bool Applies(unsigned when, StageType type, const PageOptions& options, bool override) {
  if ((when & kCom) && !options.comment) return false;
  if ((when & kMapOnly) && type != StageType::MapStage) return false;
  if ((when & kFourPlus) && type == StageType::OneStage) return false;
  if ((when & kFourOnly) && type != StageType::FourStage) return false;
  if ((when & kOverride) && !override) return false;
  if ((when & kNoOverride) && override) return false;
  return true;
}

// The template's texts in Shift-JIS, converted once.
const std::vector<std::string>& TemplateTexts(bool second) {
  static const auto texts = [] {
    std::array<std::vector<std::string>, 2> converted;
    for (const TemplateLine& line : PageTemplate()) {
      converted[0].push_back(Sjis(line.text));
      converted[1].push_back(Sjis(line.text2));
    }
    return converted;
  }();
  return texts[second ? 1 : 0];
}

std::string ParamLine(std::string_view name, const std::string& value) {
  return "<PARAM NAME=\"" + std::string(name) + "\" VALUE=\"" + value + "\">";
}

std::string ValueText(const StageDocument& doc, ParamId id) {
  return Parameter(id).kind == ParamKind::Text ? EscapeLineBreaks(doc.Text(id)) : std::to_string(doc.Int(id));
}

class PageBuilder {
 public:
  PageBuilder(const StageDocument& doc, const PageOptions& options, const StartOverride& start)
      : doc_(doc), options_(options), start_(start) {}

  std::vector<std::string> Build() {
    lines_ = doc_.headerLines;
    const auto& texts = TemplateTexts(false);
    const auto& texts2 = TemplateTexts(true);
    for (std::size_t i = 0; i < PageTemplate().size(); ++i) {
      const TemplateLine& line = PageTemplate()[i];
      if (!Applies(line.when, doc_.stageType, options_, start_.active)) continue;
      switch (line.kind) {
        case K::Text: lines_.push_back(texts[i]); break;
        case K::Param: lines_.push_back(ParamLine(Parameter(line.param).name, ValueText(doc_, line.param))); break;
        case K::StageRows: AddStageRows(line.stage, line.part); break;
        case K::WorldRows: AddWorldRows(); break;
        case K::StartStageComment: lines_.push_back(texts[i] + std::to_string(doc_.currentStage + 1) + texts2[i]); break;
        case K::StartStageParam:
          lines_.push_back(ParamLine(Parameter(line.param).name, std::to_string(doc_.currentStage + 1)));
          break;
      }
    }
    lines_.insert(lines_.end(), doc_.footerLines.begin(), doc_.footerLines.end());
    if (options_.viewCopyright) {
      lines_.push_back(Sjis("<!--  このページは " + std::string(kProductName) + " で作成しました。  -->"));
      lines_.push_back("<!--  " + std::string(kSupportSite) + "  -->");
    }
    return std::move(lines_);
  }

 private:
  char CellChar(int stage, int x, int y) const {
    const TileCode code = doc_.stages[static_cast<std::size_t>(stage)].at(x, y);
    if (start_.active && stage == doc_.currentStage) {
      if (x == start_.x && y == start_.y) return TileCodeToChar(kPlayerStartTile);
      if (code == kPlayerStartTile) return TileCodeToChar(0);
    }
    return TileCodeToChar(code);
  }

  void AddStageRows(int stage, int part) {
    for (int y = 0; y < kStageHeight; ++y) {
      std::string row(60, '.');
      for (int i = 0; i < 60; ++i) row[static_cast<std::size_t>(i)] = CellChar(stage, part * 60 + i, y);
      if (options_.mapPrint && row.find_first_not_of('.') == std::string::npos) continue;
      lines_.push_back("<PARAM NAME=\"" + StageRowParamName(stage, part, y) + "\" " + (y < 10 ? " " : "") + "VALUE=\"" +
                       row + "\">");
    }
  }

  void AddWorldRows() {
    for (int y = 0; y < kWorldHeight; ++y)
      lines_.push_back("<PARAM NAME=\"chizu-" + std::to_string(y) + "\"  VALUE=\"" + WorldRowText(doc_.world, y) + "\">");
  }

  const StageDocument& doc_;
  const PageOptions& options_;
  const StartOverride& start_;
  std::vector<std::string> lines_;
};

} // namespace

std::vector<std::string> WriteHtml(const StageDocument& doc, const PageOptions& options, const StartOverride& start) {
  return PageBuilder(doc, options, start).Build();
}

} // namespace zt
