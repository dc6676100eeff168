#include <gmock/gmock.h>

#include <QAccessible>
#include <QClipboard>
#include <QTextBrowser>

#include "dialog_test_support.h"
#include "dialogs/new_hi_score_dialog.h"
#include "help/help_window.h"
#include "shell/error_report.h"
#include "widgets/plain_text.h"

namespace quorvane::testing {
namespace {

// What a widget shows, as a screen reader reads it too: a label or message
// box whose text was taken as markup reads without its tags ("<b>x</b>" as
// "x"), and an <img> as a single object character.
std::string Shown(QWidget* widget) {
  if (auto* edit = qobject_cast<QLineEdit*>(widget)) return edit->text().toStdString();
  if (auto* box = qobject_cast<QMessageBox*>(widget)) widget = box->findChild<QLabel*>("qt_msgbox_label");
  return widget ? Heard(widget).toStdString() : "(nothing shown)";
}

// Every label of a window shows its text as it is, including those that
// show nothing stored today: the rule holds for whatever they show later.
void ExpectEveryLabelPlain(QWidget* window) {
  for (QLabel* label : window->findChildren<QLabel*>())
    EXPECT_EQ(label->textFormat(), Qt::PlainText) << window->metaObject()->className() << " " << Shown(label);
}

// A hostile name, from the settings file or typed, and a path holding it
// show as they are stored wherever the game shows them. Markup would load a
// file (reading /dev/zero for ever), change the look or reach a path.
class ShownTextTest : public OptionsWindowTest,
                      public ::testing::WithParamInterface<std::pair<const char*, std::string>> {
 protected:
  const std::string& Text() const { return GetParam().second; }
  std::string WavPath() const { return dir_.path().toStdString() + "/" + Text() + ".wav"; }

  // The window on settings whose three sounds are the hostile path and whose
  // best score of 10 is |holder|'s.
  TForm1& ShowHostile(const std::string& holder) {
    WriteSettings("[SOUNDS]\nBALLWAV=" + WavPath() + "\nGAMEOVERWAV=" + WavPath() + "\nHISCOREWAV=" + WavPath() +
                  "\n[SCORE]\nHISCORE=10\nHINAME=" + holder + "\n");
    return Show();
  }

  // The options dialog's "Hi score" holder and the three sound paths, as the
  // dialog shows them; it is then cancelled.
  std::vector<std::string> OptionsShow() {
    std::vector<std::string> shown;
    EXPECT_TRUE(Options([&](TForm3& d) {
      ExpectEveryLabelPlain(&d);
      for (const char* name : {"Label15", "Edit5", "Edit6", "Edit7"}) shown.push_back(Shown(Control<QWidget>(d, name)));
      Control<QPushButton>(d, "Button1")->click();
    }));
    return shown;
  }
};

TEST_P(ShownTextTest, StoredInTheWindowAndTheOptions) {
  ExpectEveryLabelPlain(&ShowHostile(Text()));
  EXPECT_EQ(OptionsShow(), (std::vector<std::string>{Text(), WavPath(), WavPath(), WavPath()}));
}

// Stored under another name, so the holder shown can only be the typed one.
TEST_P(ShownTextTest, TypedForANewBestThenShownAsItsHolder) {
  ShowHostile("Bo");
  {  // the answers stop watching before the options open
    ModalAnswers answers{[&](QWidget* modal) {
      auto* dialog = qobject_cast<TForm4*>(modal);
      ASSERT_NE(dialog, nullptr);
      ExpectEveryLabelPlain(dialog);
      auto* edit = Control<QLineEdit>(*dialog, "Edit1");
      edit->clear();
      QTest::keyClicks(edit, QString::fromStdString(Text()));
      EXPECT_EQ(Shown(edit), Text());
      Control<QPushButton>(*dialog, "Button1")->click();
    }};
    answers.Then(ModalAnswers::Press(QMessageBox::No));  // no other game
    StartHeldGame();
    StepUntilCrash();
    EXPECT_TRUE(answers.AllUsed());
  }
  EXPECT_EQ(OptionsShow().at(0), Text());
}

TEST_P(ShownTextTest, InTheErrorReport) {
  ModalAnswers answers{[&](QWidget* modal) {
    EXPECT_EQ(Shown(modal), Text() + ".");
    ModalAnswers::Press(QMessageBox::Ok)(modal);
  }};
  ShowErrorReport(&ShowHostile(Text()), QString::fromStdString(Text()));
  EXPECT_TRUE(answers.AllUsed());
}

// The help window's report of a folder without its help file.
TEST_P(ShownTextTest, InTheHelpWindowsReportOfAMissingFile) {
  const QString noHelp = dir_.path() + "/" + QString::fromStdString(Text()) + "  two blanks";
  THelpWindow help(noHelp, dir_.path() + "/cache");
  help.ShowTopics();
  ExpectEveryLabelPlain(&help);
  EXPECT_THAT(Control<QTextBrowser>(help, "Browser")->toPlainText().toStdString(), HasSubstr(noHelp.toStdString()));
}

TEST_P(ShownTextTest, InTheAboutBox) {
  TForm5 about(&ShowHostile(Text()));
  ExpectEveryLabelPlain(&about);
}

INSTANTIATE_TEST_SUITE_P(Hostile, ShownTextTest,
                         ::testing::Values(std::pair{"Bold", std::string("<b>x</b>")},
                                           std::pair{"Entity", std::string("&amp;")},
                                           std::pair{"ImageOfDevZero", std::string("<img src=\"/dev/zero\">")}),
                         [](const auto& row) { return std::string(row.param.first); });

// A name typed (at the cursor), pasted or set longer than a setting gives
// back is held at 2,047 bytes of UTF-8, between whole characters as a
// reader sees them: the settings file gives that back whole. 'é' takes two
// bytes, U+1F600 four, e + U+0301 three, a family of three joined 18, a
// flag eight. Line breaks and controls come in as blanks, as the field
// shows them, so the file keeps the whole name.
TEST(NewHiScoreDialog, NameFieldHoldsWhatTheSettingsFileGivesBack) {
  const QString e = QStringLiteral("\u00e9"), smile = QString::fromUcs4(U"\U0001F600"),
                accented = QStringLiteral("e\u0301"),
                family = QString::fromUcs4(U"\U0001F468\u200D\U0001F469\u200D\U0001F467"),
                flag = QString::fromUcs4(U"\U0001F1EB\U0001F1F7");
  const std::tuple<char, QString, int, QString, QString> rows[] = {
      {'t', QString(2046, 'a'), 2046, e, QString(2046, 'a')},
      {'t', QString(2045, 'a'), 2045, e + "b", QString(2045, 'a') + e},
      {'p', "ab", 1, smile.repeated(750), "a" + smile.repeated(511) + "b"},
      {'s', "", 0, e.repeated(1500), e.repeated(1023)},
      {'s', "", 0, QString(2044, 'a') + smile, QString(2044, 'a')},  // cut after three of its four bytes
      {'p', "", 0, QString(2045, 'a') + accented, QString(2045, 'a')},
      {'p', "", 0, QString(2040, 'a') + family, QString(2040, 'a')},
      {'p', "", 0, flag.repeated(300), flag.repeated(255)},
      {'p', "", 0, QStringLiteral("Bob\nMallory\r\n\tEve\u2028\u0085\u001b!"), "Bob Mallory   Eve   !"},
  };
  for (const auto& [way, before, cursor, input, held] : rows) {
    TForm4 dialog(nullptr);
    auto* name = Control<QLineEdit>(dialog, "Edit1");
    name->setText(before);
    name->setCursorPosition(cursor);
    for (const QChar c : way == 't' ? input : QString())
      QTest::sendKeyEvent(QTest::Click, name, Qt::Key_unknown, c, Qt::NoModifier);
    QApplication::clipboard()->setText(input);
    if (way == 'p') name->paste();
    if (way == 's') name->setText(input);
    EXPECT_EQ(dialog.Name(), held) << way;
  }
}

}  // namespace
}  // namespace quorvane::testing
