#include "app/window/FileCommands.h"

#include "app/config/AppConfig.h"
#include "app/window/FilePicker.h"
#include "app/window/MainWindow.h"
#include "app/window/PageControl.h"
#include "formats/HtmlReader.h"
#include "formats/HtmlWriter.h"
#include "formats/PathText.h"
#include "formats/ProjectFile.h"
#include "formats/TextFile.h"

namespace zt {
namespace {

std::string SavedText(const std::string& name) { return "保存しました -> " + name; }

} // namespace

std::string FileCommands::HtmlFilter() const {
  const std::string pattern = window_.config().Read(keys::kHtmlExt);
  return "HTMLファイル(" + pattern + ")|" + pattern;
}

bool FileCommands::AskToSaveModified() {
  StageDocument& doc = window_.document();
  if (!doc.modified()) return true;
  const Answer answer = window_.dialogs().Ask({"確認",
                                               "「" + doc.documentName + "」" + "\r\n" + "は変更されています。" +
                                                   "\r\n" + "保存しますか？",
                                               Buttons::YesNoCancel, Icon::Question});
  if (answer == Answer::Cancel) return false;
  if (answer == Answer::Yes) Save();
  return true;
}

void FileCommands::LoadHtmlFile() {
  if (window_.currentPage() != kMapPage) {
    window_.dialogs().Notify("「マップ」タブを選択してから実行してください。");
    return;
  }
  if (!AskToSaveModified()) return;
  const auto choice = window_.files().OpenFile({"", HtmlFilter()});
  if (!choice) return;
  StageDocument& doc = window_.document();
  doc.documentName = kUntitled;
  doc.SetModified(false);
  FileContext context = window_.MakeFileContext();
  ReadHtml(doc, choice->path, context);
  window_.AddRecentFile(choice->path);
}

void FileCommands::MakeHtmlFile() {
  StageDocument& doc = window_.document();
  if (!doc.loaded) return;
  const auto choice = window_.files().SaveFile({window_.config().Read(keys::kHtmlDir) + "*.htm", HtmlFilter()});
  if (!choice) return;
  std::string path = choice->path;
  if (ExtractFileExt(path).empty()) path += ".html";
  window_.TakeSettings();
  WriteTextLines(path, WriteHtml(doc, window_.config().PageOptionsNow()));
  window_.SetStatusText(QString::fromStdString("HTML作成完了 -> " + doc.documentName));
  window_.AddRecentFile(choice->path);
}

void FileCommands::WriteProjectAs(const std::string& path, bool encrypt, const std::string& password) {
  StageDocument& doc = window_.document();
  ProjectWriteOptions options;
  options.encrypt = encrypt;
  options.password = password;
  FileContext context = window_.MakeFileContext();
  const auto written = WriteProject(doc, path, options, context);
  if (!written) return; // the user has been told why nothing was written
  // The title shows the file as written, extension included.
  doc.documentName = *written;
  doc.SetModified(false);
  window_.UpdateTitle();
  window_.SetStatusText(QString::fromStdString(SavedText(doc.documentName)));
}

void FileCommands::Save() {
  StageDocument& doc = window_.document();
  if (!doc.loaded) return;
  if (doc.documentName == kUntitled) {
    const auto choice = window_.files().SaveFile({"*.zpp", kProjectFilter});
    if (!choice) return;
    doc.documentName = choice->path;
  }
  WriteProjectAs(doc.documentName, false, "");
  window_.dialogs().Log("saved : " + doc.documentName);
}

void FileCommands::SaveAs1() {
  StageDocument& doc = window_.document();
  if (!doc.loaded) return;
  const auto choice = window_.files().SaveFile({doc.documentName, kProjectFilter});
  if (!choice) return;
  doc.documentName = choice->path;
  WriteProjectAs(doc.documentName, false, "");
}

void FileCommands::K1Click() {
  StageDocument& doc = window_.document();
  if (!doc.loaded) return;
  const auto choice = window_.files().SaveFile({doc.documentName, kProjectFilter});
  if (!choice) return;
  doc.documentName = choice->path;
  // Cancelling here leaves the new name and nothing saved.
  const auto password = window_.dialogs().AskPassword();
  if (!password) return;
  WriteProjectAs(doc.documentName, true, *password);
}

void FileCommands::Open() {
  if (!AskToSaveModified()) return;
  const auto choice = window_.files().OpenFile({"", kProjectFilter});
  if (!choice) return;
  StageDocument& doc = window_.document();
  FileContext context = window_.MakeFileContext();
  if (choice->filterIndex == 1 || ToLowerAscii(ExtractFileExt(choice->path)) == ".cmd") {
    ReadCmd(doc, choice->path);
    window_.RedrawMap();
  } else {
    ReadProject(doc, choice->path, context);
  }
}

void FileCommands::OpenByExtension(const std::string& path) {
  StageDocument& doc = window_.document();
  FileContext context = window_.MakeFileContext();
  if (IsProjectPath(path)) ReadProject(doc, path, context);
  else ReadHtml(doc, path, context);
}

void FileCommands::HistoryFileOpen(const std::string& path) {
  if (!FileExists(path)) {
    window_.dialogs().Notify("ファイルが存在しません");
    return;
  }
  if (!AskToSaveModified()) return;
  OpenByExtension(path);
}

} // namespace zt
