// Quorvane Sinuvar: start-up and the end of the program.
#include <csignal>
#include <cstdlib>
#include <exception>
#include <iostream>
#include <memory>

#include "qt_glue/desktop_setup.h"
#include "qt_glue/translations.h"
#include "settings/settings_paths.h"
#include "shell/application.h"
#include "shell/auto_pause.h"
#include "shell/command_line.h"
#include "shell/first_paint_signal.h"
#include "shell/main_window.h"
#include "shell/session_end.h"
#include "shell/single_copy.h"
#include "timer/timer_priority.h"

int main(int argc, char** argv) {
  // --version and --help answer without a display, and end the program.
  if (const auto status = quorvane::AnswerCommandLine(argc, argv, std::cout)) return *status;
  // Under a file-size limit a write past it fails (EFBIG) instead of killing
  // the program, so a save that meets the limit is reported like any other
  // failed save and leaves the old settings file as it was.
  std::signal(SIGXFSZ, SIG_IGN);
  quorvane::KeepFromStartingABus();  // changes the environment: before any thread starts
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
  bool otherAnswered = false;
  const std::unique_ptr<quorvane::SingleCopy> singleCopy =
      quorvane::SingleCopy::Claim(QStringLiteral(QUORVANE_APP_ID), otherAnswered);
  if (!singleCopy) return otherAnswered ? 0 : quorvane::SingleCopy::ReportSilentCopy();

  std::unique_ptr<quorvane::TForm1> form;
  try {
    form = std::make_unique<quorvane::TForm1>();
  } catch (const std::exception& error) {
    quorvane::ShowApplicationError(error, argv[0]);
    return 1;
  }
  quorvane::SignalFirstPaint(*form);
  singleCopy->SetWindow(form.get());
  quorvane::WatchScreenLock(*form, [&form] { form->PauseForAbsence(); });
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
