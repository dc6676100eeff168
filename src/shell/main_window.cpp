#include "shell/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

#include "dialogs/about_box.h"
#include "dialogs/new_hi_score_dialog.h"
#include "dialogs/options_dialog.h"
#include "dialogs/options_exchange.h"
#include "game/board.h"
#include "help/process_help_service.h"
#include "pad/pad_input.h"
#include "product/product.h"
#include "settings/settings_store.h"
#include "shell/auto_pause.h"
#include "shell/board_description.h"
#include "shell/board_view.h"
#include "shell/error_report.h"
#include "shell/game_texts.h"
#include "shell/key_filter.h"
#include "shell/pad_control.h"
#include "shell/status_bar.h"
#include "shell/window_layout.h"
#include "sound/sound_player.h"
#include "ui_main_window.h"
#include "widgets/first_show.h"
#include "widgets/form_design.h"
#include "widgets/plain_text.h"
#include "widgets/qt_images.h"
#include "widgets/window_placement.h"

namespace quorvane {

namespace {

const QString kTitle = QString::fromLatin1(ProductName);

// The banner control's plugin lives in the program folder's plugins/.
std::filesystem::path BannerPluginFolder(const std::string& programPath) {
  const std::string folder = ProgramFolder(programPath);
  if (folder.empty()) return {};
  return std::filesystem::path(folder) / "plugins";
}

}  // namespace

TForm1::TForm1(SettingsLocation settingsFile, WindowPorts ports, QWidget* parent)
    : QMainWindow(parent),
      ui_(std::make_unique<Ui::TForm1>()),
      settingsFile_(std::move(settingsFile)),
      ownTimer_(ports.SuperTimer1 ? nullptr : std::make_unique<TSuperTimer>(dispatcher_)),
      superTimer1_(ports.SuperTimer1 ? *ports.SuperTimer1 : *ownTimer_),
      random_(ports.Random ? *ports.Random : ownRandom_),
      ownSounds_(ports.Sounds ? nullptr : std::make_unique<SoundPlayer>()),
      sounds_(ports.Sounds ? *ports.Sounds : *ownSounds_) {
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
  ui_->setupUi(this);
  FinishDesign(*this);
  setWindowIcon(AppIcon());
  // Without its plugin, or with its configuration refused, the banner's
  // place stays empty and the game goes on as usual.
  ui_->FlexActive1->CreateControl(BannerPluginFolder(settingsFile_.ProgramPath), FlexActive1Block());
  for (const auto& [button, tile] : {std::pair{ui_->LeftSpeed, 11}, std::pair{ui_->UpSpeed, 12},
                                     std::pair{ui_->DownSpeed, 10}, std::pair{ui_->RightSpeed, 13}}) {
    button->setIcon(ArrowButtonIcon(tile));
    button->setIconSize(QSize(TileSize, TileSize));
  }
  ConnectControls();
  if (ports.Help) {
    help_ = ports.Help;
  } else {
    // The help viewer and its help file lie beside the program, wherever it
    // is installed. A viewer that cannot start, or stops, is reported here
    // and the game goes on.
    const QString folder = QString::fromStdString(ProgramFolder(RunningProgramPath()));
    auto help = std::make_unique<ProcessHelpService>(HelpViewerProgram(folder), folder);
    help->OnProblem = [this](const QString& text) { ShowWarning(text); };
    ownHelp_ = std::move(help);
    help_ = ownHelp_.get();
  }
  if (ports.Browser) browser_ = ports.Browser;
  if (ports.Dialogs) dialogs_ = ports.Dialogs;

  game_ =
      std::make_unique<SnakeGame>(settings_, GamePorts{*ui_->PaintBox1, *this, steps_, *this, *this, random_, clock_});
  ui_->PaintBox1->SetPaintHandler([this] { game_->PaintBox1Paint(); });

  superTimer1_.SetThreadPriority(TThreadPriority::tpHighest);
  superTimer1_.SetOnTimer([this](TSuperTimer&) { SuperTimer1Timer(); });
  ClickNewTimer = new QTimer(this);
  ClickNewTimer->setObjectName(QStringLiteral("ClickNewTimer"));
  ClickNewTimer->setInterval(500);
  connect(ClickNewTimer, &QTimer::timeout, this, &TForm1::ClickNewTimerTimer);
  RunOnFirstShow(*this, [this] { FormShow(); });
  autoPause_ = new AutoPause(
      *this, [this] { PauseForAbsence(); }, this);
  // The game's own help taking the focus is not the player leaving.
  help_->OnViewerActivated = [this] { autoPause_->OwnHelpActivated(); };
  help_->OnViewerDeactivated = [this] { autoPause_->OwnHelpDeactivated(); };
  // Start is the New game button between games and the Pause button in one.
  pad_ = new PadControl(
      OpenGameControllers(), *this, [this] { game_->State().GameRunning ? Button3Click() : Button2Click(); },
      [this] { autoPause_->PlayerGone(); }, this);

  FormCreate();
}

TForm1::~TForm1() {
  // No tick may reach a game that is going away.
  superTimer1_.SetEnabled(false);
  superTimer1_.SetOnTimer(nullptr);
  if (keyFilter_) qApp->removeEventFilter(keyFilter_);
}

void TForm1::FormCreate() {
  keyFilter_ = new KeyMessageFilter([this](int key) { return game_->FilterKeyMessage(key); }, this);
  qApp->installEventFilter(keyFilter_);
}

void TForm1::ConnectControls() {
  connect(ui_->Button2, &QPushButton::clicked, this, &TForm1::Button2Click);
  connect(ui_->Button3, &QPushButton::clicked, this, &TForm1::Button3Click);
  connect(ui_->Button4, &QPushButton::clicked, this, &TForm1::Button4Click);
  connect(ui_->Button1, &QPushButton::clicked, this, &TForm1::Button1Click);
  connect(ui_->LeftSpeed, &QToolButton::clicked, this, [this] { game_->LeftButtonClick(); });
  connect(ui_->UpSpeed, &QToolButton::clicked, this, [this] { game_->UpButtonClick(); });
  connect(ui_->DownSpeed, &QToolButton::clicked, this, [this] { game_->DownButtonClick(); });
  connect(ui_->RightSpeed, &QToolButton::clicked, this, [this] { game_->RightButtonClick(); });
  connect(ui_->Newgame1, &QAction::triggered, this, &TForm1::Button2Click);
  connect(ui_->Pause1, &QAction::triggered, this, [this] { game_->Pause1Click(); });
  connect(ui_->Options1, &QAction::triggered, this, &TForm1::Options1Click);
  connect(ui_->Exit1, &QAction::triggered, this, &TForm1::Exit1Click);
  connect(ui_->Game1, &QMenu::aboutToShow, this, &TForm1::Game1Click);
  connect(ui_->Helptopics1, &QAction::triggered, this, &TForm1::Button4Click);
  connect(ui_->Privacystatement1, &QAction::triggered, this, &TForm1::Privacystatement1Click);
  connect(ui_->About1, &QAction::triggered, this, &TForm1::About1Click);
}

WindowLayout TForm1::DesignedLayout() const {
  const auto box = [](const QWidget* widget) {
    return Box{widget->x(), widget->y(), widget->width(), widget->height()};
  };
  WindowLayout l;
  l.ClientWidth = centralWidget()->minimumWidth();
  l.ClientHeight = centralWidget()->minimumHeight();
  l.AdStripHeight = ui_->Panel1->height();
  l.ButtonStripHeight = ui_->Panel2->height();
  l.StatusBarHeight = ui_->StatusBar1->height();
  l.LineBand = ui_->Bevel3->height();
  l.Advert = box(ui_->FlexActive1);
  l.PaintBox = box(ui_->PaintBox1);
  l.InnerPanel = box(ui_->Panel4);
  l.Frame = box(ui_->Bevel5);
  return l;
}

void TForm1::FormShow() {
  const WindowLayout l = ShowTimeLayout(DesignedLayout());
  ui_->FlexActive1->setGeometry(l.Advert.Left, l.Advert.Top, l.Advert.Width, l.Advert.Height);
  ui_->Bevel3->setGeometry(0, 0, l.ClientWidth, l.LineBand);
  ui_->Bevel4->setGeometry(0, l.AdStripHeight - l.LineBand, l.ClientWidth, l.LineBand);
  ui_->Panel3->setGeometry(0, l.PlayingAreaTop(), l.ClientWidth, l.PlayingAreaHeight());
  ui_->PaintBox1->move(l.PaintBox.Left, l.PaintBox.Top);
  ui_->Bevel5->setGeometry(l.Frame.Left, l.Frame.Top, l.Frame.Width, l.Frame.Height);
  ui_->Panel2->setGeometry(0, l.ButtonStripTop(), l.ClientWidth, l.ButtonStripHeight);
  ui_->Bevel1->setGeometry(0, 0, l.ClientWidth, l.LineBand);
  ui_->Bevel2->setGeometry(0, l.ButtonStripHeight - l.LineBand, l.ClientWidth, l.LineBand);
  ui_->Panel4->move(l.InnerPanel.Left, l.InnerPanel.Top);
  ui_->StatusBar1->setGeometry(0, l.StatusBarTop(), l.ClientWidth, l.StatusBarHeight);
  centralWidget()->setFixedSize(l.ClientWidth, l.ClientHeight);
  setFixedSize(l.ClientWidth, l.ClientHeight + menuBar()->sizeHint().height());
  CentreOnScreen(*this);

  GameState& state = game_->State();
  blinkPhase_ = 0;
  helpOpened_ = false;
  game_->ClearBoard();
  setWindowTitle(kTitle);

  LoadSettings(settings_, settingsFile_);
  state.PreviousHiScore = settings_.HiScore;
  ReleaseSoundImage(gameOverSound_);
  ReleaseSoundImage(hiScoreSound_);
  ReleaseSoundImage(blobSound_);
  // One loader for the three, so that a file named by several sounds is read once.
  SoundImageLoader sounds([this](const std::string& text) { WarnSoundLoad(text); });
  gameOverSound_ = sounds.Load(settings_.GameOverWav);
  hiScoreSound_ = sounds.Load(settings_.HiScoreWav);
  blobSound_ = sounds.Load(settings_.BallWav);

  state.DisplayMode = Intro;
  ClickNewTimer->start();
  ui_->PaintBox1->RepaintBoard();
  DescribeBoardChange();
  // The one stop for the Tab key: a screen reader starts on the board.
  ui_->PaintBox1->setFocus();
}

void TForm1::closeEvent(QCloseEvent* event) {
  if (FormClose()) {
    event->accept();
  } else {
    event->ignore();
  }
}

bool TForm1::FormClose() {
  try {
    SaveSettings(settings_, settingsFile_);
  } catch (const std::exception& error) {
    // The close is abandoned so that nothing is lost unseen; the next close
    // tries again and, should that fail too, lets the player go. When the
    // session ends nobody may be there to read it, so the close goes on.
    if (sessionEnding_) {
      sessionSaveError_ = error.what();
    } else if (!saveFailed_) {
      saveFailed_ = true;
      ShowErrorReport(this, GameText(error.what()));
      return false;
    }
  }
  superTimer1_.SetEnabled(false);
  ClickNewTimer->stop();
  game_->ClearBoard();
  ReleaseSoundImage(gameOverSound_);
  ReleaseSoundImage(hiScoreSound_);
  ReleaseSoundImage(blobSound_);
  if (helpOpened_) help_->Quit();
  return true;
}

void TForm1::SetStatusText(StatusPanel panel, const std::string& text) {
  ui_->StatusBar1->SetPanelText(panel, GameText(text));
}

void TForm1::BoardChanged() { DescribeBoardChange(); }

void TForm1::DescribeBoardChange() {
  ui_->PaintBox1->SetDescription(DescribeBoard(game_->State(), ui_->Pause1->isChecked()));
}

void TForm1::SetControlEnabled(GameControl control, bool enabled) {
  switch (control) {
    case GameControl::DownSpeed: ui_->DownSpeed->setEnabled(enabled); break;
    case GameControl::LeftSpeed: ui_->LeftSpeed->setEnabled(enabled); break;
    case GameControl::RightSpeed: ui_->RightSpeed->setEnabled(enabled); break;
    case GameControl::UpSpeed: ui_->UpSpeed->setEnabled(enabled); break;
    case GameControl::Button3: ui_->Button3->setEnabled(enabled); break;
    case GameControl::Pause1: ui_->Pause1->setEnabled(enabled); break;
    case GameControl::Options1: ui_->Options1->setEnabled(enabled); break;
  }
}

void TForm1::SetPauseCaption(const std::string& caption) { ui_->Button3->setText(GameText(caption)); }

void TForm1::SetPauseChecked(bool checked) { ui_->Pause1->setChecked(checked); }

void TForm1::SetBlinkTimerEnabled(bool enabled) {
  if (enabled) {
    ClickNewTimer->start();
  } else {
    ClickNewTimer->stop();
  }
}

const SoundImage& TForm1::Sound(GameSound sound) const {
  switch (sound) {
    case GameSound::Blob: return blobSound_;
    case GameSound::GameOver: return gameOverSound_;
    default: return hiScoreSound_;
  }
}

void TForm1::PlaySoundImage(GameSound sound) { sounds_.PlaySoundImage(Sound(sound)); }

std::string TForm1::AskHiScoreName(int32_t hiScore) {
  TForm4 dialog(this);
  dialog.SetScore(hiScore);
  dialog.exec();
  return dialog.Name().toStdString();
}

bool TForm1::AskPlayAgain() {
  TMessageBox box(QMessageBox::Warning, kTitle, tr("Game Over! Would you like to play again?"),
                  QMessageBox::Yes | QMessageBox::No, this);
  return box.exec() == QMessageBox::Yes;
}

void TForm1::WarnSoundLoad(const std::string& text) { ShowWarning(GameText(text)); }

void TForm1::ShowWarning(const QString& text) {
  TMessageBox box(QMessageBox::Warning, kTitle, text, QMessageBox::Ok, this);
  box.exec();
}

std::string TForm1::CloseForSessionEnd() {
  sessionEnding_ = true;
  sessionSaveError_.clear();
  close();
  sessionEnding_ = false;
  return sessionSaveError_;
}

void TForm1::Button1Click() { close(); }
void TForm1::Exit1Click() { close(); }
void TForm1::Button2Click() { game_->Button2Click(); }
void TForm1::Button3Click() { game_->Button3Click(); }
void TForm1::Game1Click() { game_->Game1Click(); }
void TForm1::SuperTimer1Timer() { game_->GameStep(); }

void TForm1::Button4Click() {
  help_->ShowTopics();
  helpOpened_ = true;
}

void TForm1::PauseForAbsence() {
  if (game_->State().GameRunning && superTimer1_.Enabled()) Button3Click();
}

void TForm1::Privacystatement1Click() { help_->ShowContext(PrivacyHelpContext); }

void TForm1::Options1Click() {
  std::unique_ptr<TForm3> dialog;
  try {
    dialog = dialogs_->NewOptionsDialog(this, *help_, helpOpened_, *browser_);
    FillOptionsDialog(*dialog, settings_);
  } catch (...) {
    dialog.reset();
    ShowWarning(tr("Could not create options dialog box."));
    return;
  }
  try {
    if (dialogs_->ShowModal(*dialog) == QDialog::Accepted) {
      const SoundLoadWarning warn = [this](const std::string& text) { WarnSoundLoad(text); };
      TakeBackOptions(*dialog, settings_, game_->State().PreviousHiScore,
                      OptionsSoundImages{blobSound_, gameOverSound_, hiScoreSound_, warn});
    }
  } catch (...) {
    dialog.reset();
    ShowWarning(tr("Could not display options dialog box."));
  }
}

void TForm1::About1Click() {
  // A new box each time, gone again before this returns.
  std::unique_ptr<TForm5> box;
  try {
    box = dialogs_->NewAboutBox(this);
  } catch (...) {
    ShowWarning(tr("Could not create About dialog."));
    return;
  }
  try {
    dialogs_->ShowModal(*box);
  } catch (...) {
    ShowWarning(tr("Could not display About dialog."));
  }
}

void TForm1::ClickNewTimerTimer() {
  if (game_->State().DisplayMode != Intro) return;
  if (blinkPhase_ == 0) {
    ui_->PaintBox1->DrawBlinkLine(Qt::black);
    blinkPhase_ = 1;
  } else {
    ui_->PaintBox1->DrawBlinkLine(QColor(255, 255, 0));
    blinkPhase_ = 0;
  }
}

}  // namespace quorvane
