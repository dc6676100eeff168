// Quorvane Sinuvar: start-up and the end of the program.
#include <unistd.h>

#include <QEvent>
#include <QTimer>
#include <csignal>
#include <cstdlib>
#include <exception>
#include <iostream>
#include <memory>
#include <utility>

#include "settings/settings_paths.h"
#include "shell/application.h"
#include "shell/board_view.h"
#include "shell/command_line.h"
#include "shell/main_window.h"
#include "shell/session_end.h"
#include "shell/single_copy.h"
#include "timer/timer_priority.h"
#include "widgets/desktop_setup.h"
#include "widgets/translations.h"

namespace {

// For the start-up benchmark: with QUORVANE_FIRST_PAINT_FD naming an open
// descriptor, one byte goes to it once the board, showing the intro, has
// been painted for the first time. Nothing else changes.
class FirstPaintSignal final : public QObject {
 public:
  FirstPaintSignal(int fd, QObject* parent) : QObject(parent), fd_(fd) {}
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint && fd_ >= 0) {
      // Signalled once this paint event has been handled.
      QTimer::singleShot(0, [fd = std::exchange(fd_, -1)] {
        [[maybe_unused]] const ssize_t written = ::write(fd, "p", 1);
        ::close(fd);
      });
    }
    return false;
  }

 private:
  int fd_;
};

void SignalFirstPaint(QWidget* board) {
  const char* text = std::getenv("QUORVANE_FIRST_PAINT_FD");
  if (text == nullptr) return;
  char* end = nullptr;
  const long fd = std::strtol(text, &end, 10);
  if (end == text || *end != '\0' || fd < 3 || fd > 1023) return;
  board->installEventFilter(new FirstPaintSignal(static_cast<int>(fd), board));
}

}  // namespace

int main(int argc, char** argv) {
  // --version and --help answer without a display, and end the program.
  if (const auto status = quorvane::AnswerCommandLine(argc, argv, std::cout)) return *status;
  // Under a file-size limit a write past it fails (EFBIG) instead of killing
  // the program, so a save that meets the limit is reported like any other
  // failed save and leaves the old settings file as it was.
  std::signal(SIGXFSZ, SIG_IGN);
  // Before any thread starts: the threads made afterwards start ordinary,
  // and the step timer's worker raises itself.
  quorvane::RaiseTickReceiverPriority();
  quorvane::PrepareDesktop();  // screen scale and fonts, before the application exists
  quorvane::TApplication app(argc, argv);
  // Before any window exists, whose texts are translated as it is made.
  quorvane::InstallTranslations(app, QString::fromStdString(quorvane::ProgramFolder(quorvane::RunningProgramPath())));
  // Ties the window to the installed desktop entry, whose icon docks show.
  QGuiApplication::setDesktopFileName(QStringLiteral(QUORVANE_APP_ID));
  // Before the settings are read: a second start only shows the first copy.
  const std::unique_ptr<quorvane::SingleCopy> singleCopy = quorvane::SingleCopy::Claim(QStringLiteral(QUORVANE_APP_ID));
  if (!singleCopy) return 0;

  std::unique_ptr<quorvane::TForm1> form;
  try {
    form = std::make_unique<quorvane::TForm1>();
  } catch (const std::exception& error) {
    quorvane::ShowApplicationError(error, argv[0]);
    return 1;
  }
  SignalFirstPaint(form->PaintBox1);
  singleCopy->SetWindow(form.get());
  form->show();
  // Only now that the settings are loaded: a signal before this ends the
  // program at once, with nothing yet to save.
  std::unique_ptr<quorvane::SessionEnd> sessionEnd;
  try {
    sessionEnd = std::make_unique<quorvane::SessionEnd>();
  } catch (const std::exception&) {
    // The game still plays; the signals keep their usual effect.
  }
  const int result = quorvane::RunMainWindow(*form);
  // On every run, whatever was opened: this also closes a help window that
  // only the privacy statement showed, which closing the window leaves open.
  form->Help().Quit();
  return result;
}
