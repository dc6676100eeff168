#pragma once

#include <QString>
#include <QWidget>
#include <array>

class QLabel;

namespace quorvane {

// The four-panel status bar: panels end at 129, 258 and 387 pixels and the
// fourth runs to the right end. No size grip: the window has a fixed size.
// Each panel is a sunken label, so screen readers read its text and hear
// when it changes.
class TStatusBar final : public QWidget {
  Q_OBJECT
 public:
  static constexpr int PanelCount = 4;

  explicit TStatusBar(QWidget* parent = nullptr);

  void SetPanelText(int panel, const QString& text);
  // The panel's whole slot, from the bar's top to its bottom.
  QRect PanelRect(int panel) const;
  // The label that shows the panel: its sunken box within the slot.
  QLabel* Panel(int panel) const { return panels_.at(static_cast<size_t>(panel)); }

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void PlacePanels();

  std::array<QLabel*, PanelCount> panels_{};
};

}  // namespace quorvane
