#pragma once

// Helpers for window tests that act like a player: a main window on a
// throw-away settings file, and answers for the modal boxes it raises. It
// brings the windows, dialogs and controls those tests reach by name.

#include <gmock/gmock.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QPointer>
#include <QTemporaryDir>
#include <QTimer>
#include <QTranslator>
#include <QtTest/QTest>
#include <algorithm>
#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <utility>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "dialogs/about_box.h"
#include "dialogs/dialog_factory.h"
#include "dialogs/new_hi_score_dialog.h"
#include "dialogs/options_dialog.h"
#include "help/process_help_service.h"
#include "qt_glue/translations.h"
#include "settings/settings_store.h"
#include "shell/board_view.h"
#include "shell/main_window.h"
#include "shell/status_bar.h"
#include "support/board_picture.h"
#include "support/controls.h"
#include "support/game_fakes.h"
#include "support/scoped_env.h"

namespace quorvane::testing {

// The matchers window tests check saved files and seen boxes with.
using ::testing::AllOf;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

// Waits until this very window is the active one. QTest's own wait is not
// enough for a dialog: it counts a window as active while its owner is, so it
// returns before a slow machine has moved the activation to the dialog.
[[nodiscard]] inline bool WaitUntilActive(QWidget* window, int timeout = 20000) {
  return QTest::qWaitFor([window] { return QApplication::activeWindow() == window->window(); }, timeout);
}

// What a widget shows on the screen, in device pixels.
inline QImage Picture(QWidget& widget) { return widget.grab().toImage().convertToFormat(QImage::Format_RGB32); }

// A file's whole content, as bytes.
inline std::string FileBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

// Answers modal windows as they open, one action per window, in order.
class ModalAnswers {
 public:
  using Action = std::function<void(QWidget* modal)>;

  // The actions given here come first, as if each were passed to Then().
  explicit ModalAnswers(std::initializer_list<Action> first = {}) : actions_(first) {
    poll_.setInterval(5);
    QObject::connect(&poll_, &QTimer::timeout, [this] { Poll(); });
    poll_.start();
  }
  void Then(Action action) { actions_.push_back(std::move(action)); }
  // For windows that come when the queue is empty, in any number: long
  // runs cannot know in advance which boxes they will meet.
  void Otherwise(Action action) { otherwise_ = std::move(action); }
  bool AllUsed() const { return actions_.empty(); }
  const std::vector<QString>& Seen() const { return seen_; }  // window titles and texts

  // Presses a message box's button.
  static Action Press(QMessageBox::StandardButton which) {
    return [which](QWidget* modal) {
      auto* box = qobject_cast<QMessageBox*>(modal);
      ASSERT_NE(box, nullptr) << "expected a message box";
      box->button(which)->click();
    };
  }

 private:
  void Poll() {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || modal == last_) return;
    last_ = modal;
    if (actions_.empty()) {
      if (otherwise_) return otherwise_(modal);
      // An unexpected window: fail rather than wait for it for ever.
      ADD_FAILURE() << "unexpected modal window " << modal->windowTitle().toStdString();
      if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->reject();
      return;
    }
    QString text = modal->windowTitle();
    if (auto* box = qobject_cast<QMessageBox*>(modal)) text += " | " + box->text();
    seen_.push_back(text);
    Action action = std::move(actions_.front());
    actions_.pop_front();
    action(modal);
  }

  QTimer poll_;
  std::deque<Action> actions_;
  Action otherwise_;
  std::vector<QString> seen_;
  QPointer<QWidget> last_;
};

// Answers the new hi score dialog: checks the score it shows, where one is
// given, types |name| and presses OK.
inline ModalAnswers::Action EnterName(const QString& name, const QString& score = {}) {
  return [name, score](QWidget* modal) {
    auto* dialog = qobject_cast<TForm4*>(modal);
    ASSERT_NE(dialog, nullptr) << "expected the new hi score dialog";
    if (!score.isNull()) {
      EXPECT_EQ(Control<QLabel>(*dialog, "Label2")->text(), score);
    }
    Control<QLineEdit>(*dialog, "Edit1")->setText(name);
    Control<QPushButton>(*dialog, "Button1")->click();
  };
}

// The game's dialogs, failing at the chosen step as a lack of resources
// would make them fail.
class FailingDialogs : public QtDialogFactory {
 public:
  enum class Stage { None, Create, Show };
  Stage FailAt = Stage::None;
  QPointer<QDialog> Shown;  // the last dialog that was to be shown

