#include <gmock/gmock.h>

#include <QApplication>
#include <QDir>
#include <QHelpContentWidget>
#include <QHelpEngineCore>
#include <QHelpIndexWidget>
#include <QHelpLink>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QScrollBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest/QTest>
#include <functional>
#include <optional>
#include <set>

#include "help/help_files.h"
#include "help/help_service.h"
#include "help/help_window.h"
#include "help/page_nesting.h"
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

// The viewer's window on the built help file, with the user's cache folder
// in a throw-away place.
class HelpWindowTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(cache_.isValid()); }
  static std::string Shown(THelpWindow* w) {
    return Control<THelpBrowser>(*w, "Browser")->toPlainText().simplified().toStdString();
  }
  THelpWindow* Window(const QString& folder = kBinDir) {
    if (!window_) window_ = std::make_unique<THelpWindow>(folder, HelpCacheFolder());
    return window_.get();
  }

  QTemporaryDir cache_;
  const ScopedEnv cacheHome_{"XDG_CACHE_HOME", cache_.path().toUtf8()};
  std::unique_ptr<THelpWindow> window_;
};

TEST_F(HelpWindowTest, OneWindowShowsTheAskedTopics) {
  THelpWindow* window = Window();
  window->ShowContext(PrivacyHelpContext);
  // An ordinary window of its own program: no owner, not modal, resizable.
  EXPECT_TRUE(window->isVisible() && window->isWindow());
  EXPECT_EQ(window->windowType(), Qt::Window);
  EXPECT_EQ(window->windowHandle()->transientParent(), nullptr);
  EXPECT_EQ(window->windowTitle(), "Quorvane Sinuvar Help");
  EXPECT_EQ(window->windowModality(), Qt::NonModal);
  EXPECT_NE(window->minimumSize(), window->maximumSize()) << "resizable";
  EXPECT_THAT(Shown(window), HasSubstr("sends nothing anywhere"));
  // What the engine writes lies in the user's cache folder, not beside the program.
  EXPECT_TRUE(QFile::exists(cache_.filePath("tolvenix/help.qhc")));
  EXPECT_TRUE(QDir(kBinDir).entryList({"*.qhc"}).isEmpty());

  window->ShowContext(OptionsHelpContext);
  EXPECT_THAT(Shown(window), HasSubstr("Reset defaults for custom skill level?"));
  auto* tabs = Control<QTabWidget>(*window, "Tabs");
  auto* notice = Control<QLabel>(*window, "Notice");
  tabs->setCurrentIndex(1);
  window->ShowTopics();
  EXPECT_EQ(tabs->currentIndex(), 0) << "contents in front";
  EXPECT_THAT(Shown(window), HasSubstr("The topics of this help"));

  window->ShowContext(1234);
  EXPECT_FALSE(notice->isHidden());
  EXPECT_EQ(notice->text(), "The help topic 1234 was not found in the help file. These are its contents.");
  EXPECT_THAT(Shown(window), HasSubstr("The topics of this help"));

  window->close();
  EXPECT_FALSE(window->isVisible());
  window->ShowContext(PrivacyHelpContext);
  EXPECT_TRUE(window->isVisible());
  EXPECT_TRUE(notice->isHidden()) << "the notice goes with the next topic";
}

