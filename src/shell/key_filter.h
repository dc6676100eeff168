#pragma once

#include <QObject>
#include <functional>

namespace quorvane {

// The virtual key code the game's key filter understands for a Qt key,
// or 0 for any other key.
int VirtualKeyFor(int qtKey);

// The application-wide key hook: sees every key press before it reaches a
// widget and swallows it when the filter says so.
class KeyMessageFilter final : public QObject {
  Q_OBJECT
 public:
  // filter gets a virtual key code and gives true to swallow the key.
  KeyMessageFilter(std::function<bool(int)> filter, QObject* parent = nullptr);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::function<bool(int)> filter_;
};

}  // namespace quorvane
