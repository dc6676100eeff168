#pragma once

#include <QString>
#include <QWidget>
#include <array>

namespace quorvane {

// The four-panel status bar: panels end at 129, 258 and 387 pixels and the
// fourth runs to the right end. No size grip: the window has a fixed size.
class TStatusBar final : public QWidget {
  Q_OBJECT
 public:
  static constexpr int PanelCount = 4;
  static constexpr int BarHeight = 19;

  explicit TStatusBar(QWidget* parent = nullptr);

  void SetPanelText(int panel, const QString& text);
  QString PanelText(int panel) const { return texts_.at(static_cast<size_t>(panel)); }
  QRect PanelRect(int panel) const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::array<QString, PanelCount> texts_;
};

}  // namespace quorvane
