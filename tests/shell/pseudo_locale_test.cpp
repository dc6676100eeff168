#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QAccessible>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QMenu>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTextBrowser>

#include "help/help_files.h"
#include "help/help_window.h"
#include "product/product.h"
#include "shell/single_copy.h"
#include "support/window_test_support.h"
#include "widgets/link_labels.h"

namespace quorvane::testing {
namespace {

const QString kPlayer = QStringLiteral("Zoe");

// Texts that are the game's data rather than its words: names, the
// version, the addresses, and the copyright notice, which stays as the
// law writes it.
bool IsData(const QString& text) {
  static const QStringList data = {
      QString::fromLatin1(ProductName),
      QString::fromLatin1(StudioName),
      QStringLiteral("%1 v%2").arg(QString::fromLatin1(ProductName), QString::fromLatin1(ProductVersion)),
      QStringLiteral("Copyright \u00A9 2026 %1").arg(QString::fromLatin1(StudioName)),
      ProductWebAddress(),
      SupportEmailAddress(),
      kPlayer};
  return data.contains(text) || !text.contains(QRegularExpression(QStringLiteral("[A-Za-z]{2}")));
}

// Qt's own buttons (Yes and No of a message box, a tab bar's scroll
// arrows) are Qt's to translate; help topics and lists are pages, not texts.
bool Skipped(const QObject* object) {
  if (qobject_cast<const QTextBrowser*>(object) || qobject_cast<const QAbstractItemView*>(object)) return true;
  auto* button = qobject_cast<const QAbstractButton*>(object);
  if (button && qobject_cast<QTabBar*>(button->parentWidget())) return true;
  auto* box = button ? qobject_cast<QDialogButtonBox*>(button->parentWidget()) : nullptr;
  return box && box->standardButton(const_cast<QAbstractButton*>(button)) != QDialogButtonBox::NoButton;
}

// The texts not marked as translated, as "where: text".
QStringList Unmarked(const QStringList& texts, const QString& where) {
  QStringList found;
  for (const QString& text : texts)
    if (!text.isEmpty() && !text.contains(u'\u27e6') && !IsData(text)) found << where + QStringLiteral(": ") + text;
  return found;
}

// Every text a window shows or a screen reader hears that is not marked as
// translated, as "where: text".
QStringList Unmarked(QWidget* window) {
  QStringList texts;
  texts << window->windowTitle();
  for (QWidget* w : window->findChildren<QWidget*>()) {
    if (Skipped(w)) continue;
    if (auto* button = qobject_cast<QAbstractButton*>(w)) texts << button->text();
    if (auto* label = qobject_cast<QLabel*>(w)) texts << label->text();
    if (auto* tabs = qobject_cast<QTabWidget*>(w))
      for (int i = 0; i < tabs->count(); ++i) texts << tabs->tabText(i);
    for (const QAction* action : w->actions()) texts << action->text();
    texts << w->toolTip();
  }
  const std::function<void(QAccessibleInterface*)> hear = [&](QAccessibleInterface* node) {
    if (!node || Skipped(node->object())) return;
    texts << node->text(QAccessible::Name) << node->text(QAccessible::Description);
    for (int i = 0; i < node->childCount(); ++i) hear(node->child(i));
  };
  hear(QAccessible::queryAccessibleInterface(window));
  return Unmarked(texts, window->metaObject()->className());
}

// The game run in the pseudo-translation, every window, page, menu and box
// opened: a text without the marks escaped translation.
TEST_F(WindowTest, EveryTextShownOrSpokenInThePseudoTranslationIsTranslated) {
  const SpokenLanguage pseudo(PseudoLanguage);
  ASSERT_TRUE(pseudo.Installed) << "made by the build";
  WriteSettings("[SCORE]\nHISCORE=20\nHINAME=" + kPlayer.toStdString() + "\n");
  TForm1& form = Show();
  QStringList bare = Unmarked(&form);  // the intro
  for (QMenu* menu : {Control<QMenu>(form, "Game1"), Control<QMenu>(form, "Help1")}) {
    menu->popup(form.mapToGlobal(QPoint(0, 0)));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(menu));
    bare << Unmarked(menu);
    menu->hide();
  }

