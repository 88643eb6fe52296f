#include "app/window/DocumentSetup.h"

#include "app/config/AppConfig.h"
#include "app/settings/SettingsPage.h"
#include "app/window/AccessoryWindows.h"
#include "app/window/AutoRefresh.h"
#include "app/window/PageControl.h"
#include "app/window/MainWindow.h"
#include "app/window/ProgramFolder.h"
#include "app/window/RelatedFilesPanel.h"
#include "document/Cp932Codec.h"
#include "document/ParameterCatalogue.h"
#include "editor/map/MapPage.h"
#include "editor/map/MapView.h"
#include "editor/pattern/PatternLoader.h"
#include "formats/HeaderFooter.h"
#include "formats/PathText.h"

#include <QScrollBar>
#include <QString>


namespace zt {

std::string DocumentSetup::ImagePath(const std::string& sjisName) const {
  return window_.config().Read(keys::kHtmlDir) + Utf8FromShiftJis(sjisName);
}

std::string DocumentSetup::WorldMapPicturePath() const {
  return ImagePath(window_.document().Text(ParamId::filename_chizu));
}

void DocumentSetup::LoadWorldMapPicture() { zt::LoadWorldMapPicture(window_.worldPicture(), WorldMapPicturePath()); }

void DocumentSetup::LoadPatternPicture() {
  StageDocument& doc = window_.document();
  const PatternLoadResult result = zt::LoadPatternPicture(
      window_.pattern(), ImagePath(doc.Text(ParamId::filename_pattern)), window_.config().Read(keys::kBmpToGif));
  if (!result.convertedFileName.empty()) doc.SetText(ParamId::filename_pattern, Sjis(result.convertedFileName));
}

void DocumentSetup::LoadDocumentImages() {
  StageDocument& doc = window_.document();
  EnterFolder(window_.config().programFolder());
  doc.loaded = true;
  LoadWorldMapPicture();
  LoadPatternPicture();
  window_.autoRefresh().Apply(0);
  MapView& view = window_.mapPage().view();
  view.PresentView();
  window_.RecolourPattern();
  window_.SetStatusText("Ready");
  window_.UpdateTitle();
  window_.autoRefresh().Apply(window_.config().Read(keys::kAutoReload));
  view.Redraw();
  window_.accessories().DocumentLoaded();
  GoStartingPlace();
  FillRelatedFiles();
  // A document read while the settings page shows is shown there too.
  if (window_.currentPage() == kSettingsPage) window_.settingsPage().ShowSettings(doc);
}

void DocumentSetup::ReloadPattern() {
  if (!window_.document().loaded) return;
  window_.pattern().Reset();
  LoadPatternPicture();
  window_.RecolourPattern();
  window_.mapPage().view().Redraw();
  window_.accessories().PatternReloaded();
}

void DocumentSetup::StartNewDocument(const std::string& patternPath) {
  StageDocument& doc = window_.document();
  doc.SetText(ParamId::filename_pattern, Sjis(ExtractFileName(patternPath)));
  doc.documentName = kUntitled;
  doc.SetStageBackground(0, {0, 255, 255});
  doc.bookmarks.clear();
  window_.accessories().BookmarksChanged();
  window_.mapPage().view().SelectTile(0);
  LoadDocumentImages();
  LoadHeaderFooter(doc, window_.config().FileSettingsNow());
}

void DocumentSetup::GoStartingPlace() {
  StageDocument& doc = window_.document();
  MapPage& page = window_.mapPage();
  for (int x = 0; x < kStageWidth; ++x) {
    for (int y = 0; y < kStageHeight; ++y) {
      if (doc.GetCell(x, y) != kPlayerStartTile) continue;
      // 64 pixels whatever the chip size: with 32-pixel chips the player
      // lands near the middle of the view.
      const QSize size = page.view().size();
      page.ScrollTo(x - size.width() / 64, y - size.height() / 64);
      window_.dialogs().Log("goto : (" + std::to_string(page.scrollBar1().value()) + "," +
                            std::to_string(page.scrollBar2().value()) + ")");
      page.view().Redraw();
      page.UpdateMapStatus();
      return;
    }
  }
  page.ScrollTo(0, 0);
  page.view().Redraw();
  page.UpdateMapStatus();
}

std::vector<std::string> DocumentSetup::RelatedFilePaths() const {
  const StageDocument& doc = window_.document();
  std::vector<std::string> paths;
  for (const ParamId id : {ParamId::filename_pattern, ParamId::filename_title, ParamId::filename_ending,
                           ParamId::filename_gameover})
    paths.push_back(ImagePath(doc.Text(id)));
  if (doc.stageType == StageType::MapStage) paths.push_back(WorldMapPicturePath());
  return paths;
}

void DocumentSetup::FillRelatedFiles() {
  window_.relatedFiles().SetFiles(RelatedFilePaths(), window_.config().Read(keys::kHtmlDir));
}

} // namespace zt
