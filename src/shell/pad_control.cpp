#include "shell/pad_control.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QWidget>

#include <algorithm>
#include <cstdio>

namespace quorvane {

namespace {

struct KeyStroke {
  Qt::Key Key;
  Qt::KeyboardModifiers Modifiers;
};

KeyStroke StrokeFor(PadKey key) {
  switch (key) {
    case PadKey::Up: return {Qt::Key_Up, Qt::NoModifier};
    case PadKey::Down: return {Qt::Key_Down, Qt::NoModifier};
    case PadKey::Left: return {Qt::Key_Left, Qt::NoModifier};
    case PadKey::Right: return {Qt::Key_Right, Qt::NoModifier};
    case PadKey::Accept: return {Qt::Key_Return, Qt::NoModifier};
    case PadKey::Cancel: return {Qt::Key_Escape, Qt::NoModifier};
    case PadKey::Help: return {Qt::Key_F1, Qt::NoModifier};
    case PadKey::NextControl: return {Qt::Key_Tab, Qt::NoModifier};
    default: return {Qt::Key_Backtab, Qt::ShiftModifier};
  }
}

}  // namespace

PadControl::PadControl(std::unique_ptr<PadInput> input, QWidget& mainWindow, std::function<void()> start,
                       std::function<void()> padPulled, QObject* parent)
    : QObject(parent),
      input_(std::move(input)),
      mainWindow_(mainWindow),
      start_(std::move(start)),
      padPulled_(std::move(padPulled)) {
  poll_.setParent(this);  // found by name among the window's children
  poll_.setObjectName(QStringLiteral("PadPoll"));
  connect(&poll_, &QTimer::timeout, this, &PadControl::PollPads);
  settle_.setSingleShot(true);
  settle_.setTimerType(Qt::PreciseTimer);
  settle_.setInterval(ActiveInterval);
  connect(&settle_, &QTimer::timeout, this, [this] {
    PollPads();
    for (auto& [descriptor, watch] : watches_) watch->setEnabled(true);
  });
  PollPads();  // pads already connected are opened at once
}

void PadControl::PollPads() {
  for (const PadEvent& event : input_->Poll()) {
    if (event.What == PadEvent::Kind::Unmapped) {
      const QString text =
          tr("The game controller \"%1\" is not supported and is ignored.").arg(QString::fromStdString(event.Name));
      std::fputs(qPrintable(text + u'\n'), stderr);
      continue;
    }
    if (event.What == PadEvent::Kind::Removed) {
      if (event.Pad == padInUse_) {
        padInUse_ = -1;
        padPulled_();
      }
      continue;
    }
    // Pads serve only the game's active window: nothing while another
    // program has the focus.
    if (!QApplication::activeWindow()) continue;
    padInUse_ = event.Pad;
    Press(event.Key);
  }
  WatchDescriptors();
  // Precise while a pad is polled: the press-to-key delay is the interval.
  const bool polled = input_->NeedsPolling();
  poll_.setTimerType(polled ? Qt::PreciseTimer : Qt::CoarseTimer);
  const int interval = polled ? ActiveInterval : IdleInterval;
  if (!poll_.isActive() || poll_.interval() != interval) poll_.start(interval);
}

void PadControl::Woken() {
  for (auto& [descriptor, watch] : watches_) watch->setEnabled(false);
  settle_.start();
  PollPads();
}

void PadControl::WatchDescriptors() {
  const std::vector<int> descriptors = input_->Descriptors();
  for (auto watch = watches_.begin(); watch != watches_.end();) {
    if (std::find(descriptors.begin(), descriptors.end(), watch->first) != descriptors.end()) {
      ++watch;
      continue;
    }
    // Deleted later: it may be the one whose wake is being handled now.
    watch->second->setEnabled(false);
    watch->second.release()->deleteLater();
    watch = watches_.erase(watch);
  }
  for (int descriptor : descriptors) {
    if (watches_.contains(descriptor)) continue;
    // A child too, so one left for deletion later goes with this at the latest.
    auto watch = std::make_unique<QSocketNotifier>(descriptor, QSocketNotifier::Read, this);
    watch->setEnabled(!settle_.isActive());
    connect(watch.get(), &QSocketNotifier::activated, this, &PadControl::Woken);
    watches_.emplace(descriptor, std::move(watch));
  }
}

void PadControl::Press(PadKey key) {
  QWidget* window = QApplication::activeWindow();
  if (key == PadKey::Start) {
    if (window == &mainWindow_ && !QApplication::activeModalWidget() && !QApplication::activePopupWidget()) start_();
    return;
  }
  // A key goes where the keyboard's would: an open menu first, then the
  // focused control. Each finds its place when its turn comes, after the
  // keys before it have moved the focus (a Tab, then Enter).
  QMetaObject::invokeMethod(
      this,
      [key] {
        QWidget* target = QApplication::activePopupWidget();
        if (!target) target = QApplication::focusWidget();
        if (!target) target = QApplication::activeWindow();
        if (!target) return;
        const KeyStroke stroke = StrokeFor(key);
        QKeyEvent press(QEvent::KeyPress, stroke.Key, stroke.Modifiers);
        QKeyEvent release(QEvent::KeyRelease, stroke.Key, stroke.Modifiers);
        QPointer<QWidget> receiver = target;
        QCoreApplication::sendEvent(receiver, &press);
        if (receiver) QCoreApplication::sendEvent(receiver, &release);
      },
      Qt::QueuedConnection);
}

}  // namespace quorvane
