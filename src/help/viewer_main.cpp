// The help viewer: a program of its own beside the game in the program
// folder, which the game starts and tells what to show on its standard
// input. Nothing a help file does here can reach the game.
#include <QApplication>
#include <QString>
#include <csignal>
#include <iostream>

#include "help/help_files.h"
#include "help/help_window.h"
#include "help/viewer_channel.h"
#include "product/product.h"
#include "qt_glue/desktop_setup.h"
#include "qt_glue/translations.h"
#include "widgets/qt_images.h"

#include <sys/prctl.h>
#include <sys/resource.h>
#include <unistd.h>

#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
#define QUORVANE_SANITIZED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(thread_sanitizer) || __has_feature(memory_sanitizer)
#define QUORVANE_SANITIZED 1
#endif
#endif

namespace {

#ifndef QUORVANE_SANITIZED
// Far above what the viewer needs (under 200 MB), and what a page that got
// past every check may take before it ends the viewer rather than fills the
// machine's memory. The sanitizers reserve terabytes of address space.
constexpr rlim_t kMostAddressSpace = rlim_t(1536) * 1024 * 1024;
#endif

void LimitAddressSpace() {
#ifndef QUORVANE_SANITIZED
  rlimit limit{};
  if (getrlimit(RLIMIT_AS, &limit) != 0) return;
  if (limit.rlim_max != RLIM_INFINITY && limit.rlim_max < kMostAddressSpace) return;
  limit.rlim_cur = limit.rlim_cur == RLIM_INFINITY ? kMostAddressSpace : std::min(limit.rlim_cur, kMostAddressSpace);
  setrlimit(RLIMIT_AS, &limit);
#endif
}

}  // namespace

int main(int argc, char** argv) {
  // Ends with the game however the game ends, kill -9 included. A game gone
  // before this line is seen at once as the end of the input.
  prctl(PR_SET_PDEATHSIG, SIGTERM);
  // A write to a game that has gone fails; it does not end the viewer.
  std::signal(SIGPIPE, SIG_IGN);
  LimitAddressSpace();
  if (argc != 2) {
    std::cerr << "Usage: tolvenix-help <folder of the help file>\n"
                 "The game starts it, and gives it one command a line on its standard input:\n"
                 "contents, context <number>, quit.\n";
    return 2;
  }
  const QString helpFolder = QString::fromLocal8Bit(argv[1]);
  // The game's window class and desktop id, so that task lists show help
  // with the game; before the application reads them.
  qputenv("RESOURCE_NAME", "tolvenix");
  quorvane::PrepareDesktop();
  QApplication app(argc, argv);
  QApplication::setApplicationName(QString::fromLatin1(quorvane::ProductName));
  QApplication::setOrganizationName(QString::fromLatin1(quorvane::StudioName));
  QGuiApplication::setDesktopFileName(QStringLiteral(QUORVANE_APP_ID));
  QApplication::setWindowIcon(quorvane::AppIcon());
  // The game's translations, which lie beside the viewer as beside the game.
  quorvane::InstallTranslations(app, QCoreApplication::applicationDirPath());

  quorvane::THelpWindow window(helpFolder, quorvane::HelpCacheFolder());
  quorvane::ViewerChannel channel(STDIN_FILENO, STDOUT_FILENO, window);
  return QApplication::exec();
}
