#pragma once
// Setting the editor up for a document that has just been read or created:
// its pictures, the map view, the refresh timer and the related files.

#include <string>
#include <vector>

namespace zt {

class MainWindow;

class DocumentSetup {
 public:
  explicit DocumentSetup(MainWindow& window) : window_(window) {}

  void LoadDocumentImages();
  void LoadWorldMapPicture();
  // "パターン画像再読み込み(&R)".
  void ReloadPattern();
  // The new-document sequence after a pattern was chosen in the chooser.
  void StartNewDocument(const std::string& patternPath);
  // "スタート地点へ移動": the view moves to the player's start.
  void GoStartingPlace();
  void FillRelatedFiles();
  std::vector<std::string> RelatedFilePaths() const;
  // Where the document's world-map picture is: in the HTML folder.
  std::string WorldMapPicturePath() const;

 private:
  std::string ImagePath(const std::string& sjisName) const;
  void LoadPatternPicture();

  MainWindow& window_;
};

} // namespace zt
