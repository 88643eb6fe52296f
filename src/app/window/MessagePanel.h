#pragma once
// The message log "メッセージ": newest line first. Lines are kept only while
// the panel is shown, except the page reader's error lines, which always go
// in and bring the hidden panel up from the second error of a read on.

#include <QDockWidget>

class QPlainTextEdit;

namespace zt {

class MessagePanel : public QDockWidget {
  Q_OBJECT
 public:
  explicit MessagePanel(QWidget* parent);

  bool shown() const { return !isHidden(); }
  void Log(const QString& line);
  void LogError(const QString& line, int errorsBefore);
  // The menu item: shows (emptied) or hides the panel.
  void Toggle();
  QStringList lines() const;

 private:
  void Insert(const QString& line);
  QPlainTextEdit* messages_;
};

} // namespace zt
