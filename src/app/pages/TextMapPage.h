#pragma once
// The "マップ（テキスト）" page: the current stage as 30 lines of 180 map
// characters, in a fixed-pitch font on a warm grey, optionally coloured.

#include <QWidget>

#include <string>
#include <vector>

class QPlainTextEdit;

namespace zt {

class TextMapHighlighter;

class TextMapPage : public QWidget {
  Q_OBJECT
 public:
  explicit TextMapPage(QWidget* parent);

  void SetLines(const std::vector<std::string>& lines); // map characters (ASCII)
  std::vector<std::string> Lines() const;
  void SetColouring(bool on);

  QPlainTextEdit& editor() { return *editor_; }
  TextMapHighlighter& highlighter() { return *highlighter_; }

 private:
  QPlainTextEdit* editor_;
  TextMapHighlighter* highlighter_;
};

} // namespace zt