  std::unique_ptr<TForm3> NewOptionsDialog(QWidget* owner, HelpService& help, bool& helpOpened,
                                           WavFileBrowser& browser) override {
    if (FailAt == Stage::Create) throw std::runtime_error("out of handles");
    return QtDialogFactory::NewOptionsDialog(owner, help, helpOpened, browser);
  }
  std::unique_ptr<TForm5> NewAboutBox(QWidget* owner) override {
    if (FailAt == Stage::Create) throw std::runtime_error("out of handles");
    return QtDialogFactory::NewAboutBox(owner);
  }
  int ShowModal(QDialog& dialog) override {
    Shown = &dialog;
    if (FailAt == Stage::Show) throw std::runtime_error("cannot show");
    return QtDialogFactory::ShowModal(dialog);
  }
};

// What the window plays: how many images, and the last one.
class RecordingSoundOutput : public SoundOutput {
 public:
  void PlaySoundImage(const SoundImage& image) override {
    last = image;
    ++plays;
  }
  SoundImage last;
  int plays = 0;
};

// A shown main window on its own settings file; held games leave the step
// timer still, so the test makes the steps itself.
class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    ports_.Sounds = &sounds_;
    ports_.Random = &random_;
    location_.IniFile = std::filesystem::path(dir_.path().toStdString()) / "Tolvenix.ini";
    location_.ProgramPath = (std::filesystem::path(dir_.path().toStdString()) / "tolvenix").string();
  }
  void TearDown() override {
    if (form_) {
      superTimer1_->SetEnabled(false);
      form_->hide();
      form_.reset();
    }
  }

  // A new window, with a step timer of its own as the program's has.
  TForm1& Show() {
    form_.reset();
    superTimer1_ = std::make_unique<TSuperTimer>(dispatcher_);
    ports_.SuperTimer1 = superTimer1_.get();
    form_ = std::make_unique<TForm1>(location_, ports_);
    form_->show();
    QApplication::processEvents();
    return *form_;
  }

  void WriteSettings(const std::string& text) { std::ofstream(location_.IniFile) << text; }
  std::string ReadSettings() const { return FileBytes(location_.IniFile); }

  // New game by the button, then the timer is stopped: the test steps. The
  // blob goes to a corner, out of the snake's way, so scores are certain.
  // With no window yet, one is shown first.
  TForm1& StartHeldGame(int blobColumn = 2, int blobRow = 2) {
    if (!form_) Show();
    random_.Script = {blobColumn, blobRow};
    QTest::mouseClick(Control<QPushButton>(*form_, "Button2"), Qt::LeftButton);
    superTimer1_->SetEnabled(false);
    return *form_;
  }

  // A game is on, running or paused: Pause can be chosen, and the status
  // bar does not say the game is over (it is blank during play).
  bool Running() const {
    auto* pause1 = Control<QAction>(*form_, "Pause1");
    return pause1->isEnabled() && (pause1->isChecked() || Panel(GameStatePanel).isEmpty());
  }
  // A status panel's text, as a screen reader reads it.
  QString Panel(int panel) const {
    auto* label = Control<QLabel>(*form_, QStringLiteral("StatusPanel%1").arg(panel).toLatin1().constData());
    return QAccessible::queryAccessibleInterface(label)->text(QAccessible::Name);
  }
  // Steps the held game until it ends, whatever boxes come on the way.
  void StepUntilCrash() {
    for (int i = 0; i < 30 && Running(); ++i) form_->SuperTimer1Timer();
  }
  // What a held game shows at its start: the default snake along row 10
  // heading right, and the blob in its corner.
  static BoardTiles HeldStart() {
    BoardTiles tiles;
    tiles.fill(EmptyTile);
    for (auto [column, tile] : {std::pair{10, 2}, {11, 4}, {12, 4}, {13, 4}, {14, 13}})
      tiles[10 * BoardColumns + column] = tile;
    tiles[2 * BoardColumns + 2] = BlobTile;
    return tiles;
  }
  // The intro shows, not a board: its text is no tile.
  bool ShowsIntro() const { return std::ranges::count(Seen(), -1) > 0; }
  BoardTiles Seen() const { return TilesInPicture(Picture(*Control<TPaintBox>(*form_, "PaintBox1"))); }
  // Steps |count| times and gives the way the head went each time, -1 for
  // no move: a queued turn shows in the step that takes it.
  std::vector<int> Moves(int count) {
    std::vector<int> moves;
    for (QPoint from = HeadIn(Seen()); count-- > 0;) {
      form_->SuperTimer1Timer();
      const QPoint to = HeadIn(Seen()), by = to - from;
      moves.push_back(by.x() > 0 ? Right : by.x() < 0 ? Left : by.y() > 0 ? Down : by.y() < 0 ? Up : -1);
      from = to;
    }
    return moves;
  }
  TSuperTimer& SuperTimer1() { return *superTimer1_; }
  // One beat of the intro's blink timer, as its timeout gives it.
  void Blink() { QMetaObject::invokeMethod(Control<QTimer>(*form_, "ClickNewTimer"), "timeout"); }
  // Blinks the intro twice: its last line goes, then comes back, each time.
  void ExpectBlinks(const QImage& hidden, const QImage& shown) {
    for (int blink = 0; blink < 2; ++blink) {
      Blink();
      EXPECT_EQ(Picture(*Control<TPaintBox>(*form_, "PaintBox1")), hidden) << "hidden, blink " << blink;
      Blink();
      EXPECT_EQ(Picture(*Control<TPaintBox>(*form_, "PaintBox1")), shown) << "shown, blink " << blink;
    }
  }

  // The image the window plays for |sound|.
  SoundImage Played(GameSound sound) {
    form_->PlaySoundImage(sound);
    return std::exchange(sounds_.last, nullptr);
  }

  GameSettings FileSettings() const {
    GameSettings stored;
    LoadSettings(stored, location_);
    return stored;
  }
  // Closes the window, which saves them, and reads them back.
  GameSettings SavedSettings() {
    EXPECT_TRUE(form_->close());
    return FileSettings();
  }

  QTemporaryDir dir_;
  SettingsLocation location_;
  QtTickDispatcher dispatcher_;
  std::unique_ptr<TSuperTimer> superTimer1_;  // the shown window's step timer
  RecordingSoundOutput sounds_;
  ScriptedRandom random_;  // where the blob lands: scripted numbers first
  WindowPorts ports_;      // what the next Show() hands the window
  std::unique_ptr<TForm1> form_;
};

