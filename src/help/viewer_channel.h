#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QObject>
#include <optional>

class QSocketNotifier;

namespace quorvane {

class THelpWindow;

// One line from the game: "contents", "context <number>" or "quit".
struct HelpCommand {
  enum Kind { Contents, Context, Quit } kind;
  int context = 0;
  bool operator==(const HelpCommand&) const = default;
};

// The command a line names, without its line end; nothing for any other.
std::optional<HelpCommand> ParseHelpCommand(QByteArrayView line);

// The viewer's side of its channel with the game: commands read line by
// line from `input` run on the window; "active" is written to `output`
// whenever one of the viewer's windows becomes the active window, and
// "inactive" whenever none of them is any more. The end of the input (the
// game has gone) and "quit" end the viewer.
class ViewerChannel final : public QObject {
  Q_OBJECT
 public:
  ViewerChannel(int input, int output, THelpWindow& window);

 private:
  void Read();
  void Run(const QByteArray& line);

  int input_;
  int output_;
  THelpWindow& window_;
  QSocketNotifier* notifier_ = nullptr;
  QByteArray line_;
};

}  // namespace quorvane
