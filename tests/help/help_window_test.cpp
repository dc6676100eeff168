#include <gmock/gmock.h>

#include <QDir>
#include <QHelpContentWidget>
#include <QHelpEngineCore>
#include <QHelpIndexWidget>
#include <QHelpLink>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest/QTest>
#include <functional>
#include <optional>
#include <set>

#include "help/help_files.h"
#include "help/help_window.h"
#include "help/page_nesting.h"
#include "help/qt_help_service.h"
#include "support/controls.h"
#include "support/scoped_env.h"

#include <sys/inotify.h>
#include <unistd.h>

namespace quorvane::testing {
namespace {

using ::testing::HasSubstr;

const QString kBinDir = QStringLiteral(QUORVANE_BIN_DIR);

// Visits a tree's items, each before its children; visit says whether to go
// into them.
void Walk(const QAbstractItemModel* model, const std::function<bool(const QModelIndex&)>& visit,
          const QModelIndex& parent = {}) {
  for (int row = 0; row < model->rowCount(parent); ++row)
    if (visit(model->index(row, 0, parent))) Walk(model, visit, model->index(row, 0, parent));
}

// The real help viewer on the built help file, with the user's cache folder
// in a throw-away place.
class HelpWindowTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(cache_.isValid()); }
  static std::string Shown(THelpWindow* w) {
    return Control<THelpBrowser>(*w, "Browser")->toPlainText().simplified().toStdString();
  }

  QTemporaryDir cache_;
  const ScopedEnv cacheHome_{"XDG_CACHE_HOME", cache_.path().toUtf8()};
  QtHelpService help_{kBinDir};  // makes nothing before its first request
};

TEST_F(HelpWindowTest, OneWindowShowsTheAskedTopicsAndQuits) {
  EXPECT_EQ(help_.Window(), nullptr) << "nothing is made before the first request";
  help_.ShowContext(PrivacyHelpContext);
  THelpWindow* window = help_.Window();
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(window->isVisible() && window->isWindow() && IsHelpWindow(window));
  EXPECT_EQ(window->windowTitle(), "Quorvane Sinuvar Help");
  EXPECT_EQ(window->windowModality(), Qt::NonModal);
  EXPECT_NE(window->minimumSize(), window->maximumSize()) << "resizable";
  EXPECT_THAT(Shown(window), HasSubstr("sends nothing anywhere"));
  // What the engine writes lies in the user's cache folder, not beside the program.
  EXPECT_TRUE(QFile::exists(cache_.filePath("tolvenix/help.qhc")));
  EXPECT_TRUE(QDir(kBinDir).entryList({"*.qhc"}).isEmpty());

  help_.ShowContext(OptionsHelpContext);
  EXPECT_EQ(help_.Window(), window) << "the same window, at the new topic";
  EXPECT_THAT(Shown(window), HasSubstr("Reset defaults for custom skill level?"));
  auto* tabs = Control<QTabWidget>(*window, "Tabs");
  auto* notice = Control<QLabel>(*window, "Notice");
  tabs->setCurrentIndex(1);
  help_.ShowTopics();
  EXPECT_EQ(help_.Window(), window);
  EXPECT_EQ(tabs->currentIndex(), 0) << "contents in front";
  EXPECT_THAT(Shown(window), HasSubstr("The topics of this help"));

  help_.ShowContext(1234);
  EXPECT_FALSE(notice->isHidden());
  EXPECT_EQ(notice->text(), "The help topic 1234 was not found in the help file. These are its contents.");
  EXPECT_THAT(Shown(window), HasSubstr("The topics of this help"));

  help_.Quit();
  EXPECT_FALSE(window->isVisible());
  help_.ShowContext(PrivacyHelpContext);
  EXPECT_EQ(help_.Window(), window);
  EXPECT_TRUE(window->isVisible());
  EXPECT_TRUE(notice->isHidden()) << "the notice goes with the next topic";
}

TEST_F(HelpWindowTest, MissingHelpFileSaysSoInTheWindow) {
  QTemporaryDir emptyProgramFolder;
  QtHelpService help(emptyProgramFolder.path());
  help.ShowTopics();
  ASSERT_TRUE(help.Window() && help.Window()->isVisible());
  EXPECT_THAT(Shown(help.Window()), HasSubstr("The help file TOLVENIX.HLP could not be found in " +
                                              emptyProgramFolder.path().toStdString() + "."));
}

