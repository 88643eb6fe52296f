// zt_assetgen: draws the pictures a fresh install ships in html/.
//
//   zt_assetgen OUTPUT_FOLDER [--preview PNG_FOLDER]
//
// Writes pattern.gif, title.gif, ending.gif, gameover.gif and chizu.gif into
// OUTPUT_FOLDER; with --preview also PNG copies (the pattern twice as
// large) for looking at them.

#include "Colours.h"
#include "PatternSheet.h"
#include "Screens.h"

#include "editor/pattern/GifCodec.h"

#include <QGuiApplication>

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

namespace {

struct Picture {
  std::string name;
  QImage image;
  int previewScale;
};

bool Write(const Picture& picture, const std::string& folder, const std::string& previewFolder) {
  const std::string path = folder + "/" + picture.name + ".gif";
  if (!zt::EncodeGif(path, picture.image, zt::art::kKey.rgb())) {
    std::fprintf(stderr, "zt_assetgen: cannot write %s\n", path.c_str());
    return false;
  }
  if (previewFolder.empty()) return true;
  const QImage preview = picture.image.scaled(picture.image.size() * picture.previewScale);
  return preview.save(QString::fromStdString(previewFolder + "/" + picture.name + ".png"));
}

} // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv); // fonts for the screens' texts
  std::string folder, previewFolder;
  bool usageError = false;
  for (int i = 1; i < argc; ++i) {
    const std::string argument = argv[i];
    if (argument == "--preview" && i + 1 < argc) previewFolder = argv[++i];
    else if (folder.empty()) folder = argument;
    else usageError = true;
  }
  if (folder.empty() || usageError) {
    std::fprintf(stderr, "usage: zt_assetgen OUTPUT_FOLDER [--preview PNG_FOLDER]\n");
    return 2;
  }

  const QImage sheet = zt::art::DrawPatternSheet();
  for (const std::string& empty : zt::art::EmptyTileCells(sheet)) std::fprintf(stderr, "zt_assetgen: nothing drawn for %s\n", empty.c_str());

  const std::vector<Picture> pictures = {
      {"pattern", sheet, 2},
      {"title", zt::art::DrawTitleScreen(), 1},
      {"ending", zt::art::DrawEndingScreen(), 1},
      {"gameover", zt::art::DrawGameOverScreen(), 1},
      {"chizu", zt::art::DrawWorldMapBackground(), 1},
  };
  bool ok = zt::art::EmptyTileCells(sheet).empty();
  for (const Picture& picture : pictures) ok = Write(picture, folder, previewFolder) && ok;
  return ok ? 0 : 1;
}