TEST_F(HelpWindowTest, MissingHelpFileSaysSoInTheWindow) {
  QTemporaryDir emptyProgramFolder;
  THelpWindow* window = Window(emptyProgramFolder.path());
  window->ShowTopics();
  ASSERT_TRUE(window->isVisible());
  EXPECT_THAT(Shown(window), HasSubstr("The help file TOLVENIX.HLP could not be found in " +
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
    THelpWindow window(kBinDir, HelpCacheFolder());
    window.ShowContext(PrivacyHelpContext);
    EXPECT_THAT(Shown(&window), HasSubstr("sends nothing anywhere"));
    ASSERT_EQ(fallbacks().size(), 1);
    EXPECT_TRUE(QFile::exists(QDir(temp.filePath(fallbacks().first())).filePath("help.qhc")));
  }
  tmp.reset();
  EXPECT_TRUE(fallbacks().isEmpty()) << "removed with the window";
}

// The player closes the viewer's window: the viewer ends, and the game's
// next request starts a new one.
TEST_F(HelpWindowTest, ClosingTheHelpWindowEndsTheViewer) {
  THelpWindow* window = Window();
  window->ShowContext(PrivacyHelpContext);
  ASSERT_TRUE(window->isVisible());
  bool stillRunning = false;
  QTimer::singleShot(10000, window, [&] {  // ends a loop that the closed window would keep going
    stillRunning = true;
    qApp->quit();
  });
  QTimer::singleShot(0, window, [&] { window->close(); });
  qApp->exec();
  EXPECT_FALSE(stillRunning) << "closing the help window ends the viewer's loop";
}

// A replaced help file's pages reach for files in watched/ (pictures, style
// sheets, a link, relative names tried in the working folder, a drawing
// naming a file), for /dev/zero, nest 3,000 tables (the hidden ways to nest
// are PageNesting's table), run 5 MB long and hold 72 MB of pictures once
// decoded. Nothing is opened outside the help file, and what would cost too
// much is refused.
TEST_F(HelpWindowTest, PagesOfAReplacedHelpFileOpenNothingOutsideIt) {
  const QString hostile = QStringLiteral(QUORVANE_HOSTILE_DIR), watched = hostile + "/watched";
  const QString savedFolder = QDir::currentPath(), page = "qthelp://com.tolvenix.hostile/help/";
  QDir::setCurrent(watched);
  const int opens = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
  ASSERT_GE(inotify_add_watch(opens, QFile::encodeName(watched).constData(), IN_OPEN), 0);
  THelpWindow* window = Window(hostile + "/program");
  window->ShowTopics();
  const std::pair<QUrl, QString> rows[] = {
      {page + "outside.html", "Pictures from outside."},
      {QUrl::fromLocalFile(watched + "/page.html"), ""},
      {page + "zero.html", "An endless picture."},
      {page + "nested.html", "The help page " + page + "nested.html is nested too deeply to be shown."},
      {page + "long.html", "The help page " + page + "long.html is too large to be shown."},
      {page + "pictures.html", "The help page " + page + "pictures.html is too large to be shown."},
      {page + "drawing.html", "A drawing."},
  };
  auto* browser = Control<THelpBrowser>(*window, "Browser");
  for (const auto& row : rows) {
    const QUrl& url = row.first;
    const std::string shows = row.second.toStdString();  // clang captures no structured binding
    SCOPED_TRACE(url.toString().toStdString());
    browser->setSource(url);
    browser->viewport()->grab();  // lays the page out and draws its pictures
    // A page refused for its pictures goes once they are laid out.
    EXPECT_TRUE(QTest::qWaitFor([&] { return Shown(window).find(shows) != std::string::npos; }, 5000))
        << Shown(window).substr(0, 200);
    char event[4096];
    EXPECT_LE(read(opens, event, sizeof event), 0) << url.toString().toStdString() << " opened a file";
    if (HasFailure()) break;  // a page that opens names would read /dev/zero without end
  }
  close(opens);
  QDir::setCurrent(savedFolder);
}

TEST_F(HelpWindowTest, ContentsAndIndexListEveryTopicAndTheFilterLineFinds) {
  THelpWindow* window = Window();
  window->ShowTopics();
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
  window->ShowTopics();
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

// Contents nested 40 deep, where ours nest 2: none of them is walked or
// shown, and the window says why.
TEST_F(HelpWindowTest, ContentsNestedTooDeeplyAreNotShown) {
  THelpWindow* window = Window(QStringLiteral(QUORVANE_HOSTILE_DIR) + "/deep/program");
  window->ShowTopics();
  auto* contents = Control<QHelpContentWidget>(*window, "Contents");
  EXPECT_TRUE(
      QTest::qWaitFor([&] { return Shown(window).find("nested too deeply to be shown") != std::string::npos; }, 10000))
      << Shown(window);
  ASSERT_GT(contents->model()->rowCount(), 0);
  EXPECT_TRUE(contents->isRowHidden(0, {}));
}

// Depth as Qt's parser reads it: no quote, comment or declaration hides a
// tag from the count, and a tag Qt could read otherwise is refused.
TEST(PageNesting, CountsEveryTagQtWouldNest) {
  const QString deep = QString("<table><tr><td>").repeated(5);
  const QString divs = QString("<div>").repeated(40);
  const struct {
    QString page;
    bool refused;
  } rows[] = {
      {"<p>text <b>bold</b></p>" + QString("<div><p>x</p></div>").repeated(100), false},
      {"<table><tr><td>" + QString("<p>a</p>").repeated(50) + "</td></tr></table>", false},
      {deep, true},
      {divs, true},
      {"<p a=\"x\" title=\"y\">" + divs, true},
      {"<p a\"b>" + divs + "<p c\"d>", true},     // a quote inside a word is no quote
      {"<!x\">" + divs + "<!y\">", true},         // nor in a declaration
      {"<!-- " + divs + " -->", false},           // a comment is
      {"< !-- " + divs + " -->", false},          // blanks before it too
      {"<p title=\"a<b\">", true},                // a quoted '<' or '>': refused
      {"<p title='a'>", true},                    // single quotes: refused
      {"<\"table\">", true},                      // a quoted name
      {"<t&#97;ble>", true},                      // an entity in a name
      {"<p <div>", true},                         // a tag inside a tag
      {QString("<?x>").repeated(40), true},       // any name counts
      {"<>" + QString("<>").repeated(40), true},  // even none
      {QString("<br><img src=\"a.png\"><hr>").repeated(100), false},
      {"<title></div></div></div></title>" + QString("<div>").repeated(31), false},
      {QString("<div>x</div>").repeated(100), false},
  };
  for (const auto& row : rows) EXPECT_EQ(NestedTooDeeply(row.page), row.refused) << row.page.left(80).toStdString();
}

// Keys typed in the help window scroll the topic and pick topics.
TEST_F(HelpWindowTest, KeysInTheHelpWindowAreTheReaders) {
  THelpWindow* window = Window();
  window->resize(420, 260);  // short enough for the topic to scroll
  window->ShowContext(OptionsHelpContext);
  QApplication::processEvents();

  auto* browser = Control<THelpBrowser>(*window, "Browser");
  auto* contents = Control<QHelpContentWidget>(*window, "Contents");
  for (int i = 0; i < 3; ++i) QTest::keyClick(browser, Qt::Key_Down);
  EXPECT_GT(browser->verticalScrollBar()->value(), 0) << "the topic scrolls";

  // Arrows move through the contents and Enter opens the chosen topic.
  ASSERT_TRUE(QTest::qWaitFor([&] { return contents->model()->rowCount() > 0; }, 10000));
  contents->expandAll();
  contents->setCurrentIndex(contents->model()->index(0, 0));
  QTest::keyClick(contents, Qt::Key_Down);
  QTest::keyClick(contents, Qt::Key_Return);
  EXPECT_EQ(browser->source().fileName(), "playing.html");
}

}  // namespace
}  // namespace quorvane::testing
