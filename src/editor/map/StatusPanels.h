#pragma once
// A status line of four text panels side by side, each of its own width.

#include <QFrame>

#include <array>

class QLabel;

namespace zt {

class StatusPanels : public QFrame {
  Q_OBJECT

 public:
  static constexpr int kPanelCount = 4;

  explicit StatusPanels(const QString& name, QWidget* parent = nullptr);

  void SetText(int panel, const QString& text);
  QString text(int panel) const;
  void SetPanelWidth(int panel, int width);
  int panelWidth(int panel) const;

 private:
  std::array<QLabel*, kPanelCount> panels_{};
};

} // namespace zt
