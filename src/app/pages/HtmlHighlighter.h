#pragma once
// Colours HTML source: tags, attribute names, quoted values and comments
// (which may run over several lines).

#include <QSyntaxHighlighter>
#include <QTextCharFormat>

namespace zt {

class HtmlHighlighter : public QSyntaxHighlighter {
  Q_OBJECT
 public:
  explicit HtmlHighlighter(QTextDocument* document);

 protected:
  void highlightBlock(const QString& text) override;

 private:
  // Colours the tag that starts at `start`; returns where it ends.
  int HighlightTag(const QString& text, int start);

  QTextCharFormat tag_, attribute_, value_, comment_;
};

} // namespace zt