  // A box that comes up over the window in front: its texts, then the answer.
  ModalAnswers answers;
  const auto read = [&](std::function<void(QWidget*)> answer) {
    answers.Then([&bare, answer](QWidget* modal) {
      bare << Unmarked(modal);
      answer(modal);
    });
  };
  // Clicked once the box that asks is read, so that the next box comes up
  // in the dialog's own loop.
  const auto later = [](QAbstractButton* button) { QMetaObject::invokeMethod(button, "click", Qt::QueuedConnection); };
  read([&](QWidget* options) {
    auto* pages = Control<QTabWidget>(*options, "PageControl1");
    for (int i = 0; i < pages->count(); ++i) {
      pages->setCurrentIndex(i);
      bare << Unmarked(options);
    }
    pages->setCurrentIndex(0);
    Control<QRadioButton>(*options, "RadioButton4")->click();
    later(Control<QPushButton>(*options, "Button8"));  // use defaults?
  });
  read(ModalAnswers::Press(QMessageBox::No));
  read([&](QWidget* options) { later(Control<QPushButton>(*options, "Button6")); });  // reset the hi score?
  read(ModalAnswers::Press(QMessageBox::No));
  read([&](QWidget* options) {
    Control<QLineEdit>(*options, "Edit5")->setText(QStringLiteral("/nowhere/zap.wav"));
    later(Control<QPushButton>(*options, "Button2"));  // an invalid sound
  });
  read([](QWidget* box) { qobject_cast<QMessageBox*>(box)->buttons().value(0)->click(); });
  read([](QWidget* options) {
    QTimer::singleShot(0, options, [options] { static_cast<TForm3*>(options)->Button3Click(); });
  });
  // The file dialog's buttons and labels are Qt's; its title and filters are ours.
  answers.Then([&bare](QWidget* browse) {
    auto* dialog = qobject_cast<QFileDialog*>(browse);
    ASSERT_NE(dialog, nullptr);
    bare << Unmarked(QStringList{dialog->windowTitle()} << dialog->nameFilters(), "QFileDialog");
    dialog->reject();
  });
  read([](QWidget* options) { qobject_cast<QDialog*>(options)->reject(); });
  Control<QAction>(form, "Options1")->trigger();

  // The About box, whose link the desktop refuses.
  QTemporaryDir bin;
  ASSERT_TRUE(QFile::link(QStringLiteral("/bin/false"), bin.filePath("xdg-open")));
  std::optional<ScopedEnv> path(std::in_place, "PATH", bin.path().toUtf8() + ":" + qgetenv("PATH"));
  read([](QWidget* about) { QTest::mouseClick(about->findChild<TUrlLabel*>(), Qt::LeftButton); });
  read([](QWidget* box) { qobject_cast<QMessageBox*>(box)->buttons().value(0)->click(); });
  read([](QWidget* about) { qobject_cast<QDialog*>(about)->accept(); });
  Control<QAction>(form, "About1")->trigger();
  path.reset();

  // The help viewer's window (its own program speaks the same language
  // through the same translations), a game, its pause and its end with a
  // new best.
  {
    THelpWindow help(QStringLiteral(QUORVANE_BIN_DIR), dir_.filePath("cache"));
    help.ShowTopics();
    bare << Unmarked(&help);
  }
  StartHeldGame();
  form.SuperTimer1Timer();
  bare << Unmarked(&form);
  form.Button3Click();
  bare << Unmarked(&form);
  form.Button3Click();
  read([](QWidget* hiScore) { Control<QPushButton>(*hiScore, "Button1")->click(); });
  read(ModalAnswers::Press(QMessageBox::No));
  StepUntilCrash();
  bare << Unmarked(&form);

  // Help without its file, then with one it cannot read: the problem is
  // shown as the page.
  for (const QByteArray& contents : {QByteArray(), QByteArray("not a help file")}) {
    QTemporaryDir programFolder;
    if (!contents.isNull()) {
      QFile file(programFolder.filePath(HelpFileName()));
      ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size());
    }
    THelpWindow help(programFolder.path(), dir_.filePath(QStringLiteral("help-cache")));
    help.ShowTopics();
    bare << Unmarked(Control<QTextBrowser>(help, "Browser")->toPlainText().split(u'\n'), "problem page");
  }

  // A second copy that the first does not answer.
  read(ModalAnswers::Press(QMessageBox::Ok));
  SingleCopy::ReportSilentCopy();

  // A settings file that cannot be written: a folder stands in its place.
  std::filesystem::remove(location_.IniFile);
  std::filesystem::create_directories(location_.IniFile / "blocked");
  read(ModalAnswers::Press(QMessageBox::Ok));
  EXPECT_FALSE(form.close());

  EXPECT_TRUE(answers.AllUsed()) << answers.Seen().size() << " boxes seen";
  bare.removeDuplicates();
  EXPECT_EQ(bare.join(u'\n').toStdString(), "");
}

}  // namespace
}  // namespace quorvane::testing
