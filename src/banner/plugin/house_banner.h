#pragma once

#include <QWidget>
#include <optional>

#include "banner/flex_active_interfaces.h"
#include "banner/flex_block.h"

class QTimer;

namespace quorvane {

// The banner the game ships: an advertisement for the game itself, drawn by
// code, with a line of play advice that changes every few seconds. It works
// offline and needs nothing from the program but its configuration block;
// until it has accepted one it shows nothing.
class THouseBanner final : public QWidget, public IFlexActive2 {
  Q_OBJECT
  Q_INTERFACES(IFlexActive IFlexActive2)
 public:
  // How long each hint stays up. The only timer the banner runs: between
  // hints it costs nothing.
  static constexpr int HintInterval = 8000;  // ms

  explicit THouseBanner(QWidget* parent = nullptr);

  // IFlexActive
  bool Load(std::span<const std::byte> block) override;
  QVariant Property(int dispId) const override;
  QWidget* Widget() override { return this; }

  QSize sizeHint() const override;
  void NextHint();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  void UpdateTimer();
  QString Hint() const;

  std::optional<FlexBlock> block_;
  QTimer* hintTimer_ = nullptr;
  int hint_ = 0;
};

}  // namespace quorvane
