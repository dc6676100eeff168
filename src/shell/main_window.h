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
#include "sound/sound_image.h"
#include "sound/sound_player.h"
#include "timer/super_timer.h"

class QAction;
class QFrame;
class QMenu;
class QPushButton;
class QTimer;
class QToolButton;

namespace quorvane {

struct Box;
class KeyMessageFilter;
class TForm5;
class TPaintBox;
class TStatusBar;

// The main window: the advertisement strip, the board, the buttons, the
// status bar and the menus. It owns the game, its settings, its sounds and
// its timers, and implements what the game asks of the screen.
class TForm1 final : public QMainWindow, public GameControls, public GameSounds, public GameOverQuestions {
  Q_OBJECT
 public:
  explicit TForm1(SettingsLocation settingsFile = DefaultSettingsLocation(), QWidget* parent = nullptr);
  ~TForm1() override;

  // GameControls
  void SetStatusText(int panel, const std::string& text) override;
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
  void Options1Click();
  void Privacystatement1Click();
  void About1Click();
  void ClickNewTimerTimer();
  void SuperTimer1Timer();

  // Closes the window as Exit does when the session ends. A save that
  // fails does not keep the window open then; its message is given back,
  // "" when the settings were saved.
  std::string CloseForSessionEnd();

  SnakeGame& Game() { return *game_; }
  GameSettings& Settings() { return settings_; }
  TSuperTimer& SuperTimer1() { return superTimer1_; }
  int BlinkPhase() const { return blinkPhase_; }
  const SoundImage& Sound(GameSound sound) const;

  // The help viewer. Tests put a recording fake in its place; nullptr gives
  // back the program's own.
  HelpService& Help() { return *help_; }
  void SetHelpService(HelpService* help);
  // Help was opened in a way that the close of the window must end.
  bool HelpOpened = false;

  // The file dialog of the options dialog's "Browse ..." buttons. Tests put
  // a fake in its place; nullptr gives back the program's own.
  void SetWavFileBrowser(WavFileBrowser* browser);
  // How the options dialog and the About box are made and shown. Tests put
  // a fake in its place; nullptr gives back the program's own.
  void SetDialogFactory(DialogFactory* dialogs);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  // Controls, by their names in the window's design.
  QWidget* Panel1 = nullptr;
  QWidget* Panel2 = nullptr;
  QWidget* Panel3 = nullptr;
  QWidget* Panel4 = nullptr;
  TFlexActive* FlexActive1 = nullptr;  // the banner control's host
  QFrame* Bevel1 = nullptr;
  QFrame* Bevel2 = nullptr;
  QFrame* Bevel3 = nullptr;
  QFrame* Bevel4 = nullptr;
  QFrame* Bevel5 = nullptr;
  TPaintBox* PaintBox1 = nullptr;
  QPushButton* Button1 = nullptr;  // Exit
  QPushButton* Button2 = nullptr;  // New game
  QPushButton* Button3 = nullptr;  // Pause
  QPushButton* Button4 = nullptr;  // Help
  QToolButton* LeftSpeed = nullptr;
  QToolButton* UpSpeed = nullptr;
  QToolButton* DownSpeed = nullptr;
  QToolButton* RightSpeed = nullptr;
  TStatusBar* StatusBar1 = nullptr;
  QMenu* Game1 = nullptr;
  QMenu* Help1 = nullptr;
  QAction* Newgame1 = nullptr;
  QAction* Pause1 = nullptr;
  QAction* Options1 = nullptr;
  QAction* Exit1 = nullptr;
  QAction* Helptopics1 = nullptr;
  QAction* Privacystatement1 = nullptr;
  QAction* About1 = nullptr;
  QTimer* ClickNewTimer = nullptr;

  void FormCreate();
  void FormShow();
  bool FormClose();
  void BuildControls();
  void BuildMenus();
  QToolButton* MakeArrowButton(int tile, const char* name, const Box& place);
  // Brings the board's description for screen readers up to date.
  void DescribeBoardChange();
  void WarnSoundLoad(const std::string& text);
  void ShowWarning(const QString& text);

  SettingsLocation settingsFile_;
  GameSettings settings_;
  QtTickDispatcher dispatcher_;
  TSuperTimer superTimer1_;
  SuperTimerSteps steps_{superTimer1_};
  MersenneRandom random_;
  LocalTimeOfDay clock_;
  SoundPlayer player_;
  SoundImage blobSound_, gameOverSound_, hiScoreSound_;
  std::unique_ptr<SnakeGame> game_;
  std::unique_ptr<HelpService> ownHelp_;
  HelpService* help_ = nullptr;
  QtWavFileBrowser ownBrowser_;
  WavFileBrowser* browser_ = &ownBrowser_;
  QtDialogFactory ownDialogs_;
  DialogFactory* dialogs_ = &ownDialogs_;
  KeyMessageFilter* keyFilter_ = nullptr;
  int blinkPhase_ = 0;
  bool saveFailed_ = false;  // the last close could not save
  bool sessionEnding_ = false;
  std::string sessionSaveError_;
};

}  // namespace quorvane