// A window test with the program's own help viewer, a program of its own
// started from the build's program folder, which keeps its files in the
// test's folder; the window shown gets it. Activations counts the times
// the viewer's window became active, Problems what the viewer's side
// reported.
class HelpWindowTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    ports_.Help = &help_;
    help_.OnProblem = [this](const QString& text) { Problems << text; };
  }
  void TearDown() override {
    help_.OnViewerActivated = nullptr;  // the window it calls goes first
    help_.OnViewerDeactivated = nullptr;
    WindowTest::TearDown();
  }
  // The window listens to the viewer for itself; the count listens beside it.
  TForm1& Show() {
    TForm1& form = WindowTest::Show();
    help_.OnViewerActivated = [this, window = std::move(help_.OnViewerActivated)] {
      ++Activations;
      if (window) window();
    };
    return form;
  }
  ProcessHelpService& Help() { return help_; }

  int Activations = 0;
  QStringList Problems;

 private:
  const ScopedEnv cacheHome_{"XDG_CACHE_HOME", dir_.filePath("cache").toUtf8()};
  ProcessHelpService help_{HelpViewerProgram(QStringLiteral(QUORVANE_BIN_DIR)), QStringLiteral(QUORVANE_BIN_DIR)};
};

// The pseudo-translation the build makes for the tests: every text marked
// ("⟦...⟧"), a third longer and accented.
inline const std::string PseudoLanguage = "pseudo";

// The windows speak a language ("" English) from the built program folder
// (the pseudo-translation from its own) for as long as this lives.
struct SpokenLanguage {
  explicit SpokenLanguage(const std::string& code) {
    const char* folder = code == PseudoLanguage ? QUORVANE_PSEUDO_DIR : QUORVANE_BIN_DIR;
    if (!code.empty()) Installed = InstallLanguage(*qApp, folder, QString::fromStdString(code));
  }
  ~SpokenLanguage() {
    qDeleteAll(qApp->findChildren<QTranslator*>());  // a translator removes itself
    QLocale::setDefault(QLocale::c());
  }
  bool Installed = true;
};

inline std::vector<std::string> EveryLanguage() {
  std::vector<std::string> codes{""};
  for (const QString& code : TranslatedLanguages(QUORVANE_BIN_DIR)) codes.push_back(code.toStdString());
  return codes;
}

}  // namespace quorvane::testing
