// Quorvane Sinuvar: start-up and the end of the program.
#include <exception>
#include <memory>

#include "shell/application.h"
#include "shell/main_window.h"
#include "shell/session_end.h"
#include "timer/timer_priority.h"

int main(int argc, char** argv) {
  // Before any thread starts, so the step timer's worker is raised from here.
  quorvane::RaiseTickReceiverPriority();
  quorvane::TApplication app(argc, argv);
  // Ties the window to the installed desktop entry, whose icon docks show.
  QGuiApplication::setDesktopFileName(QStringLiteral(QUORVANE_APP_ID));

  std::unique_ptr<quorvane::TForm1> form;
  try {
    form = std::make_unique<quorvane::TForm1>();
  } catch (const std::exception& error) {
    quorvane::ShowApplicationError(error, argv[0]);
    return 1;
  }
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
