#include "dialogs/options_dialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QFileInfo>
#include <QFocusEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTabWidget>

#include "dialogs/path_field.h"
#include "dialogs/radio_group.h"
#include "dialogs/up_down.h"
#include "dialogs/wav_file_browser.h"
#include "game/game_state.h"
#include "game/skill_levels.h"
#include "help/help_service.h"
#include "product/product.h"
#include "settings/game_settings.h"
#include "ui_options_dialog.h"
#include "widgets/accessibility.h"
#include "widgets/first_show.h"
#include "widgets/form_design.h"
#include "widgets/plain_text.h"
#include "widgets/window_placement.h"

namespace quorvane {

namespace {

QString OptionsTitle() { return TForm3::tr("%1 - Options").arg(QString::fromLatin1(ProductName)); }

// A field that can be typed in shows the window colour, one that cannot the
// button face, whatever the style would paint.
void PaintField(QLineEdit* edit, bool enabled) {
  const QColor colour = QApplication::palette().color(QPalette::Active, enabled ? QPalette::Base : QPalette::Button);
  QPalette palette = edit->palette();
  for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
    palette.setColor(group, QPalette::Base, colour);
  edit->setPalette(palette);
}

void EnableAll(std::initializer_list<QWidget*> widgets, bool enabled) {
  for (QWidget* widget : widgets) widget->setEnabled(enabled);
}

}  // namespace

TForm3::TForm3(QWidget* owner, HelpService& help, bool& helpOpened, WavFileBrowser& browser)
    : QDialog(owner), ui_(std::make_unique<Ui::TForm3>()), help_(help), helpOpened_(helpOpened), browser_(browser) {
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
  ui_->setupUi(this);
  for (int i = 0; i < ui_->PageControl1->count(); ++i)
    ui_->PageControl1->widget(i)->setAccessibleName(ui_->PageControl1->tabText(i));
  // The group's items come with its texts, after the design's tab order:
  // they follow the mode buttons.
  QWidget* before = ui_->RadioButton7;
  for (int i = 0; i < ui_->RadioGroup1->Count(); ++i) {
    setTabOrder(before, ui_->RadioGroup1->Item(i));
    before = ui_->RadioGroup1->Item(i);
  }
  FinishDesign(*this);
  ConnectSkillPage();
  ConnectPositionPage();
  ConnectSoundsPage();
  connect(ui_->Button6, &QPushButton::clicked, this, &TForm3::Button6Click);
  connect(ui_->Button7, &QPushButton::clicked, this, &TForm3::Button7Click);
  connect(ui_->Button2, &QPushButton::clicked, this, &TForm3::Button2Click);
  connect(ui_->Button1, &QPushButton::clicked, this, &QDialog::reject);
  RunOnFirstShow(*this, [this] { FormShow(); });
  CentreOnScreen(*this);
}

TForm3::~TForm3() = default;

void TForm3::NumberField(QLineEdit* edit, TUpDown* upDown, int min, int max) {
  upDown->SetRange(min, max);
  upDown->SetAssociate(edit);
  edit->installEventFilter(this);
  numberFields_.append(upDown);
}

void TForm3::ConnectSkillPage() {
  NumberField(ui_->Edit1, ui_->UpDown1, 1, 20);
  NumberField(ui_->Edit2, ui_->UpDown2, 1, 20);
  NumberField(ui_->Edit3, ui_->UpDown3, 1, 20);
  NumberField(ui_->Edit4, ui_->UpDown4, 1, 5);
  ui_->TrackBar1->setRange(0, SpeedSliderMax);
  for (QRadioButton* button : {ui_->RadioButton1, ui_->RadioButton2, ui_->RadioButton3, ui_->RadioButton4}) {
    // Checking a button, by a click or by the program, runs the rule; a
    // button that is already checked changes nothing.
    connect(button, &QRadioButton::toggled, this, [this](bool checked) {
      if (checked) RadioButton1Click();
    });
  }
  MakeOneTabStop({ui_->RadioButton1, ui_->RadioButton2, ui_->RadioButton3, ui_->RadioButton4});
  connect(ui_->Button8, &QPushButton::clicked, this, &TForm3::Button8Click);
}

void TForm3::ConnectPositionPage() {
  NumberField(ui_->Edit8, ui_->UpDown5, 0, BoardRows - 1);
  NumberField(ui_->Edit9, ui_->UpDown6, 0, BoardColumns - 1);
  for (QRadioButton* button : {ui_->RadioButton5, ui_->RadioButton6, ui_->RadioButton7}) {
    connect(button, &QRadioButton::toggled, this, [this](bool checked) {
      if (checked) RadioButton5Click();
    });
  }
  MakeOneTabStop({ui_->RadioButton5, ui_->RadioButton6, ui_->RadioButton7});
  connect(ui_->RadioGroup1, &TRadioGroup::itemIndexChanged, this, &TForm3::RadioGroup1Click);
}

void TForm3::ConnectSoundsPage() {
  soundRows_ = {{{ui_->CheckBox2, ui_->Edit5, ui_->Button3, QT_TR_NOOP("Choose the blue blob sound"),
                  QT_TR_NOOP("Invalid blob sound specified.")},
                 {ui_->CheckBox3, ui_->Edit6, ui_->Button4, QT_TR_NOOP("Choose the game over sound"),
                  QT_TR_NOOP("Invalid game over sound specified.")},
                 {ui_->CheckBox4, ui_->Edit7, ui_->Button5, QT_TR_NOOP("Choose the new hi score sound"),
                  QT_TR_NOOP("Invalid new Hi score sounds specified.")}}};
  for (const SoundRow& sound : soundRows_) {
    // Known to screen readers by the check box that switches it.
    sound.Path->setAccessibleName(SpokenCaption(sound.Box->text()));
    sound.Browse->setAccessibleDescription(tr(sound.Purpose));
  }
  connect(ui_->CheckBox1, &QCheckBox::toggled, this, &TForm3::CheckBox1Click);
  connect(ui_->CheckBox2, &QCheckBox::toggled, this, &TForm3::CheckBox2Click);
  connect(ui_->CheckBox3, &QCheckBox::toggled, this, &TForm3::CheckBox3Click);
  connect(ui_->CheckBox4, &QCheckBox::toggled, this, &TForm3::CheckBox4Click);
  connect(ui_->Button3, &QPushButton::clicked, this, &TForm3::Button3Click);
  connect(ui_->Button4, &QPushButton::clicked, this, &TForm3::Button4Click);
  connect(ui_->Button5, &QPushButton::clicked, this, &TForm3::Button5Click);
}

void TForm3::FormShow() {
  setWindowTitle(OptionsTitle());
  ui_->PageControl1->setCurrentIndex(0);
}

void TForm3::keyPressEvent(QKeyEvent* event) {
  // The dialog's own help topic, wherever the focus is; unlike the Help
  // button this does not count as the main window opening help.
  if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::NoModifier) {
    help_.ShowContext(OptionsHelpContext);
    return;
  }
  QDialog::keyPressEvent(event);
}

