#pragma once

#include <QObject>
#include <QTimer>
#include <functional>
#include <memory>

#include "pad/pad_input.h"

class QWidget;

namespace quorvane {

// Turns what the game controllers do into key presses for the game's active
// window, sent the way the keyboard's arrive, so every key rule holds as it
// is. The pads are polled on the main thread by a timer: rarely while none
// is connected, only to notice one plugged in, and often while one is.
class PadControl final : public QObject {
  Q_OBJECT
 public:
  // start runs for the Start button while the main window is active and no
  // dialog is open; padPulled when the pad the player last used goes.
  PadControl(std::unique_ptr<PadInput> input, QWidget& mainWindow, std::function<void()> start,
             std::function<void()> padPulled, QObject* parent = nullptr);

  // How often the pads are polled: while none is connected, and while one is.
  static constexpr int IdleInterval = 500;
  static constexpr int ActiveInterval = 4;

 private:
  void PollPads();
  void Press(PadKey key);

  std::unique_ptr<PadInput> input_;
  QWidget& mainWindow_;
  std::function<void()> start_;
  std::function<void()> padPulled_;
  QTimer poll_;
  int padInUse_ = -1;
};

}  // namespace quorvane