TEST_F(HelpWindowTest, ACacheFolderThatCannotBeMadeFallsBackToATemporaryOne) {
  // A file stands where the cache folder would go: no one, root included,
  // makes a folder there.
  ASSERT_TRUE(QFile(cache_.filePath("blocker")).open(QIODevice::WriteOnly));
  qputenv("XDG_CACHE_HOME", cache_.filePath("blocker").toUtf8());
  QTemporaryDir temp;
  std::optional<ScopedEnv> tmp(std::in_place, "TMPDIR", temp.path().toUtf8());
  const auto fallbacks = [&] { return QDir(temp.path()).entryList({"tolvenix-help-*"}, QDir::Dirs); };
  {
    QtHelpService help(kBinDir);
    help.ShowContext(PrivacyHelpContext);
    ASSERT_NE(help.Window(), nullptr);
    EXPECT_THAT(Shown(help.Window()), HasSubstr("sends nothing anywhere"));
    ASSERT_EQ(fallbacks().size(), 1);
    EXPECT_TRUE(QFile::exists(QDir(temp.filePath(fallbacks().first())).filePath("help.qhc")));
  }
  tmp.reset();
  EXPECT_TRUE(fallbacks().isEmpty()) << "removed with the window";
}

TEST_F(HelpWindowTest, AnOpenHelpWindowDoesNotKeepTheProgramRunning) {
  QWidget game;
  game.show();
  help_.ShowContext(PrivacyHelpContext);
  ASSERT_TRUE(help_.Window()->isVisible());
  bool stillRunning = false;
  QTimer::singleShot(10000, &game, [&] {  // ends a loop that the help window would keep going
    stillRunning = true;
    qApp->quit();
  });
  QTimer::singleShot(0, &game, [&] { game.close(); });
  qApp->exec();
  EXPECT_FALSE(stillRunning) << "closing the game's window ends the program";
}

// A replaced help file's pages reach for files in watched/ (pictures, style
// sheets, a link, relative names tried in the working folder), for
// /dev/zero, and nest 3,000 tables. Nothing is opened outside the help file.
TEST_F(HelpWindowTest, PagesOfAReplacedHelpFileOpenNothingOutsideIt) {
  const QString hostile = QStringLiteral(QUORVANE_HOSTILE_DIR), watched = hostile + "/watched";
  const QString savedFolder = QDir::currentPath(), page = "qthelp://com.tolvenix.hostile/help/";
  QDir::setCurrent(watched);
  const int opens = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
  ASSERT_GE(inotify_add_watch(opens, QFile::encodeName(watched).constData(), IN_OPEN), 0);
  QtHelpService help(hostile + "/program");
  help.ShowTopics();
  const std::pair<QUrl, QString> rows[] = {
      {page + "outside.html", "Pictures from outside."},
      {QUrl::fromLocalFile(watched + "/page.html"), ""},
      {page + "zero.html", "An endless picture."},
      {page + "nested.html", "The help page " + page + "nested.html is nested too deeply to be shown."},
  };
  auto* browser = Control<THelpBrowser>(*help.Window(), "Browser");
  for (const auto& [url, shows] : rows) {
    browser->setSource(url);
    browser->viewport()->grab();  // lays the page out and draws its pictures
    EXPECT_THAT(Shown(help.Window()), HasSubstr(shows.toStdString()));
    char event[4096];
    EXPECT_LE(read(opens, event, sizeof event), 0) << url.toString().toStdString() << " opened a file";
    if (HasFailure()) break;  // a page that opens names would read /dev/zero without end
  }
  close(opens);
  QDir::setCurrent(savedFolder);
}