bool TForm3::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusOut) {
    // Leaving the field for another control; the window losing the
    // activation or a context menu opening is not leaving it.
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
      if (auto* edit = qobject_cast<QLineEdit*>(watched); edit && FieldOf(edit)) Edit1Exit(edit);
    }
  }
  return QDialog::eventFilter(watched, event);
}

TUpDown* TForm3::FieldOf(QWidget* edit) const {
  for (TUpDown* field : numberFields_) {
    if (edit && field->Associate() == edit) return field;
  }
  return nullptr;
}

void TForm3::RadioButton1Click() {
  const bool custom = ui_->RadioButton4->isChecked();
  EnableAll({ui_->Label1,  ui_->Edit1,  ui_->UpDown1, ui_->Label2,  ui_->Label3,  ui_->TrackBar1, ui_->Label4,
             ui_->Label5,  ui_->Label7, ui_->Edit2,   ui_->UpDown2, ui_->Label6,  ui_->Label8,    ui_->Edit3,
             ui_->UpDown3, ui_->Label9, ui_->Label10, ui_->Edit4,   ui_->UpDown4, ui_->Button8},
            custom);
  for (QLineEdit* edit : {ui_->Edit1, ui_->Edit2, ui_->Edit3, ui_->Edit4}) PaintField(edit, custom);
}

void TForm3::RadioButton5Click() {
  const bool custom = ui_->RadioButton7->isChecked();
  EnableAll({ui_->RadioGroup1, ui_->Label11, ui_->Edit8, ui_->UpDown5, ui_->Label16, ui_->Edit9, ui_->UpDown6}, custom);
  PaintField(ui_->Edit8, custom);
  PaintField(ui_->Edit9, custom);
}

