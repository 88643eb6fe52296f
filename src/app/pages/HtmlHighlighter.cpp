#include "app/pages/HtmlHighlighter.h"

namespace zt {
namespace {

enum BlockState { kPlain = 0, kInComment = 1 };

QTextCharFormat Format(const QColor& colour, bool bold = false) {
  QTextCharFormat format;
  format.setForeground(colour);
  if (bold) format.setFontWeight(QFont::Bold);
  return format;
}

} // namespace

HtmlHighlighter::HtmlHighlighter(QTextDocument* document)
    : QSyntaxHighlighter(document), tag_(Format(QColor(0, 0, 160), true)), attribute_(Format(QColor(160, 0, 0))),
      value_(Format(QColor(0, 110, 0))), comment_(Format(QColor(128, 128, 128))) {
  comment_.setFontItalic(true);
}

void HtmlHighlighter::highlightBlock(const QString& text) {
  int pos = 0;
  if (previousBlockState() == kInComment) {
    const int end = static_cast<int>(text.indexOf("-->"));
    if (end < 0) {
      setFormat(0, static_cast<int>(text.size()), comment_);
      setCurrentBlockState(kInComment);
      return;
    }
    setFormat(0, end + 3, comment_);
    pos = end + 3;
  }
  setCurrentBlockState(kPlain);
  while (pos < static_cast<int>(text.size())) {
    const int open = static_cast<int>(text.indexOf('<', pos));
    if (open < 0) break;
    if (text.mid(open, 4) == "<!--") {
      const int end = static_cast<int>(text.indexOf("-->", open + 4));
      if (end < 0) {
        setFormat(open, static_cast<int>(text.size()) - open, comment_);
        setCurrentBlockState(kInComment);
        return;
      }
      setFormat(open, end + 3 - open, comment_);
      pos = end + 3;
      continue;
    }
    pos = HighlightTag(text, open);
  }
}

int HtmlHighlighter::HighlightTag(const QString& text, int start) {
  int pos = start + 1;
  const int size = static_cast<int>(text.size());
  while (pos < size && (text[pos].isLetterOrNumber() || text[pos] == '/' || text[pos] == '!')) ++pos;
  setFormat(start, pos - start, tag_);
  while (pos < size && text[pos] != '>') {
    if (text[pos] == '"' || text[pos] == '\'') {
      const QChar quote = text[pos];
      int end = static_cast<int>(text.indexOf(quote, pos + 1));
      if (end < 0) end = size - 1;
      setFormat(pos, end + 1 - pos, value_);
      pos = end + 1;
    } else if (text[pos].isLetter()) {
      const int nameStart = pos;
      while (pos < size && (text[pos].isLetterOrNumber() || text[pos] == '-' || text[pos] == '_')) ++pos;
      setFormat(nameStart, pos - nameStart, attribute_);
    } else {
      ++pos;
    }
  }
  if (pos < size) setFormat(pos, 1, tag_); // the closing ">"
  return pos + 1;
}

} // namespace zt
