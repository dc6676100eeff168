// Saves a picture of each window of the game, and of each options page, in
// English and in every translated language, into the folder given.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>
#include <QTranslator>
#include <QtTest/QTest>
#include <cstdio>
#include <filesystem>
#include <functional>

#include "dialogs/about_box.h"
#include "dialogs/new_hi_score_dialog.h"
#include "dialogs/options_dialog.h"
#include "dialogs/options_exchange.h"
#include "dialogs/wav_file_browser.h"
#include "help/help_service.h"
#include "qt_glue/desktop_setup.h"
#include "qt_glue/translations.h"
#include "settings/game_settings.h"
#include "shell/application.h"
#include "shell/main_window.h"

namespace quorvane {
namespace {

struct NoHelp final : HelpService {
  void ShowTopics() override {}
  void ShowContext(int) override {}
  void Quit() override {}
};

struct NoBrowser final : WavFileBrowser {
  std::optional<QString> ChooseFile(QWidget*, const FileOpenRequest&) override { return std::nullopt; }
};

// The picture, and beside it every named control's place in its window.
bool Save(QWidget& window, const QString& path) {
  if (!QTest::qWaitForWindowExposed(&window)) return false;
  QFile places(QString(path).replace(QStringLiteral(".png"), QStringLiteral(".txt")));
  if (!places.open(QIODevice::WriteOnly | QIODevice::Text)) return false;
  QTextStream out(&places);
  for (const QWidget* control : window.findChildren<QWidget*>()) {
    if (control->objectName().isEmpty() || !control->isVisibleTo(&window)) continue;
    const QRect place(control->mapTo(&window, QPoint()), control->size());
    out << control->objectName() << ' ' << place.x() << ' ' << place.y() << ' ' << place.width() << ' '
        << place.height() << '\n';
  }
  const bool saved = window.grab().save(path);
  if (!saved) std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
  return saved;
}

bool Shoot(const QString& folder, const QString& language) {
  const QString prefix = folder + QLatin1Char('/') + (language.isEmpty() ? QStringLiteral("en") : language) + '-';
  bool ok = true;
  QTemporaryDir home;
  SettingsLocation location;
  location.IniFile = std::filesystem::path(home.path().toStdString()) / "Tolvenix.ini";
  location.ProgramPath = (std::filesystem::path(home.path().toStdString()) / "tolvenix").string();
  TForm1 form(location);
  form.show();
  // The intro's last line as first drawn: no blink before the picture.
  if (auto* blink = form.findChild<QTimer*>(QStringLiteral("ClickNewTimer"))) blink->stop();
  if (!QTest::qWaitForWindowExposed(&form)) return false;
  ok &= Save(form, prefix + "main.png");

  NoHelp help;
  NoBrowser browser;
  bool helpOpened = false;
  {
    TForm3 options(&form, help, helpOpened, browser);
    FillOptionsDialog(options, GameSettings{});
    options.show();
    auto* pages = options.findChild<QTabWidget*>(QStringLiteral("PageControl1"));
    for (int i = 0; pages && i < pages->count(); ++i) {
      pages->setCurrentIndex(i);
      ok &= Save(options, prefix + QStringLiteral("options-%1.png").arg(i + 1));
    }
    ok &= pages != nullptr;
  }
  {
    TForm4 name(&form);
    name.SetScore(12340);
    name.show();
    ok &= Save(name, prefix + "hiscore.png");
  }
  {
    TForm5 about(&form);
    about.show();
    ok &= Save(about, prefix + "about.png");
  }
  return ok;
}

}  // namespace
}  // namespace quorvane

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: formshots <folder>\n");
    return 2;
  }
  quorvane::PrepareDesktop();
  quorvane::TApplication app(argc, argv);
  const QString folder = QString::fromLocal8Bit(argv[1]);
  QDir().mkpath(folder);
  QStringList languages{QString()};
  languages += quorvane::TranslatedLanguages(QUORVANE_BIN_DIR);
  bool ok = true;
  for (const QString& language : languages) {
    if (!language.isEmpty()) quorvane::InstallLanguage(app, QUORVANE_BIN_DIR, language);
    ok &= quorvane::Shoot(folder, language);
    qDeleteAll(app.findChildren<QTranslator*>());
  }
  return ok ? 0 : 1;
}
