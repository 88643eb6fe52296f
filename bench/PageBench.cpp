// Reading and writing game pages, against a baseline that only splits the
// page into lines and finds every "<PARAM NAME=\"" in them.

#include "BenchRatio.h"

#include "document/ShiftJisText.h"
#include "document/StageDocument.h"
#include "formats/HtmlReader.h"
#include "formats/HtmlWriter.h"
#include "formats/TextFile.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>

namespace {

using namespace zt;

class SilentDialogs : public Dialogs {
 public:
  Answer Ask(const Question&) override { return Answer::Yes; }
  void Notify(std::string_view) override {}
  void Log(std::string_view) override {}
  void LogError(std::string_view, int) override {}
  void SetStatus(std::string_view) override {}
  void Pause(int) override {}
  std::optional<std::string> AskPassword() override { return std::nullopt; }
};

StageDocument FilledDocument(StageType type) {
  StageDocument doc;
  doc.ApplyDefaults();
  doc.stageType = type;
  for (int s = 0; s < kStageCount; ++s)
    for (int x = 0; x < kStageWidth; ++x)
      for (int y = 0; y < kStageHeight; ++y)
        doc.stages[static_cast<std::size_t>(s)].at(x, y) = static_cast<TileCode>((x * 5 + y * 3 + s) % 66);
  return doc;
}

// A page file written once per type and kept for the whole run.
struct PageFile {
  explicit PageFile(StageType type) {
    path = (std::filesystem::temp_directory_path() / ("zt-bench-" + std::to_string(int(type)) + ".htm")).string();
    PageOptions options;
    options.comment = true;
    bytes = JoinLinesCrLf(WriteHtml(FilledDocument(type), options));
    WriteFileAtomically(path, bytes);
  }
  std::string path;
  std::string bytes;
};

const PageFile& Page(StageType type) {
  static const PageFile map(StageType::MapStage), four(StageType::FourStage);
  return type == StageType::MapStage ? map : four;
}

void Baseline(benchmark::State& state, StageType type) {
  const std::string bytes = ReadFileBytes(Page(type).path);
  for (auto _ : state) {
    const std::vector<std::string> lines = SplitLines(bytes);
    std::size_t tags = 0;
    for (const std::string& line : lines)
      for (std::size_t at = line.find("<PARAM NAME=\""); at != std::string::npos; at = line.find("<PARAM NAME=\"", at + 1))
        ++tags;
    benchmark::DoNotOptimize(tags);
  }
}

void Read(benchmark::State& state, StageType type) {
  SilentDialogs dialogs;
  EditorHooks hooks;
  FileContext context{dialogs, hooks, {}};
  StageDocument doc;
  for (auto _ : state) {
    ReadHtml(doc, Page(type).path, context, {false});
    benchmark::DoNotOptimize(doc.stages[0].at(0, 0));
  }
}

void Write(benchmark::State& state, StageType type) {
  const StageDocument doc = FilledDocument(type);
  PageOptions options;
  options.comment = true;
  for (auto _ : state) benchmark::DoNotOptimize(WriteHtml(doc, options));
}

BENCHMARK_CAPTURE(Baseline, map, StageType::MapStage);
BENCHMARK_CAPTURE(Read, map, StageType::MapStage);
BENCHMARK_CAPTURE(Write, map, StageType::MapStage);
BENCHMARK_CAPTURE(Baseline, four, StageType::FourStage);
BENCHMARK_CAPTURE(Read, four, StageType::FourStage);
BENCHMARK_CAPTURE(Write, four, StageType::FourStage);

} // namespace

int main(int argc, char** argv) {
  return zt::bench::RunWithRatios(argc, argv,
                                  {{"Read/map", "Baseline/map"},
                                   {"Write/map", "Baseline/map"},
                                   {"Read/four", "Baseline/four"},
                                   {"Write/four", "Baseline/four"}});
}