void TForm3::RadioGroup1Click() {
  // The tail's cell must leave room for the whole snake and one free cell
  // ahead of its head, whatever length the last game had.
  const int length = StartSnakeLength;
  int columnMin = 0, columnMax = BoardColumns - 1, rowMin = 0, rowMax = BoardRows - 1;
  const int direction = ui_->RadioGroup1->ItemIndex();
  switch (direction) {
    case Down: rowMax = BoardRows - 1 - length; break;
    case Left: columnMin = length; break;
    case Right: columnMax = BoardColumns - 1 - length; break;
    case Up: rowMin = length; break;
    default: break;
  }
  ui_->UpDown6->SetRange(columnMin, columnMax);
  ui_->UpDown5->SetRange(rowMin, rowMax);
  if (direction == customDirection_) {
    ui_->UpDown5->SetPosition(customVPos_);
    ui_->UpDown6->SetPosition(customHPos_);
  } else {
    ui_->UpDown5->SetPosition(rowMax);
    ui_->UpDown6->SetPosition(columnMax);
  }
}

void TForm3::SwitchPath(QLineEdit* edit, QPushButton* browse, bool on) {
  edit->setEnabled(on);
  browse->setEnabled(on);
  PaintField(edit, on);
  if (on && edit->isVisible()) edit->setFocus();
}

void TForm3::CheckBox1Click() {
  const bool play = ui_->CheckBox1->isChecked();
  for (const SoundRow& sound : soundRows_) {
    sound.Box->setEnabled(play);
    SwitchPath(sound.Path, sound.Browse, play && sound.Box->isChecked());
  }
}

void TForm3::CheckBox2Click() { SwitchPath(ui_->Edit5, ui_->Button3, ui_->CheckBox2->isChecked()); }
void TForm3::CheckBox3Click() { SwitchPath(ui_->Edit6, ui_->Button4, ui_->CheckBox3->isChecked()); }
void TForm3::CheckBox4Click() { SwitchPath(ui_->Edit7, ui_->Button5, ui_->CheckBox4->isChecked()); }

void TForm3::Edit1Exit(QLineEdit* sender) {
  if (TUpDown* field = FieldOf(sender)) field->TakeText();
}

void TForm3::Browse(QLineEdit* edit) {
  FileOpenRequest request;
  request.Title = tr("%1 - Browse for wav file").arg(QString::fromLatin1(ProductName));
  // Qt would read "*.*" as names with a dot only; every file is meant.
  request.Filters = {{tr("Wav files (*.wav)"), QStringLiteral("*.wav")}, {tr("All files (*.*)"), QStringLiteral("*")}};
  request.FilterIndex = 0;
  request.StartFolder = QFile::decodeName(browseFolder_);
  const std::optional<QString> chosen = browser_.ChooseFile(this, request);
  if (!chosen) return;
  edit->setText(*chosen);
  browseFolder_ = QFile::encodeName(QFileInfo(*chosen).absolutePath());
}

void TForm3::Button3Click() { Browse(ui_->Edit5); }
void TForm3::Button4Click() { Browse(ui_->Edit6); }
void TForm3::Button5Click() { Browse(ui_->Edit7); }

bool TForm3::Ask(const QString& question) {
  TMessageBox box(QMessageBox::Question, OptionsTitle(), question, QMessageBox::Yes | QMessageBox::No, this);
  return box.exec() == QMessageBox::Yes;
}

void TForm3::Button6Click() {
  if (!Ask(tr("Reset hi score?"))) return;
  ui_->Label13->setText(QStringLiteral("0"));
  ui_->Label15->clear();
}

void TForm3::Button7Click() {
  help_.ShowContext(OptionsHelpContext);
  helpOpened_ = true;
}

void TForm3::Button8Click() {
  if (!Ask(tr("Reset defaults for custom skill level?"))) return;
  const GameSettings defaults;
  ui_->UpDown1->SetPosition(defaults.MoveMax);
  ui_->UpDown2->SetPosition(defaults.MaxMax);
  ui_->UpDown3->SetPosition(defaults.WallMax);
  ui_->UpDown4->SetPosition(defaults.WallNum);
  ui_->TrackBar1->setValue(SpeedToSliderPosition(defaults.SnakeSpeed));
}

void TForm3::Button2Click() {
  // Enter closes the dialog without the focus leaving the field typed in;
  // what it shows must still be what is taken.
  if (TUpDown* field = FieldOf(focusWidget())) field->TakeText();

  if (ui_->CheckBox1->isChecked()) {
    for (const SoundRow& sound : soundRows_) {
      // Empty text names no file, and a folder is not one.
      if (!sound.Box->isChecked() || NamesAFile(*sound.Path)) continue;
      ui_->PageControl1->setCurrentWidget(ui_->TabSheet3);
      TMessageBox box(QMessageBox::Warning, OptionsTitle(), tr(sound.Invalid), QMessageBox::Ok, this);
      box.exec();
      // Selected whole, so that typing replaces the bad path.
      sound.Path->setFocus();
      sound.Path->selectAll();
      return;
    }
  }
  accept();
}

}  // namespace quorvane
