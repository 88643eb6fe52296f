// zarnotool-cli dump FILE [--password PW]: the document as one JSON object.

#include "app/cli/CliArguments.h"
#include "app/cli/CliCommands.h"
#include "app/cli/CliDocument.h"
#include "document/Cp932Codec.h"
#include "document/ParameterCatalogue.h"

#include <nlohmann/json.hpp>

#include <iostream>

namespace zt::cli {
namespace {

const char* TypeName(StageType type) {
  switch (type) {
    case StageType::OneStage: return "OneStage";
    case StageType::FourStage: return "FourStage";
    case StageType::MapStage: return "MapStage";
  }
  return "";
}

nlohmann::json Utf8Lines(const std::vector<std::string>& lines) {
  nlohmann::json array = nlohmann::json::array();
  for (const std::string& line : lines) array.push_back(Utf8FromShiftJis(line));
  return array;
}

nlohmann::json DocumentJson(const StageDocument& doc, const std::vector<std::string>& log) {
  nlohmann::json out;
  out["type"] = TypeName(doc.stageType);
  nlohmann::json stages = nlohmann::json::array();
  for (const StageGrid& grid : doc.stages) {
    nlohmann::json rows = nlohmann::json::array();
    for (int y = 0; y < kStageHeight; ++y) rows.push_back(StageRowText(grid, y));
    stages.push_back(rows);
  }
  out["stages"] = stages;
  nlohmann::json world = nlohmann::json::array();
  for (int y = 0; y < kWorldHeight; ++y) world.push_back(WorldRowText(doc.world, y));
  out["world"] = world;
  nlohmann::json params = nlohmann::json::object();
  for (const GameParameter& p : AllParameters()) {
    if (p.kind == ParamKind::Text) params[std::string(p.name)] = Utf8FromShiftJis(doc.Text(p.id));
    else params[std::string(p.name)] = doc.Int(p.id);
  }
  out["params"] = params;
  out["header"] = Utf8Lines(doc.headerLines);
  out["footer"] = Utf8Lines(doc.footerLines);
  out["bookmarks"] = Utf8Lines(doc.bookmarks);
  out["log"] = nlohmann::json(std::vector<std::string>(log.rbegin(), log.rend()));
  return out;
}

} // namespace

int RunDump(const std::vector<std::string>& words) {
  const CliArguments args(words, {"password"}, {});
  args.ExpectPositional(1, 1);
  CliDocument file({args.Value("password"), "", ""});
  file.Open(args.positional()[0]);
  std::cout << DocumentJson(file.doc, file.dialogs().log()).dump(2) << "\n";
  return 0;
}

} // namespace zt::cli
