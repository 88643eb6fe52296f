#pragma once
// The "HTMLソース(&S)" page: the generated game page as editable text with
// HTML colouring, its own cut/copy/paste/undo/redo toolbar and menu.

#include <QWidget>

#include <string>
#include <vector>

class QPlainTextEdit;
class QToolBar;

namespace zt {

class HtmlSourcePage : public QWidget {
  Q_OBJECT
 public:
  explicit HtmlSourcePage(QWidget* parent);

  // Shift-JIS lines in, shown from the start.
  void SetLines(const std::vector<std::string>& lines);
  // The text as Shift-JIS lines.
  std::vector<std::string> Lines() const;
  // While the text is read back: the single line "HTML解析中...".
  void ShowParsing();

  QPlainTextEdit& editor() { return *editor_; }

 private:
  QPlainTextEdit* editor_;
};

} // namespace zt
