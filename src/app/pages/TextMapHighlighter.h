#pragma once
// Optional colouring of the map text: the characters of tiles that matter
// (enemies and obstacles, ?-blocks and pipes, the star, coins and messages)
// in their overview colours.

#include <QSyntaxHighlighter>

namespace zt {

class TextMapHighlighter : public QSyntaxHighlighter {
  Q_OBJECT
 public:
  explicit TextMapHighlighter(QTextDocument* document);
  void SetColouring(bool on);
  bool colouring() const { return on_; }

  // Whether a tile's character is coloured.
  static bool IsColouredTile(int code);

 protected:
  void highlightBlock(const QString& text) override;

 private:
  bool on_ = false;
};

} // namespace zt
