#include <SDL.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <QKeyEvent>
#include <QMenu>
#include <QSpinBox>
#include <QTimer>
#include <QWindow>

#include "help/help_service.h"
#include "shell/auto_pause.h"
#include "shell/pad_control.h"
#include "support/window_test_support.h"

namespace quorvane::testing {
namespace {

// A game controller that SDL plays itself, with no device behind it: the
// test sets its buttons and stick, and the window reads it as any pad.
class VirtualPad {
 public:
  explicit VirtualPad(SDL_JoystickType type = SDL_JOYSTICK_TYPE_GAMECONTROLLER, const char* name = "Virtual pad") {
    SDL_InitSubSystem(SDL_INIT_JOYSTICK);
    SDL_VirtualJoystickDesc desc{};
    desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
    desc.type = static_cast<Uint16>(type);
    desc.naxes = SDL_CONTROLLER_AXIS_MAX;
    desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
    desc.name = name;
    joystick_ = SDL_JoystickOpen(SDL_JoystickAttachVirtualEx(&desc));
    id_ = SDL_JoystickInstanceID(joystick_);
  }
  ~VirtualPad() {
    Pull();
    SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
  }
  VirtualPad(const VirtualPad&) = delete;
  VirtualPad& operator=(const VirtualPad&) = delete;

  // The window has opened it as a game controller.
  [[nodiscard]] bool WaitUntilOpened(int timeout = 5000) const {
    return QTest::qWaitFor([this] { return SDL_GameControllerFromInstanceID(id_) != nullptr; }, timeout);
  }
  // Down and up again; SDL queues both at once, as a quick tap.
  void Press(SDL_GameControllerButton button) {
    for (Uint8 state : {1, 0}) {
      SDL_JoystickSetVirtualButton(joystick_, button, state);
      SDL_JoystickUpdate();
    }
  }
  // The left stick, one axis after the other as the hardware reports them.
  void Stick(SDL_GameControllerAxis axis, int value) {
    SDL_JoystickSetVirtualAxis(joystick_, axis, static_cast<Sint16>(value));
    SDL_JoystickUpdate();
  }
  void Pull() {
    if (!joystick_) return;
    SDL_JoystickClose(joystick_);
    joystick_ = nullptr;
    for (int index = 0; index < SDL_NumJoysticks(); ++index)
      if (SDL_JoystickGetDeviceInstanceID(index) == id_) SDL_JoystickDetachVirtual(index);
  }

 private:
  SDL_Joystick* joystick_ = nullptr;
  SDL_JoystickID id_ = -1;
};

constexpr auto South = SDL_CONTROLLER_BUTTON_A;
constexpr auto East = SDL_CONTROLLER_BUTTON_B;
constexpr auto Start = SDL_CONTROLLER_BUTTON_START;
constexpr auto DpadUp = SDL_CONTROLLER_BUTTON_DPAD_UP;
constexpr auto DpadLeft = SDL_CONTROLLER_BUTTON_DPAD_LEFT;
constexpr auto StickX = SDL_CONTROLLER_AXIS_LEFTX;
constexpr auto StickY = SDL_CONTROLLER_AXIS_LEFTY;

class RecordingHelp final : public HelpService {
 public:
  void ShowTopics() override { ++topics; }
  void ShowContext(int) override {}
  void Quit() override {}
  int topics = 0;
};

// The keys that reach the windows, in the order they come.
class KeyRecorder final : public QObject {
 public:
  KeyRecorder() { qApp->installEventFilter(this); }
  std::vector<QKeyCombination> pressed;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::KeyPress) pressed.push_back(static_cast<QKeyEvent*>(event)->keyCombination());
    return false;
  }
};

class PadTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    ports_.Help = &help_;
  }
  // The window shown and active, as the player's is.
  TForm1& ShowActive() {
    TForm1& form = Show();
    form.activateWindow();
    EXPECT_TRUE(WaitUntilActive(&form));
    return form;
  }
  // A game on, with a step so far away that it never comes in the test.
  void StartSlowGame() {
    StartHeldGame();
    SuperTimer1().SetInterval(60000);
    SuperTimer1().SetEnabled(true);
  }
  bool Paused() const { return Control<QAction>(*form_, "Pause1")->isChecked(); }
  // The window has taken what the pads did from SDL, and the keys it
  // posted for it have arrived.
  static void Deliver() {
    EXPECT_TRUE(QTest::qWaitFor(
        [] { return SDL_PeepEvents(nullptr, 0, SDL_PEEKEVENT, SDL_JOYAXISMOTION, SDL_CONTROLLERSENSORUPDATE) == 0; },
        5000));
    QCoreApplication::sendPostedEvents();
  }

  RecordingHelp help_;
  KeyRecorder keys_;
};