TEST_F(HelpWindowTest, ContentsAndIndexListEveryTopicAndTheFilterLineFinds) {
  help_.ShowTopics();
  THelpWindow* window = help_.Window();
  auto* contentsView = Control<QHelpContentWidget>(*window, "Contents");
  auto* indexView = Control<QHelpIndexWidget>(*window, "Index");
  ASSERT_TRUE(QTest::qWaitFor([&] { return contentsView->model()->rowCount() > 0; }, 10000));
  ASSERT_TRUE(QTest::qWaitFor([&] { return indexView->model()->rowCount() > 0; }, 10000));

  QHelpEngineCore files(cache_.filePath("tolvenix/help.qhc"));
  ASSERT_TRUE(files.setupData());
  std::set<QString> pages, inContents, inIndex;
  for (const QUrl& url : files.files(files.registeredDocumentations().value(0), QString(), "html")) {
    pages.insert(url.fileName());
    EXPECT_FALSE(NestedTooDeeply(QString::fromUtf8(files.fileData(url)))) << url.toString().toStdString();
  }
  ASSERT_GE(pages.size(), 8u);
  auto* contents = qobject_cast<QHelpContentModel*>(contentsView->model());
  Walk(contents, [&](const QModelIndex& item) {
    inContents.insert(contents->contentItemAt(item)->url().fileName());
    return true;
  });
  QAbstractItemModel* index = indexView->model();
  for (int row = 0; row < index->rowCount(); ++row)
    for (const QHelpLink& link : files.documentsForKeyword(index->index(row, 0).data().toString()))
      inIndex.insert(link.url.fileName());
  EXPECT_THAT(inContents, ::testing::IsSupersetOf(pages));
  EXPECT_THAT(inIndex, ::testing::IsSupersetOf(pages));

  auto* filter = Control<QLineEdit>(*window, "IndexFilter");
  Control<QTabWidget>(*window, "Tabs")->setCurrentIndex(1);
  QTest::keyClicks(filter, "tolven");
  EXPECT_EQ(indexView->currentIndex().data().toString(), "Tolvenix.ini");
  QTest::keyClick(filter, Qt::Key_Return);
  EXPECT_THAT(Shown(window), HasSubstr("$XDG_CONFIG_HOME/Tolvenix.ini"));

  // A closed window's search is not carried into the next one.
  window->close();
  help_.ShowTopics();
  EXPECT_EQ(filter->text(), "");
}

// In every language of the help file, no title of the contents is cut short.
TEST_F(HelpWindowTest, TheContentsPaneShowsEveryTitleWhole) {
  QHelpEngineCore files(cache_.filePath("languages.qhc"));
  files.setReadOnly(false);
  ASSERT_TRUE(files.setupData());
  ASSERT_EQ(RegisterHelpFile(files, kBinDir), "");
  std::set<QString> languages;
  for (const QUrl& url : files.files(files.registeredDocumentations().value(0), QString(), "html"))
    languages.insert(PageLanguage(url));
  ASSERT_GE(languages.size(), 3u);
  for (const QString& language : languages) {
    SCOPED_TRACE(language.toStdString());
    QLocale::setDefault(QLocale(language == "en" ? "C" : language));
    THelpWindow window(kBinDir, cache_.filePath("tolvenix"));
    window.ShowTopics();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    auto* contentsView = Control<QHelpContentWidget>(window, "Contents");
    QAbstractItemModel* contents = contentsView->model();
    const auto read = [&] {  // and the other languages' hidden
      int hidden = 0;
      for (int row = 0; row < contents->rowCount(); ++row) hidden += contentsView->isRowHidden(row, {});
      return contents->rowCount() == int(languages.size()) && hidden == contents->rowCount() - 1;
    };
    ASSERT_TRUE(QTest::qWaitFor(read, 10000));
    contentsView->expandAll();
    int shown = 0;
    Walk(contents, [&](const QModelIndex& item) {
      if (contentsView->isRowHidden(item.row(), item.parent())) return false;
      const QRect room = contentsView->visualRect(item);
      EXPECT_GE(room.width(), contentsView->sizeHintForIndex(item).width()) << item.data().toString().toStdString();
      EXPECT_LE(room.right(), contentsView->viewport()->width()) << item.data().toString().toStdString();
      ++shown;
      return true;
    });
    EXPECT_GE(shown, 12);
  }
  QLocale::setDefault(QLocale::c());
}

}  // namespace
}  // namespace quorvane::testing
