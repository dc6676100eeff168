#pragma once

#include <QObject>
#include <QSocketNotifier>
#include <QTimer>
#include <functional>
#include <map>
#include <memory>

#include "pad/pad_input.h"

class QWidget;

namespace quorvane {

// Turns what the game controllers do into key presses for the game's active
// window, sent the way the keyboard's arrive, so every key rule holds as it
// is. Everything runs on the main thread. A pad whose device can be waited
// on wakes the game when it reports something, so a connected pad left
// alone costs nothing; a pad that cannot is polled often. Pads are also
// polled rarely, to notice one plugged in.
class PadControl final : public QObject {
  Q_OBJECT
 public:
  // start runs for the Start button while the main window is active and no
  // dialog is open; padPulled when the pad the player last used goes.
  PadControl(std::unique_ptr<PadInput> input, QWidget& mainWindow, std::function<void()> start,
             std::function<void()> padPulled, QObject* parent = nullptr);

  // How often the pads are polled: to notice one plugged in, and while one
  // that cannot be waited on is connected. A pad that woke the game is not
  // waited on again for ActiveInterval, so one that streams reports costs
  // no more than polling, and a report that reached the game before SDL
  // saw it is still taken.
  static constexpr int IdleInterval = 500;
  static constexpr int ActiveInterval = 4;

 private:
  void PollPads();
  void Woken();
  void WatchDescriptors();
  void Press(PadKey key);

  std::unique_ptr<PadInput> input_;
  QWidget& mainWindow_;
  std::function<void()> start_;
  std::function<void()> padPulled_;
  QTimer poll_;
  QTimer settle_;
  std::map<int, std::unique_ptr<QSocketNotifier>> watches_;  // by descriptor
  int padInUse_ = -1;
};

}  // namespace quorvane