// Each button and stick movement does what its key does: steering on the
// next step, New game, Pause, OK, Cancel and Tab in a box, Help.
TEST_F(PadTest, EachButtonAndStickMovementActsAsItsKey) {
  enum class When { HeldGame, Intro, SlowGame, PlayAgainBox };
  const struct {
    const char* name;
    When when;
    std::function<void(VirtualPad&)> act;
    std::function<void()> check;
  } rows[] = {
      {"D-pad up", When::HeldGame, [](VirtualPad& pad) { pad.Press(DpadUp); },
       [this] {
         EXPECT_EQ(Moves(2), (std::vector<int>{Right, Up}));
       }},
      {"D-pad down, then left", When::HeldGame,
       [](VirtualPad& pad) {
         pad.Press(SDL_CONTROLLER_BUTTON_DPAD_DOWN);
         pad.Press(DpadLeft);
       },
       [this] {
         EXPECT_EQ(Moves(3), (std::vector<int>{Right, Down, Left}));
       }},
      {"D-pad up, then right", When::HeldGame,
       [](VirtualPad& pad) {
         pad.Press(DpadUp);
         pad.Press(SDL_CONTROLLER_BUTTON_DPAD_RIGHT);
       },
       [this] {
         EXPECT_EQ(Moves(3), (std::vector<int>{Right, Up, Right}));
       }},
      {"stick past half way up", When::HeldGame, [](VirtualPad& pad) { pad.Stick(StickY, -16385); },
       [this] {
         EXPECT_EQ(Moves(2), (std::vector<int>{Right, Up}));
       }},
      {"stick resting on the half mark", When::HeldGame, [](VirtualPad& pad) { pad.Stick(StickY, 16384); },
       [this] {
         EXPECT_EQ(Moves(2), (std::vector<int>{Right, Right}));
       }},
      {"stick held, wavering above a quarter: one press", When::HeldGame,
       [](VirtualPad& pad) {
         for (int y : {-20000, -8192, -20000, -9000, -30000}) pad.Stick(StickY, y);
         pad.Press(DpadLeft);
       },
       [this] {
         EXPECT_EQ(Moves(3), (std::vector<int>{Right, Up, Left}));
       }},
      {"stick let go below a quarter and pushed again", When::HeldGame,
       [](VirtualPad& pad) {
         for (int y : {-20000, -8191, -20000}) pad.Stick(StickY, y);
         pad.Press(DpadLeft);
       },
       [this] {
         EXPECT_EQ(Moves(4), (std::vector<int>{Right, Up, Up, Left}));
       }},
      {"stick on a diagonal: the larger axis", When::HeldGame,
       [](VirtualPad& pad) {
         pad.Stick(StickY, -30000);
         pad.Stick(StickX, -20000);
       },
       [this] {
         EXPECT_EQ(Moves(3), (std::vector<int>{Right, Up, Up}));
       }},
      {"stick from one direction straight to another", When::HeldGame,
       [](VirtualPad& pad) {
         pad.Stick(StickY, 30000);
         pad.Stick(StickY, 0);
         pad.Stick(StickX, -30000);
       },
       [this] {
         EXPECT_EQ(Moves(3), (std::vector<int>{Right, Down, Left}));
       }},
      {"Start between games", When::Intro, [](VirtualPad& pad) { pad.Press(Start); },
       [this] {
         EXPECT_TRUE(Running());
         EXPECT_TRUE(SuperTimer1().Enabled());
       }},
      {"Start during a game", When::SlowGame, [](VirtualPad& pad) { pad.Press(Start); },
       [this] {
         EXPECT_TRUE(Paused());
         EXPECT_EQ(Control<QPushButton>(*form_, "Button3")->text(), "Res&ume");
       }},
      {"Start twice", When::SlowGame,
       [](VirtualPad& pad) {
         pad.Press(Start);
         pad.Press(Start);
       },
       [this] {
         EXPECT_FALSE(Paused());
         EXPECT_TRUE(SuperTimer1().Enabled());
       }},
      {"South in the play-again box: Yes", When::PlayAgainBox, [](VirtualPad& pad) { pad.Press(South); },
       [this] { EXPECT_TRUE(Running()); }},
      {"East in the play-again box: No", When::PlayAgainBox, [](VirtualPad& pad) { pad.Press(East); },
       [this] { EXPECT_TRUE(ShowsIntro()); }},
      {"right shoulder, then South: No", When::PlayAgainBox,
       [](VirtualPad& pad) {
         pad.Press(SDL_CONTROLLER_BUTTON_RIGHTSHOULDER);
         pad.Press(South);
       },
       [this] { EXPECT_TRUE(ShowsIntro()); }},
      {"left shoulder, then South: No", When::PlayAgainBox,
       [](VirtualPad& pad) {
         pad.Press(SDL_CONTROLLER_BUTTON_LEFTSHOULDER);
         pad.Press(South);
       },
       [this] { EXPECT_TRUE(ShowsIntro()); }},
      {"South: Return", When::Intro, [](VirtualPad& pad) { pad.Press(South); },
       [this] { EXPECT_EQ(keys_.pressed.at(0), QKeyCombination(Qt::Key_Return)); }},
      {"right shoulder: Tab", When::Intro, [](VirtualPad& pad) { pad.Press(SDL_CONTROLLER_BUTTON_RIGHTSHOULDER); },
       [this] { EXPECT_EQ(keys_.pressed.at(0), QKeyCombination(Qt::Key_Tab)); }},
      {"left shoulder: Shift+Tab", When::Intro, [](VirtualPad& pad) { pad.Press(SDL_CONTROLLER_BUTTON_LEFTSHOULDER); },
       [this] { EXPECT_EQ(keys_.pressed.at(0), QKeyCombination(Qt::ShiftModifier, Qt::Key_Backtab)); }},
      {"Back: help", When::Intro, [](VirtualPad& pad) { pad.Press(SDL_CONTROLLER_BUTTON_BACK); },
       [this] { EXPECT_EQ(help_.topics, 1); }},
      {"the sixteenth pad", When::HeldGame,
       [](VirtualPad&) {
         std::vector<std::unique_ptr<VirtualPad>> more;
         for (int i = 0; i < 15; ++i) more.push_back(std::make_unique<VirtualPad>());
         ASSERT_TRUE(more.back()->WaitUntilOpened());
         more.back()->Press(DpadUp);
         Deliver();
       },
       [this] {
         EXPECT_EQ(Moves(2), (std::vector<int>{Right, Up}));
       }},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    help_.topics = 0;
    keys_.pressed.clear();
    // A best score out of reach: the crash asks only whether to play again.
    WriteSettings("[SCORE]\nHISCORE=100000\n");
    VirtualPad pad;
    ShowActive();
    ASSERT_TRUE(pad.WaitUntilOpened());
    if (row.when == When::HeldGame) StartHeldGame();
    if (row.when == When::SlowGame) StartSlowGame();
    if (row.when == When::PlayAgainBox) {
      StartHeldGame();
      ModalAnswers answers{[&](QWidget* box) {
        ASSERT_TRUE(WaitUntilActive(box));
        row.act(pad);
      }};
      for (int i = 0; i < 30 && !answers.AllUsed(); ++i) form_->SuperTimer1Timer();
      ASSERT_TRUE(answers.AllUsed());
    } else {
      // A crash where none should come fails the row rather than waiting.
      ModalAnswers unexpected;
      unexpected.Otherwise([](QWidget* box) {
        ADD_FAILURE() << "the snake crashed";
        qobject_cast<QDialog*>(box)->reject();
      });
      row.act(pad);
      Deliver();
      row.check();
    }
    if (row.when == When::PlayAgainBox) row.check();
    SuperTimer1().SetEnabled(false);
    form_->close();
  }
}

