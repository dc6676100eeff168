// Quorvane Sinuvar: start-up and the end of the program.
#include <exception>
#include <memory>

#include "shell/application.h"
#include "shell/main_window.h"
#include "timer/timer_priority.h"
#include "widgets/desktop_setup.h"
#include "widgets/qt_images.h"

int main(int argc, char** argv) {
  // Before any thread starts, so the step timer's worker is raised from here.
  quorvane::RaiseTickReceiverPriority();
  quorvane::PrepareDesktop();  // screen scale and fonts, before the application exists
  quorvane::TApplication app(argc, argv);
  app.setApplicationName(QStringLiteral("Quorvane Sinuvar"));
  app.setApplicationDisplayName(QStringLiteral("Quorvane Sinuvar"));
  app.setOrganizationName(QStringLiteral("Tolvenix"));
  app.setWindowIcon(quorvane::AppIcon());

  std::unique_ptr<quorvane::TForm1> form;
  try {
    form = std::make_unique<quorvane::TForm1>();
  } catch (const std::exception& error) {
    quorvane::ShowApplicationError(error, argv[0]);
    return 1;
  }
  form->show();
  const int result = app.exec();
  // On every run, whatever was opened: this also closes a help window that
  // only the privacy statement showed, which closing the window leaves open.
  form->Help().Quit();
  return result;
}
