#include "help/viewer_channel.h"

#include <QGuiApplication>
#include <QSocketNotifier>
#include <charconv>

#include "help/help_window.h"

#include <unistd.h>
#include <cerrno>

namespace quorvane {

namespace {

// Our commands are short: anything longer is no command, and is not kept.
constexpr qsizetype kLongestLine = 64;

}  // namespace

std::optional<HelpCommand> ParseHelpCommand(QByteArrayView line) {
  if (line == "contents") return HelpCommand{HelpCommand::Contents};
  if (line == "quit") return HelpCommand{HelpCommand::Quit};
  constexpr QByteArrayView kContext = "context ";
  if (!line.startsWith(kContext)) return std::nullopt;
  const QByteArrayView number = line.sliced(kContext.size());
  int context = 0;
  const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), context);
  if (number.isEmpty() || error != std::errc() || end != number.data() + number.size()) return std::nullopt;
  return HelpCommand{HelpCommand::Context, context};
}

ViewerChannel::ViewerChannel(int input, int output, THelpWindow& window)
    : input_(input), output_(output), window_(window) {
  notifier_ = new QSocketNotifier(input_, QSocketNotifier::Read, this);
  connect(notifier_, &QSocketNotifier::activated, this, &ViewerChannel::Read);
  // Both ways: the game cannot see the focus leave its help for another
  // program, so the viewer tells it.
  connect(qGuiApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
    const QByteArrayView line = state == Qt::ApplicationActive ? "active\n" : "inactive\n";
    // A game that has gone hears nothing: the write fails, and that is all.
    while (::write(output_, line.data(), static_cast<size_t>(line.size())) < 0 && errno == EINTR) {
    }
  });
}

void ViewerChannel::Read() {
  char chunk[4096];
  ssize_t got = ::read(input_, chunk, sizeof chunk);
  while (got < 0 && errno == EINTR) got = ::read(input_, chunk, sizeof chunk);
  if (got <= 0) {
    // The game has gone, or closed its end: so does the viewer.
    notifier_->setEnabled(false);
    QCoreApplication::exit(0);
    return;
  }
  for (ssize_t i = 0; i < got; ++i) {
    if (chunk[i] != '\n') {
      if (line_.size() <= kLongestLine) line_ += chunk[i];
      continue;
    }
    Run(std::exchange(line_, {}));
  }
}

void ViewerChannel::Run(const QByteArray& line) {
  const std::optional<HelpCommand> command = ParseHelpCommand(line);
  if (!command) return;
  switch (command->kind) {
    case HelpCommand::Contents: window_.ShowTopics(); break;
    case HelpCommand::Context: window_.ShowContext(command->context); break;
    case HelpCommand::Quit:
      notifier_->setEnabled(false);
      QCoreApplication::exit(0);
      break;
  }
}

}  // namespace quorvane