// A pad plugged in after the start works within a second; pulled out
// during a game, it leaves the game paused.
TEST_F(PadTest, PlugInAfterTheStartAndPullOutDuringAGame) {
  ShowActive();
  VirtualPad pad;
  ASSERT_TRUE(pad.WaitUntilOpened(PadControl::IdleInterval * 2)) << "not seen within a second";
  // A virtual pad has no device to wait on: it is polled often.
  EXPECT_TRUE(QTest::qWaitFor(
      [this] { return form_->findChild<QTimer*>("PadPoll")->interval() == PadControl::ActiveInterval; }, 5000));
  pad.Press(Start);
  ASSERT_TRUE(QTest::qWaitFor([this] { return Running(); }, 5000));
  SuperTimer1().SetInterval(60000);
  pad.Pull();
  ASSERT_TRUE(QTest::qWaitFor([this] { return Paused(); }, 5000));
  EXPECT_EQ(Control<QPushButton>(*form_, "Button3")->text(), "Res&ume");
}

// While another program has the focus the pad does nothing.
TEST_F(PadTest, AnInactiveWindowIgnoresThePad) {
  VirtualPad pad;
  TForm1& form = ShowActive();
  ASSERT_TRUE(pad.WaitUntilOpened());
  QApplication::setActiveWindow(nullptr);
  pad.Press(Start);
  Deliver();
  EXPECT_FALSE(Running());
  // Back in front, the same press starts a game.
  QApplication::setActiveWindow(&form);
  ASSERT_TRUE(WaitUntilActive(&form));
  pad.Press(Start);
  ASSERT_TRUE(QTest::qWaitFor([this] { return Running(); }, 5000));
}

