#include "shell/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
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
#include "help/qt_help_service.h"
#include "product/product.h"
#include "settings/settings_store.h"
#include "shell/board_description.h"
#include "shell/board_view.h"
#include "shell/error_report.h"
#include "shell/game_texts.h"
#include "shell/key_filter.h"
#include "shell/status_bar.h"
#include "shell/window_layout.h"
#include "widgets/design_names.h"
#include "widgets/first_show.h"
#include "widgets/plain_text.h"
#include "widgets/qt_images.h"
#include "widgets/window_placement.h"

namespace quorvane {

namespace {

const QString kTitle = QString::fromLatin1(ProductName);

QFont SansSerif(int pixelHeight) {
  QFont font(QStringLiteral("MS Sans Serif"));
  font.setPixelSize(pixelHeight);
  return font;
}

// The banner control's plugin lives in the program folder's plugins/.
std::filesystem::path BannerPluginFolder(const std::string& programPath) {
  const std::string folder = ProgramFolder(programPath);
  if (folder.empty()) return {};
  return std::filesystem::path(folder) / "plugins";
}

QFrame* EtchedLine(QWidget* parent) {
  auto* line = new QFrame(parent);
  line->setFrameStyle(QFrame::HLine | QFrame::Sunken);
  return line;
}

}  // namespace

TForm1::TForm1(SettingsLocation settingsFile, QWidget* parent)
    : QMainWindow(parent), settingsFile_(std::move(settingsFile)), superTimer1_(dispatcher_) {
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
  setFont(SansSerif(14));
  setWindowIcon(AppIcon());
  BuildControls();
  BuildMenus();
  // The help file lies beside the program, wherever it is installed.
  auto help = std::make_unique<QtHelpService>(QString::fromStdString(ProgramFolder(RunningProgramPath())));
  help->SetOwner(this);
  ownHelp_ = std::move(help);
  help_ = ownHelp_.get();

  game_ = std::make_unique<SnakeGame>(settings_, GamePorts{*PaintBox1, *this, steps_, *this, *this, random_, clock_});
  PaintBox1->SetPaintHandler([this] { game_->PaintBox1Paint(); });

  superTimer1_.SetThreadPriority(TThreadPriority::tpHighest);
  superTimer1_.SetOnTimer([this](TSuperTimer&) { SuperTimer1Timer(); });
  ClickNewTimer = new QTimer(this);
  ClickNewTimer->setInterval(500);
  connect(ClickNewTimer, &QTimer::timeout, this, &TForm1::ClickNewTimerTimer);
  RunOnFirstShow(*this, [this] { FormShow(); });
  // clang-format off
  NameAfterDesign({
      {Panel1, "Panel1"}, {Panel2, "Panel2"}, {Panel3, "Panel3"}, {Panel4, "Panel4"}, {FlexActive1, "FlexActive1"},
      {Bevel1, "Bevel1"}, {Bevel2, "Bevel2"}, {Bevel3, "Bevel3"}, {Bevel4, "Bevel4"}, {Bevel5, "Bevel5"},
      {PaintBox1, "PaintBox1"}, {Button1, "Button1"}, {Button2, "Button2"}, {Button3, "Button3"},
      {Button4, "Button4"}, {LeftSpeed, "LeftSpeed"}, {UpSpeed, "UpSpeed"}, {DownSpeed, "DownSpeed"},
      {RightSpeed, "RightSpeed"}, {StatusBar1, "StatusBar1"}, {Game1, "Game1"}, {Help1, "Help1"},
      {Newgame1, "Newgame1"}, {Pause1, "Pause1"}, {Options1, "Options1"}, {Exit1, "Exit1"},
      {Helptopics1, "Helptopics1"}, {Privacystatement1, "Privacystatement1"}, {About1, "About1"},
      {ClickNewTimer, "ClickNewTimer"}});
  // clang-format on

  FormCreate();
}

TForm1::~TForm1() {
  // No tick may reach a game that is going away.
  superTimer1_.SetEnabled(false);
  if (keyFilter_) qApp->removeEventFilter(keyFilter_);
}

void TForm1::FormCreate() {
  keyFilter_ = new KeyMessageFilter([this](int key) { return game_->FilterKeyMessage(key); }, this);
  qApp->installEventFilter(keyFilter_);
}

void TForm1::BuildControls() {
  const WindowLayout designed;
  auto* client = new QWidget(this);
  client->setFixedSize(designed.ClientWidth, designed.ClientHeight);
  setCentralWidget(client);

  Panel1 = new QWidget(client);
  Bevel3 = EtchedLine(Panel1);
  Bevel4 = EtchedLine(Panel1);
  // Without its plugin, or with its configuration refused, the banner's
  // place stays empty and the game goes on as usual.
  FlexActive1 = new TFlexActive(BannerPluginFolder(settingsFile_.ProgramPath), FlexActive1Block(), Panel1);
  FlexActive1->setGeometry(designed.Advert.Left, designed.Advert.Top, designed.Advert.Width, designed.Advert.Height);

  Panel3 = new QWidget(client);
  Bevel5 = new QFrame(Panel3);
  Bevel5->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  Bevel5->setLineWidth(1);
  PaintBox1 = new TPaintBox(Panel3);

  Panel2 = new QWidget(client);
  Bevel1 = EtchedLine(Panel2);
  Bevel2 = EtchedLine(Panel2);
  Panel4 = new QWidget(Panel2);
  Panel4->resize(designed.InnerPanel.Width, designed.InnerPanel.Height);

  auto pushButton = [this](const QString& caption, const Box& place) {
    auto* button = new QPushButton(caption, Panel4);
    button->setGeometry(place.Left, place.Top, place.Width, place.Height);
    button->setFont(SansSerif(11));
    button->setFocusPolicy(Qt::ClickFocus);  // not a tab stop
    button->setAutoDefault(false);
    return button;
  };
  // Its own text: where the menu's words are too long for the button, a
  // language can say it shorter here.
  Button2 = pushButton(tr("&New game", "button"), designed.NewGameButton);
  Button3 = pushButton(tr("Pa&use"), designed.PauseButton);
  Button4 = pushButton(tr("He&lp"), designed.HelpButton);
  Button1 = pushButton(tr("E&xit"), designed.ExitButton);
  LeftSpeed = MakeArrowButton(11, QT_TR_NOOP("Left"), designed.LeftArrow);
  UpSpeed = MakeArrowButton(12, QT_TR_NOOP("Up"), designed.UpArrow);
  DownSpeed = MakeArrowButton(10, QT_TR_NOOP("Down"), designed.DownArrow);
  RightSpeed = MakeArrowButton(13, QT_TR_NOOP("Right"), designed.RightArrow);
  for (QWidget* w : {static_cast<QWidget*>(Button3), static_cast<QWidget*>(LeftSpeed), static_cast<QWidget*>(UpSpeed),
                     static_cast<QWidget*>(DownSpeed), static_cast<QWidget*>(RightSpeed)})
    w->setEnabled(false);

  connect(Button2, &QPushButton::clicked, this, &TForm1::Button2Click);
  connect(Button3, &QPushButton::clicked, this, &TForm1::Button3Click);
  connect(Button4, &QPushButton::clicked, this, &TForm1::Button4Click);
  connect(Button1, &QPushButton::clicked, this, &TForm1::Button1Click);
  connect(LeftSpeed, &QToolButton::clicked, this, [this] { game_->LeftButtonClick(); });
  connect(UpSpeed, &QToolButton::clicked, this, [this] { game_->UpButtonClick(); });
  connect(DownSpeed, &QToolButton::clicked, this, [this] { game_->DownButtonClick(); });
  connect(RightSpeed, &QToolButton::clicked, this, [this] { game_->RightButtonClick(); });

  StatusBar1 = new TStatusBar(client);

  // The designed geometry; FormShow tightens it.
  Panel1->setGeometry(0, 0, designed.ClientWidth, designed.AdStripHeight);
  Panel3->setGeometry(0, designed.PlayingAreaTop(), designed.ClientWidth, designed.PlayingAreaHeight());
  Panel2->setGeometry(0, designed.ButtonStripTop(), designed.ClientWidth, designed.ButtonStripHeight);
  StatusBar1->setGeometry(0, designed.StatusBarTop(), designed.ClientWidth, designed.StatusBarHeight);
}

QToolButton* TForm1::MakeArrowButton(int tile, const char* name, const Box& place) {
  auto* button = new QToolButton(Panel4);
  button->setAutoRaise(true);  // flat
  button->setFocusPolicy(Qt::NoFocus);
  // A picture says nothing to a screen reader; the arrow keys do the same
  // from the keyboard.
  button->setAccessibleName(tr(name));
  SetToolTip(*button, tr(name));
  button->setIcon(ArrowButtonIcon(tile));
  button->setIconSize(QSize(20, 20));
  button->setGeometry(place.Left, place.Top, place.Width, place.Height);
  return button;
}

void TForm1::BuildMenus() {
  Game1 = menuBar()->addMenu(tr("&Game"));
  Newgame1 = Game1->addAction(tr("&New game"), this, &TForm1::Button2Click);
  Pause1 = Game1->addAction(tr("&Pause"), this, [this] { game_->Pause1Click(); });
  Pause1->setCheckable(true);
  Pause1->setEnabled(false);
  Options1 = Game1->addAction(tr("&Options ..."), this, &TForm1::Options1Click);
  Game1->addSeparator();
  Exit1 = Game1->addAction(tr("E&xit"), this, &TForm1::Exit1Click);
  connect(Game1, &QMenu::aboutToShow, this, &TForm1::Game1Click);

  Help1 = menuBar()->addMenu(tr("&Help"));
  Helptopics1 = Help1->addAction(tr("Help &topics ..."), this, &TForm1::Button4Click);
  Helptopics1->setShortcut(QKeySequence(Qt::Key_F1));
  Privacystatement1 = Help1->addAction(tr("Privacy statement ..."), this, &TForm1::Privacystatement1Click);
  Help1->addSeparator();
  About1 = Help1->addAction(tr("&About ..."), this, &TForm1::About1Click);
}

void TForm1::FormShow() {
  const WindowLayout l = ShowTimeLayout();
  FlexActive1->setGeometry(l.Advert.Left, l.Advert.Top, l.Advert.Width, l.Advert.Height);
  Bevel3->setGeometry(0, 0, l.ClientWidth, l.LineBand);
  Bevel4->setGeometry(0, l.AdStripHeight - l.LineBand, l.ClientWidth, l.LineBand);
  Panel3->setGeometry(0, l.PlayingAreaTop(), l.ClientWidth, l.PlayingAreaHeight());
  PaintBox1->move(l.PaintBox.Left, l.PaintBox.Top);
  Bevel5->setGeometry(l.Frame.Left, l.Frame.Top, l.Frame.Width, l.Frame.Height);
  Panel2->setGeometry(0, l.ButtonStripTop(), l.ClientWidth, l.ButtonStripHeight);
  Bevel1->setGeometry(0, 0, l.ClientWidth, l.LineBand);
  Bevel2->setGeometry(0, l.ButtonStripHeight - l.LineBand, l.ClientWidth, l.LineBand);
  Panel4->move(l.InnerPanel.Left, l.InnerPanel.Top);
  StatusBar1->setGeometry(0, l.StatusBarTop(), l.ClientWidth, l.StatusBarHeight);
  centralWidget()->setFixedSize(l.ClientWidth, l.ClientHeight);
  setFixedSize(l.ClientWidth, l.ClientHeight + menuBar()->sizeHint().height());
  CentreOnScreen(*this);

  GameState& state = game_->State();
  blinkPhase_ = 0;
  HelpOpened = false;
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
  PaintBox1->RepaintBoard();
  DescribeBoardChange();
  // The one stop for the Tab key: a screen reader starts on the board.
  PaintBox1->setFocus();
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
  if (HelpOpened) help_->Quit();
  return true;
}

void TForm1::SetStatusText(int panel, const std::string& text) { StatusBar1->SetPanelText(panel, GameText(text)); }

void TForm1::BoardChanged() { DescribeBoardChange(); }

void TForm1::DescribeBoardChange() { PaintBox1->SetDescription(DescribeBoard(game_->State(), Pause1->isChecked())); }

void TForm1::SetControlEnabled(GameControl control, bool enabled) {
  switch (control) {
    case GameControl::DownSpeed: DownSpeed->setEnabled(enabled); break;
    case GameControl::LeftSpeed: LeftSpeed->setEnabled(enabled); break;
    case GameControl::RightSpeed: RightSpeed->setEnabled(enabled); break;
    case GameControl::UpSpeed: UpSpeed->setEnabled(enabled); break;
    case GameControl::Button3: Button3->setEnabled(enabled); break;
    case GameControl::Pause1: Pause1->setEnabled(enabled); break;
    case GameControl::Options1: Options1->setEnabled(enabled); break;
  }
}

void TForm1::SetPauseCaption(const std::string& caption) { Button3->setText(GameText(caption)); }

void TForm1::SetPauseChecked(bool checked) { Pause1->setChecked(checked); }

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

void TForm1::PlaySoundImage(GameSound sound) { player_.PlaySoundImage(Sound(sound)); }

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

void TForm1::SetHelpService(HelpService* help) { help_ = help ? help : ownHelp_.get(); }

void TForm1::Button4Click() {
  help_->ShowTopics();
  HelpOpened = true;
}

void TForm1::Privacystatement1Click() { help_->ShowContext(PrivacyHelpContext); }

void TForm1::SetWavFileBrowser(WavFileBrowser* browser) { browser_ = browser ? browser : &ownBrowser_; }

void TForm1::SetDialogFactory(DialogFactory* dialogs) { dialogs_ = dialogs ? dialogs : &ownDialogs_; }

void TForm1::Options1Click() {
  std::unique_ptr<TForm3> dialog;
  try {
    dialog = dialogs_->NewOptionsDialog(this, *help_, HelpOpened, *browser_);
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
    PaintBox1->DrawBlinkLine(Qt::black);
    blinkPhase_ = 1;
  } else {
    PaintBox1->DrawBlinkLine(QColor(255, 255, 0));
    blinkPhase_ = 0;
  }
}

}  // namespace quorvane
