#pragma once

#include <QMainWindow>
#include <memory>

#include "banner/flex_active.h"
#include "dialogs/dialog_factory.h"
#include "dialogs/wav_file_browser.h"
#include "game/snake_game.h"
#include "help/help_service.h"
#include "qt_glue/qt_tick_dispatcher.h"
#include "settings/game_settings.h"
#include "settings/settings_paths.h"
#include "shell/system_sources.h"
#include "shell/window_layout.h"
#include "sound/sound_image.h"
#include "sound/sound_output.h"
#include "timer/super_timer.h"

class QTimer;

namespace quorvane {

class AutoPause;
class KeyMessageFilter;
class PadControl;

namespace Ui {
class TForm1;
}

// What the main window reaches outside itself. Each left empty is the
// program's own; tests hand in recording fakes.
struct WindowPorts {
  HelpService* Help = nullptr;         // the help viewer
  WavFileBrowser* Browser = nullptr;   // the options dialog's "Browse ..." file dialog
  DialogFactory* Dialogs = nullptr;    // how the options dialog and the About box are made and shown
  TSuperTimer* SuperTimer1 = nullptr;  // the step timer; the window sets its handler and priority
  SoundOutput* Sounds = nullptr;       // the default audio device
  RandomSource* Random = nullptr;      // where the blob and walls land and a random start lies
};

// The main window: the advertisement strip, the board, the buttons, the
// status bar and the menus. It owns the game, its settings, its sounds and
// its timers, and implements what the game asks of the screen.
class TForm1 final : public QMainWindow, public GameControls, public GameSounds, public GameOverQuestions {
  Q_OBJECT
 public:
  explicit TForm1(SettingsLocation settingsFile = DefaultSettingsLocation(), WindowPorts ports = {},
                  QWidget* parent = nullptr);
  ~TForm1() override;

  // GameControls
  void SetStatusText(StatusPanel panel, const std::string& text) override;
  void SetControlEnabled(GameControl control, bool enabled) override;
  void SetPauseCaption(const std::string& caption) override;
  void SetPauseChecked(bool checked) override;
  void SetBlinkTimerEnabled(bool enabled) override;
  void BoardChanged() override;
  // GameSounds
  void PlaySoundImage(GameSound sound) override;
  // GameOverQuestions
  std::string AskHiScoreName(int32_t hiScore) override;
  bool AskPlayAgain() override;

  // Handlers
  void Button1Click();
  void Button2Click();
  void Button3Click();
  void Button4Click();
  void Exit1Click();
  void Game1Click();
  void Privacystatement1Click();
  void SuperTimer1Timer();

  // Closes the window as Exit does when the session ends. A save that
  // fails does not keep the window open then; its message is given back,
  // "" when the settings were saved.
  std::string CloseForSessionEnd();

  // The help viewer the window uses.
  HelpService& Help() { return *help_; }

  // Pauses the game, as the Pause button does, if one runs unpaused: the
  // player is away (the screen locked).
  void PauseForAbsence();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  std::unique_ptr<Ui::TForm1> ui_;
  QTimer* ClickNewTimer = nullptr;

  // Run by the Options and About menu items and by the blink timer.
  void Options1Click();
  void About1Click();
  void ClickNewTimerTimer();

  void FormCreate();
  void FormShow();
  bool FormClose();
  void ConnectControls();
  // The regions as the design places them, before FormShow tightens them.
  WindowLayout DesignedLayout() const;
  // Brings the board's description for screen readers up to date.
  void DescribeBoardChange();
  void WarnSoundLoad(const std::string& text);
  void ShowWarning(const QString& text);
  const SoundImage& Sound(GameSound sound) const;

  // Members are built in the order written and destroyed in reverse, and
  // several refer to ones above them: the timer posts to dispatcher_ until
  // it is gone, superTimer1_ may be bound to ownTimer_ and steps_ drives it,
  // and each reference or pointer below an own* part may point at it. Keep
  // each below what it refers to.
  SettingsLocation settingsFile_;
  GameSettings settings_;
  QtTickDispatcher dispatcher_;
  std::unique_ptr<TSuperTimer> ownTimer_;
  TSuperTimer& superTimer1_;
  SuperTimerSteps steps_{superTimer1_};
  MersenneRandom ownRandom_;
  RandomSource& random_;
  LocalTimeOfDay clock_;
  std::unique_ptr<SoundOutput> ownSounds_;
  SoundOutput& sounds_;
  SoundImage blobSound_, gameOverSound_, hiScoreSound_;
  std::unique_ptr<SnakeGame> game_;
  std::unique_ptr<HelpService> ownHelp_;
  HelpService* help_ = nullptr;
  QtWavFileBrowser ownBrowser_;
  WavFileBrowser* browser_ = &ownBrowser_;
  QtDialogFactory ownDialogs_;
  DialogFactory* dialogs_ = &ownDialogs_;
  // Help was opened in a way that the close of the window must end.
  bool helpOpened_ = false;
  KeyMessageFilter* keyFilter_ = nullptr;
  AutoPause* autoPause_ = nullptr;
  PadControl* pad_ = nullptr;
  int blinkPhase_ = 0;
  bool saveFailed_ = false;  // the last close could not save
  bool sessionEnding_ = false;
  std::string sessionSaveError_;
};

}  // namespace quorvane