// From the intro through a game over and a new best score, with the pad
// alone: the new-hi-score dialog takes the name it shows.
TEST_F(PadTest, AWholeGameWithThePadAlone) {
  VirtualPad pad;
  ShowActive();
  ASSERT_TRUE(pad.WaitUntilOpened());
  QString offered;
  ModalAnswers answers{[&](QWidget* dialog) {
                         ASSERT_NE(qobject_cast<TForm4*>(dialog), nullptr) << "the new hi score dialog";
                         ASSERT_TRUE(WaitUntilActive(dialog));
                         offered = Control<QLineEdit>(*dialog, "Edit1")->text();
                         pad.Press(South);
                         // A dialog left open would hold the test for ever.
                         if (!QTest::qWaitFor([&] { return !dialog->isVisible(); }, 5000)) {
                           ADD_FAILURE() << "South did not accept the name";
                           qobject_cast<QDialog*>(dialog)->reject();
                         }
                       },
                       [&](QWidget* box) {
                         ASSERT_TRUE(WaitUntilActive(box));
                         pad.Press(East);
                       }};
  pad.Press(Start);
  ASSERT_TRUE(QTest::qWaitFor([this] { return Running(); }, 5000));
  // Up at once: the snake crosses the board and meets the top edge.
  pad.Press(DpadUp);
  ASSERT_TRUE(QTest::qWaitFor([&] { return answers.AllUsed() && ShowsIntro(); }, 30000));
  const GameSettings saved = SavedSettings();
  EXPECT_GT(saved.HiScore, 0);
  EXPECT_EQ(QString::fromStdString(saved.HiName), offered);
}

// A running game pauses when the player is gone, and only then.
TEST_F(PadTest, AutoPause) {
  const struct {
    const char* name;
    std::function<void(TForm1&, VirtualPad&)> act;
    bool paused;
  } rows[] = {
      {"window minimised", [](TForm1& form, VirtualPad&) { form.showMinimized(); }, true},
      {"another program took the focus",
       [](TForm1&, VirtualPad&) { emit qApp->applicationStateChanged(Qt::ApplicationInactive); }, true},
      {"pad in use pulled out",
       [](TForm1&, VirtualPad& pad) {
         pad.Press(DpadUp);
         Deliver();
         pad.Pull();
       },
       true},
      {"the game's own help viewer took the focus",
       [this](TForm1&, VirtualPad&) {
         emit qApp->applicationStateChanged(Qt::ApplicationInactive);
         help_.OnViewerActivated();  // as the viewer tells it
       },
       false},
      {"from the game's own help viewer to another program",
       [this](TForm1&, VirtualPad&) {
         emit qApp->applicationStateChanged(Qt::ApplicationInactive);
         help_.OnViewerActivated();
         help_.OnViewerDeactivated();
       },
       true},
      {"from the game's own help viewer back to the game, heard before the viewer tells",
       [this](TForm1&, VirtualPad&) {
         emit qApp->applicationStateChanged(Qt::ApplicationInactive);
         help_.OnViewerActivated();
         emit qApp->applicationStateChanged(Qt::ApplicationActive);
         help_.OnViewerDeactivated();
       },
       false},
      {"the focus came back at once",
       [](TForm1&, VirtualPad&) {
         emit qApp->applicationStateChanged(Qt::ApplicationInactive);
         emit qApp->applicationStateChanged(Qt::ApplicationActive);
       },
       false},
      {"the game menu opened",
       [](TForm1& form, VirtualPad&) {
         auto* menu = Control<QMenu>(form, "Game1");
         menu->popup(form.mapToGlobal(QPoint(0, 0)));
         ASSERT_TRUE(QTest::qWaitForWindowExposed(menu));
         menu->close();
       },
       false},
      {"a message box of the game",
       [](TForm1& form, VirtualPad&) {
         auto* box = new QMessageBox(QMessageBox::Warning, "Quorvane Sinuvar", "A word", QMessageBox::Ok, &form);
         box->setAttribute(Qt::WA_DeleteOnClose);
         box->open();
         ASSERT_TRUE(WaitUntilActive(box));
         box->accept();
       },
       false},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    VirtualPad pad;
    TForm1& form = ShowActive();
    ASSERT_TRUE(pad.WaitUntilOpened());
    StartSlowGame();
    row.act(form, pad);
    Deliver();
    if (row.paused) {
      ASSERT_TRUE(QTest::qWaitFor([this] { return Paused(); }, 5000));
    } else {
      auto* grace = Control<QTimer>(form, "AutoPauseGrace");
      ASSERT_TRUE(QTest::qWaitFor([&] { return !grace->isActive(); }, 5000));
      QCoreApplication::sendPostedEvents();
      EXPECT_FALSE(Paused());
    }
    EXPECT_EQ(SuperTimer1().Enabled(), !row.paused);
    form.close();
  }
}

