#pragma once
// The file commands: game pages in and out, projects saved, saved under a
// name, saved encrypted and opened, and the recent files.

#include <string>

namespace zt {

class MainWindow;

inline constexpr const char* kProjectFilter = "ZarnoTool++ファイル(*.zpp)|*.zpp|全てのファイル|*.*";

class FileCommands {
 public:
  explicit FileCommands(MainWindow& window) : window_(window) {}

  void LoadHtmlFile();
  void MakeHtmlFile();
  void Save();
  void SaveAs1();
  void Open();
  // "暗号化して保存(&K)".
  void K1Click();
  void HistoryFileOpen(const std::string& path);
  // A project for ".zpp" and ".ZPP", a game page for anything else.
  void OpenByExtension(const std::string& path);

  // Asks to save a modified document: false when the user cancelled.
  bool AskToSaveModified();

 private:
  void WriteProjectAs(const std::string& path, bool encrypt, const std::string& password);
  std::string HtmlFilter() const;

  MainWindow& window_;
};

} // namespace zt
