// Map view drawing, offscreen: a full rebuild of a 1024 x 768 view and a
// single pen edit, against the one block copy that presenting costs.

#include "BenchRatio.h"

#include "document/StageDocument.h"
#include "editor/map/MapView.h"
#include "editor/pattern/PatternImage.h"

#include <QApplication>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

using namespace zt;

QImage ColouredPattern() {
  QImage picture(PatternImage::kWidth, PatternImage::kHeight, QImage::Format_RGB32);
  QPainter painter(&picture);
  for (int column = 0; column < 10; ++column)
    for (int row = 0; row < 25; ++row)
      painter.fillRect(column * 32, row * 32, 32, 32, QColor::fromHsv((column * 36 + row * 14) % 360, 150, 220));
  return picture;
}

// A stage with every tile, marks and all, spread over it, and a view on it.
struct FilledView {
  explicit FilledView(bool mini) {
    pattern.SetRaw(ColouredPattern(), qRgb(0, 0, 0));
    pattern.BuildSubstituted(qRgb(0, 255, 255));
    for (int x = 0; x < kStageWidth; ++x)
      for (int y = 0; y < kStageHeight; ++y) doc.SetCell(x, y, static_cast<TileCode>((x * 7 + y * 3) % 66));
    doc.loaded = true;
    MapViewOptions options;
    options.mini = mini;
    view.SetOptions(options);
    view.resize(1024, 768);
  }
  StageDocument doc;
  PatternImage pattern;
  MapView view{doc, pattern};
};

void BlockCopy(benchmark::State& state) {
  QImage buffer(1024, 768, QImage::Format_RGB32);
  buffer.fill(Qt::white);
  QImage screen(1024, 768, QImage::Format_RGB32);
  for (auto _ : state) {
    QPainter painter(&screen);
    painter.drawImage(0, 0, buffer);
    benchmark::DoNotOptimize(screen.constBits());
  }
}

void RebuildView(benchmark::State& state) {
  FilledView filled(state.range(0) != 0);
  filled.view.SetOrigin(40, 5);
  for (auto _ : state) {
    filled.view.RebuildView();
    benchmark::DoNotOptimize(filled.view.backBuffer().constBits());
  }
}

void PenEdit(benchmark::State& state) {
  FilledView filled(false);
  filled.view.SetOrigin(40, 5);
  TileCode code = 27;
  for (auto _ : state) {
    filled.view.PenSetCell(code, 50, 10, true);
    code = code == 27 ? 61 : 27;
  }
}

BENCHMARK(BlockCopy);
BENCHMARK(RebuildView)->Arg(0)->Arg(1)->ArgName("mini");
BENCHMARK(PenEdit);

} // namespace

int main(int argc, char** argv) {
  ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication app(argc, argv);
  return zt::bench::RunWithRatios(
      argc, argv, {{"RebuildView/mini:0", "BlockCopy"}, {"RebuildView/mini:1", "BlockCopy"}, {"PenEdit", "BlockCopy"}});
}