// A joystick SDL has no layout for is named once and otherwise left alone.
TEST_F(PadTest, AJoystickWithoutALayoutIsNamedOnce) {
  ::testing::internal::CaptureStderr();
  {
    VirtualPad odd(SDL_JOYSTICK_TYPE_UNKNOWN, "Odd stick");
    ShowActive();
    StartHeldGame();
    VirtualPad oddAgain(SDL_JOYSTICK_TYPE_UNKNOWN, "Odd stick");
    VirtualPad pad;
    ASSERT_TRUE(pad.WaitUntilOpened());
    EXPECT_FALSE(SDL_GameControllerFromInstanceID(SDL_JoystickGetDeviceInstanceID(0)));
  }
  const std::string said = ::testing::internal::GetCapturedStderr();
  int named = 0;
  for (size_t at = said.find("Odd stick"); at != std::string::npos; at = said.find("Odd stick", at + 1)) ++named;
  EXPECT_EQ(named, 1) << said;
}

// A pad behind a port of the test's own, whose descriptor is a pipe. Its
// report shows to the poll `lag` polls after the descriptor turns readable,
// as a report may reach the game before SDL has read it.
class PipePad final : public PadInput {
 public:
  PipePad() { EXPECT_EQ(::pipe2(pipe_, O_NONBLOCK | O_CLOEXEC), 0); }
  ~PipePad() override {
    ::close(pipe_[0]);
    ::close(pipe_[1]);
  }
  void Report(int lag) {
    reportIn_ = lag;
    EXPECT_EQ(::write(pipe_[1], "r", 1), 1);
  }
  std::vector<PadEvent> Poll() override {
    char drained[16];
    while (::read(pipe_[0], drained, sizeof drained) > 0) {
    }
    if (reportIn_ < 0 || reportIn_-- > 0) return {};
    return {PadEvent{PadEvent::Kind::Press, PadKey::Up, 7}};
  }
  int Connected() const override { return 1; }
  std::vector<int> Descriptors() const override { return {pipe_[0]}; }
  bool NeedsPolling() const override { return false; }

 private:
  int pipe_[2] = {-1, -1};
  int reportIn_ = -1;
};

// A pad that can be waited on is polled only rarely, to notice others: its
// report wakes the game, even one SDL has not read when the wake comes.
TEST(PadWaking, AWaitablePadWakesTheGame) {
  for (int lag : {0, 1}) {
    SCOPED_TRACE(lag);
    QSpinBox window;  // Up steps it on
    window.show();
    window.activateWindow();
    ASSERT_TRUE(WaitUntilActive(&window));
    auto input = std::make_unique<PipePad>();
    PipePad& pad = *input;
    PadControl control(
        std::move(input), window, [] {}, [] {});
    auto* poll = control.findChild<QTimer*>("PadPoll");
    EXPECT_EQ(poll->interval(), PadControl::IdleInterval);
    int rarePolls = 0;
    QObject::connect(poll, &QTimer::timeout, [&] { ++rarePolls; });
    pad.Report(lag);
    EXPECT_TRUE(QTest::qWaitFor([&] { return window.value() == 1; }, 5000));
    EXPECT_EQ(rarePolls, 0) << "the report came with a rare poll, not the wake";
  }
}

}  // namespace
}  // namespace quorvane::testing
