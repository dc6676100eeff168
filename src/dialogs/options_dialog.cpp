#include "dialogs/options_dialog.h"

#include <QApplication>
#include <QCheckBox>
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
#include "widgets/accessibility.h"
#include "widgets/design_names.h"
#include "widgets/first_show.h"
#include "widgets/plain_text.h"
#include "widgets/window_placement.h"

namespace quorvane {

namespace {

QString OptionsTitle() { return TForm3::tr("%1 - Options").arg(QString::fromLatin1(ProductName)); }

QLabel* Text(QWidget* page, const QString& text, int left, int top) {
  auto* label = NewLabel(text, page);
  label->move(left, top);
  label->adjustSize();
  return label;
}

QRadioButton* Radio(QWidget* page, const QString& caption, int left, int top, int width) {
  auto* button = new QRadioButton(caption, page);
  button->setGeometry(left, top, width, 17);
  return button;
}

QCheckBox* Check(QWidget* page, const QString& caption, int left, int top) {
  auto* box = new QCheckBox(caption, page);
  box->setGeometry(left, top, 187, 17);
  return box;
}

QPushButton* Push(QWidget* parent, const QString& caption, int left, int top, int width, int height) {
  auto* button = new QPushButton(caption, parent);
  button->setGeometry(left, top, width, height);
  return button;
}

QFrame* FramedBevel(QWidget* page) {
  auto* bevel = new QFrame(page);
  bevel->setFrameStyle(QFrame::Box | QFrame::Sunken);
  bevel->setGeometry(4, 4, 356, 219);
  return bevel;
}

QFrame* Rule(QWidget* page) {
  auto* line = new QFrame(page);
  line->setFrameStyle(QFrame::HLine | QFrame::Sunken);
  line->setGeometry(8, 33, 348, 7);
  return line;
}

// A field that can be typed in shows the window colour, one that cannot the
// button face, whatever the style would paint.
void PaintField(QLineEdit* edit, bool enabled) {
  const QColor colour = QApplication::palette().color(QPalette::Active, enabled ? QPalette::Base : QPalette::Button);
  QPalette palette = edit->palette();
  for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
    palette.setColor(group, QPalette::Base, colour);
  edit->setPalette(palette);
}

// 8 points at 96 dots per inch; the start-up substitution picks the face.
QFont DialogFont() {
  QFont font(QStringLiteral("MS Sans Serif"));
  font.setPixelSize(11);
  return font;
}

// A field known to screen readers by the caption that introduces it.
void NameAfter(QWidget* field, const QString& caption) { field->setAccessibleName(SpokenCaption(caption)); }

void EnableAll(std::initializer_list<QWidget*> widgets, bool enabled) {
  for (QWidget* widget : widgets) widget->setEnabled(enabled);
}

}  // namespace

TForm3::TForm3(QWidget* owner, HelpService& help, bool& helpOpened, WavFileBrowser& browser)
    : QDialog(owner), help_(help), helpOpened_(helpOpened), browser_(browser) {
  setFont(DialogFont());
  setFixedSize(388, 304);
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);

  PageControl1 = new QTabWidget(this);
  PageControl1->setGeometry(8, 8, 373, 257);
  TabSheet1 = new QWidget;
  TabSheet2 = new QWidget;
  TabSheet3 = new QWidget;
  TabSheet4 = new QWidget;
  PageControl1->addTab(TabSheet1, tr("Skill level"));
  PageControl1->addTab(TabSheet2, tr("Position"));
  PageControl1->addTab(TabSheet3, tr("Sounds"));
  PageControl1->addTab(TabSheet4, tr("Hi score"));
  for (int i = 0; i < PageControl1->count(); ++i) PageControl1->widget(i)->setAccessibleName(PageControl1->tabText(i));
  Bevel1 = FramedBevel(TabSheet1);
  Bevel2 = FramedBevel(TabSheet2);
  Bevel3 = FramedBevel(TabSheet3);
  Bevel4 = FramedBevel(TabSheet4);
  BuildSkillPage();
  BuildPositionPage();
  BuildSoundsPage();
  BuildHiScorePage();

  Button7 = Push(this, tr("&Help"), 8, 272, 75, 25);
  Button2 = Push(this, tr("&Ok"), 226, 272, 75, 25);
  Button1 = Push(this, tr("&Cancel"), 306, 272, 75, 25);
  Button2->setDefault(true);
  connect(Button7, &QPushButton::clicked, this, &TForm3::Button7Click);
  connect(Button2, &QPushButton::clicked, this, &TForm3::Button2Click);
  connect(Button1, &QPushButton::clicked, this, &QDialog::reject);
  SetTabOrder();
  RunOnFirstShow(*this, [this] { FormShow(); });

  CentreOnScreen(*this);
  // clang-format off
  NameAfterDesign({
      {PageControl1, "PageControl1"}, {TabSheet1, "TabSheet1"}, {TabSheet2, "TabSheet2"}, {TabSheet3, "TabSheet3"},
      {TabSheet4, "TabSheet4"}, {Bevel1, "Bevel1"}, {Bevel2, "Bevel2"}, {Bevel3, "Bevel3"}, {Bevel4, "Bevel4"},
      {Bevel5, "Bevel5"}, {Bevel6, "Bevel6"}, {RadioButton1, "RadioButton1"}, {RadioButton2, "RadioButton2"},
      {RadioButton3, "RadioButton3"}, {RadioButton4, "RadioButton4"}, {Label1, "Label1"}, {Edit1, "Edit1"},
      {UpDown1, "UpDown1"}, {Label2, "Label2"}, {Label3, "Label3"}, {TrackBar1, "TrackBar1"}, {Label4, "Label4"},
      {Label5, "Label5"}, {Label7, "Label7"}, {Edit2, "Edit2"}, {UpDown2, "UpDown2"}, {Label6, "Label6"},
      {Label8, "Label8"}, {Edit3, "Edit3"}, {UpDown3, "UpDown3"}, {Label9, "Label9"}, {Label10, "Label10"},
      {Edit4, "Edit4"}, {UpDown4, "UpDown4"}, {Button8, "Button8"}, {RadioButton5, "RadioButton5"},
      {RadioButton6, "RadioButton6"}, {RadioButton7, "RadioButton7"}, {RadioGroup1, "RadioGroup1"},
      {Label11, "Label11"}, {Edit8, "Edit8"}, {UpDown5, "UpDown5"}, {Label16, "Label16"}, {Edit9, "Edit9"},
      {UpDown6, "UpDown6"}, {CheckBox1, "CheckBox1"}, {CheckBox2, "CheckBox2"}, {Edit5, "Edit5"},
      {Button3, "Button3"}, {CheckBox3, "CheckBox3"}, {Edit6, "Edit6"}, {Button4, "Button4"},
      {CheckBox4, "CheckBox4"}, {Edit7, "Edit7"}, {Button5, "Button5"}, {Label12, "Label12"}, {Label13, "Label13"},
      {Label14, "Label14"}, {Label15, "Label15"}, {Button6, "Button6"}, {Button7, "Button7"}, {Button2, "Button2"},
      {Button1, "Button1"}});
  // clang-format on
}

QLineEdit* TForm3::NumberField(QWidget* page, int left, int top, int width, int min, int max, TUpDown** upDown) {
  auto* edit = new QLineEdit(page);
  edit->setGeometry(left, top, width, 21);
  auto* buttons = new TUpDown(page);
  buttons->SetRange(min, max);
  buttons->SetAssociate(edit);
  edit->installEventFilter(this);
  numberFields_.append(buttons);
  *upDown = buttons;
  return edit;
}

void TForm3::BuildSkillPage() {
  QWidget* page = TabSheet1;
  RadioButton1 = Radio(page, tr("&Easy"), 20, 12, 51);
  RadioButton2 = Radio(page, tr("&Intermediate"), 107, 12, 89);
  RadioButton3 = Radio(page, tr("&Difficult"), 195, 12, 63);
  RadioButton4 = Radio(page, tr("C&ustom", "skill level"), 282, 12, 63);
  Bevel5 = Rule(page);
  Label1 = Text(page, tr("&Grow snake after "), 20, 50);
  Edit1 = NumberField(page, 104, 46, 25, 1, 20, &UpDown1);
  Label2 = Text(page, tr("moves"), 148, 50);
  Label3 = Text(page, tr("I&nitial snake speed"), 20, 72);
  TrackBar1 = new QSlider(Qt::Horizontal, page);
  TrackBar1->setGeometry(12, 86, 335, 33);
  TrackBar1->setRange(0, SpeedSliderMax);
  TrackBar1->setTickPosition(QSlider::TicksBelow);
  TrackBar1->setTickInterval(1);
  TrackBar1->setPageStep(2);
  Label4 = Text(page, tr("Slow"), 22, 118);
  Label5 = Text(page, tr("Fast"), 320, 118);
  Label7 = Text(page, tr("Inc&rease snake speed after"), 20, 139);
  Edit2 = NumberField(page, 152, 136, 25, 1, 20, &UpDown2);
  // It counts the snake's growths, not its steps: other languages say so.
  Label6 = Text(page, tr("moves", "growths"), 196, 140);
  Label8 = Text(page, tr("&Add walls after eating"), 20, 168);
  Edit3 = NumberField(page, 124, 164, 25, 1, 20, &UpDown3);
  Label9 = Text(page, tr("blobs"), 168, 168);
  Label10 = Text(page, tr("Number of &walls to add "), 40, 196);
  Edit4 = NumberField(page, 152, 192, 25, 1, 5, &UpDown4);
  Button8 = Push(page, tr("&Use defaults"), 272, 186, 75, 25);
  Label1->setBuddy(Edit1);
  // Its access key would otherwise lead nowhere; the slider is the next field.
  Label3->setBuddy(TrackBar1);
  Label7->setBuddy(Edit2);
  Label8->setBuddy(Edit3);
  Label10->setBuddy(Edit4);
  for (QLabel* label : {Label1, Label3, Label7, Label8, Label10}) NameAfter(label->buddy(), label->text());
  TrackBar1->setAccessibleDescription(tr("From Slow to Fast"));

  for (QRadioButton* button : {RadioButton1, RadioButton2, RadioButton3, RadioButton4}) {
    // Checking a button, by a click or by the program, runs the rule; a
    // button that is already checked changes nothing.
    connect(button, &QRadioButton::toggled, this, [this](bool checked) {
      if (checked) RadioButton1Click();
    });
  }
  MakeOneTabStop({RadioButton1, RadioButton2, RadioButton3, RadioButton4});
  connect(Button8, &QPushButton::clicked, this, &TForm3::Button8Click);
}

void TForm3::BuildPositionPage() {
  QWidget* page = TabSheet2;
  RadioButton5 = Radio(page, tr("&Default"), 20, 12, 65);
  RadioButton6 = Radio(page, tr("&Random"), 148, 12, 63);
  RadioButton7 = Radio(page, tr("C&ustom", "start position"), 276, 12, 65);
  Bevel6 = Rule(page);
  RadioGroup1 = new TRadioGroup(tr("Initial direction"), {tr("Do&wn"), tr("&Left"), tr("R&ight"), tr("U&p")}, page);
  RadioGroup1->setGeometry(20, 44, 101, 105);
  Label11 = Text(page, tr("&Vertical position :"), 142, 60);
  Edit8 = NumberField(page, 224, 56, 27, 0, BoardRows - 1, &UpDown5);
  Label16 = Text(page, tr("Hori&zontal position :"), 142, 96);
  Edit9 = NumberField(page, 236, 94, 27, 0, BoardColumns - 1, &UpDown6);
  Label11->setBuddy(Edit8);
  Label16->setBuddy(Edit9);
  NameAfter(Edit8, Label11->text());
  NameAfter(Edit9, Label16->text());

  for (QRadioButton* button : {RadioButton5, RadioButton6, RadioButton7}) {
    connect(button, &QRadioButton::toggled, this, [this](bool checked) {
      if (checked) RadioButton5Click();
    });
  }
  MakeOneTabStop({RadioButton5, RadioButton6, RadioButton7});
  connect(RadioGroup1, &TRadioGroup::itemIndexChanged, this, &TForm3::RadioGroup1Click);
}

void TForm3::BuildSoundsPage() {
  QWidget* page = TabSheet3;
  CheckBox1 = new QCheckBox(tr("&Play sounds"), page);
  CheckBox1->setGeometry(15, 12, 97, 17);
  CheckBox2 = Check(page, tr("Play &sound for blue blob"), 15, 32);
  Edit5 = new QLineEdit(page);
  Edit5->setGeometry(32, 52, 247, 21);
  Button3 = Push(page, tr("&Browse ..."), 285, 52, 65, 22);
  CheckBox3 = Check(page, tr("Play so&und for game over"), 15, 82);
  Edit6 = new QLineEdit(page);
  Edit6->setGeometry(32, 102, 247, 21);
  Button4 = Push(page, tr("B&rowse ..."), 285, 102, 65, 22);
  CheckBox4 = Check(page, tr("Play soun&d for new hi score"), 15, 130);
  Edit7 = new QLineEdit(page);
  Edit7->setGeometry(32, 150, 247, 21);
  Button5 = Push(page, tr("Bro&wse ..."), 285, 150, 65, 22);

  soundRows_ = {{{CheckBox2, Edit5, Button3, QT_TR_NOOP("Choose the blue blob sound"),
                  QT_TR_NOOP("Invalid blob sound specified.")},
                 {CheckBox3, Edit6, Button4, QT_TR_NOOP("Choose the game over sound"),
                  QT_TR_NOOP("Invalid game over sound specified.")},
                 {CheckBox4, Edit7, Button5, QT_TR_NOOP("Choose the new hi score sound"),
                  QT_TR_NOOP("Invalid new Hi score sounds specified.")}}};
  for (const SoundRow& sound : soundRows_) {
    NameAfter(sound.Path, sound.Box->text());
    sound.Browse->setAccessibleDescription(tr(sound.Purpose));
  }

  connect(CheckBox1, &QCheckBox::toggled, this, &TForm3::CheckBox1Click);
  connect(CheckBox2, &QCheckBox::toggled, this, &TForm3::CheckBox2Click);
  connect(CheckBox3, &QCheckBox::toggled, this, &TForm3::CheckBox3Click);
  connect(CheckBox4, &QCheckBox::toggled, this, &TForm3::CheckBox4Click);
  connect(Button3, &QPushButton::clicked, this, &TForm3::Button3Click);
  connect(Button4, &QPushButton::clicked, this, &TForm3::Button4Click);
  connect(Button5, &QPushButton::clicked, this, &TForm3::Button5Click);
}

void TForm3::BuildHiScorePage() {
  QWidget* page = TabSheet4;
  Label12 = Text(page, tr("Hi score : "), 14, 18);
  Label14 = Text(page, tr("Set by : "), 14, 46);
  // The values run to the page's frame: a long name is not cut short.
  Label13 = NewLabel(page);
  Label13->setGeometry(AfterCaption(*Label12, 64), 18, 350 - AfterCaption(*Label12, 64), Label12->height());
  Label15 = NewLabel(page);
  Label15->setGeometry(AfterCaption(*Label14, 64), 46, 350 - AfterCaption(*Label14, 64), Label14->height());
  Button6 = Push(page, tr("&Reset"), 272, 186, 75, 25);
  connect(Button6, &QPushButton::clicked, this, &TForm3::Button6Click);
}

void TForm3::SetTabOrder() {
  const QList<QWidget*> order{PageControl1,
                              RadioButton1,
                              RadioButton2,
                              RadioButton3,
                              RadioButton4,
                              Edit1,
                              TrackBar1,
                              Edit2,
                              Edit3,
                              Edit4,
                              Button8,
                              RadioButton5,
                              RadioButton6,
                              RadioButton7,
                              RadioGroup1->Item(0),
                              RadioGroup1->Item(1),
                              RadioGroup1->Item(2),
                              RadioGroup1->Item(3),
                              Edit8,
                              Edit9,
                              CheckBox1,
                              CheckBox2,
                              Edit5,
                              Button3,
                              CheckBox3,
                              Edit6,
                              Button4,
                              CheckBox4,
                              Edit7,
                              Button5,
                              Button6,
                              Button7,
                              Button1,
                              Button2};
  for (int i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
}

void TForm3::FormShow() {
  setWindowTitle(OptionsTitle());
  PageControl1->setCurrentIndex(0);
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
  const bool custom = RadioButton4->isChecked();
  EnableAll({Label1,  Edit1,  UpDown1, Label2, Label3,  TrackBar1, Label4,  Label5, Label7,  Edit2,
             UpDown2, Label6, Label8,  Edit3,  UpDown3, Label9,    Label10, Edit4,  UpDown4, Button8},
            custom);
  for (QLineEdit* edit : {Edit1, Edit2, Edit3, Edit4}) PaintField(edit, custom);
}

void TForm3::RadioButton5Click() {
  const bool custom = RadioButton7->isChecked();
  EnableAll({RadioGroup1, Label11, Edit8, UpDown5, Label16, Edit9, UpDown6}, custom);
  PaintField(Edit8, custom);
  PaintField(Edit9, custom);
}

void TForm3::RadioGroup1Click() {
  // The tail's cell must leave room for the whole snake and one free cell
  // ahead of its head, whatever length the last game had.
  const int length = StartSnakeLength;
  int columnMin = 0, columnMax = BoardColumns - 1, rowMin = 0, rowMax = BoardRows - 1;
  const int direction = RadioGroup1->ItemIndex();
  switch (direction) {
    case Down: rowMax = BoardRows - 1 - length; break;
    case Left: columnMin = length; break;
    case Right: columnMax = BoardColumns - 1 - length; break;
    case Up: rowMin = length; break;
    default: break;
  }
  UpDown6->SetRange(columnMin, columnMax);
  UpDown5->SetRange(rowMin, rowMax);
  if (direction == customDirection_) {
    UpDown5->SetPosition(customVPos_);
    UpDown6->SetPosition(customHPos_);
  } else {
    UpDown5->SetPosition(rowMax);
    UpDown6->SetPosition(columnMax);
  }
}

void TForm3::SwitchPath(QLineEdit* edit, QPushButton* browse, bool on) {
  edit->setEnabled(on);
  browse->setEnabled(on);
  PaintField(edit, on);
  if (on && edit->isVisible()) edit->setFocus();
}

void TForm3::CheckBox1Click() {
  const bool play = CheckBox1->isChecked();
  for (const SoundRow& sound : soundRows_) {
    sound.Box->setEnabled(play);
    SwitchPath(sound.Path, sound.Browse, play && sound.Box->isChecked());
  }
}

void TForm3::CheckBox2Click() { SwitchPath(Edit5, Button3, CheckBox2->isChecked()); }
void TForm3::CheckBox3Click() { SwitchPath(Edit6, Button4, CheckBox3->isChecked()); }
void TForm3::CheckBox4Click() { SwitchPath(Edit7, Button5, CheckBox4->isChecked()); }

void TForm3::Edit1Exit(QLineEdit* sender) {
  if (TUpDown* field = FieldOf(sender)) field->TakeText();
}

void TForm3::Browse(QLineEdit* edit) {
  FileOpenRequest request;
  request.Title = tr("%1 - Browse for wav file").arg(QString::fromLatin1(ProductName));
  // Qt would read "*.*" as names with a dot only; every file is meant.
  request.Filters = {{tr("Wav files (*.wav)"), QStringLiteral("*.wav")}, {tr("All files (*.*)"), QStringLiteral("*")}};
  request.FilterIndex = 0;
  request.StartFolder = browseFolder_;
  const std::optional<QString> chosen = browser_.ChooseFile(this, request);
  if (!chosen) return;
  edit->setText(*chosen);
  browseFolder_ = QFileInfo(*chosen).absolutePath();
}

void TForm3::Button3Click() { Browse(Edit5); }
void TForm3::Button4Click() { Browse(Edit6); }
void TForm3::Button5Click() { Browse(Edit7); }

bool TForm3::Ask(const QString& question) {
  TMessageBox box(QMessageBox::Question, OptionsTitle(), question, QMessageBox::Yes | QMessageBox::No, this);
  return box.exec() == QMessageBox::Yes;
}

void TForm3::Button6Click() {
  if (!Ask(tr("Reset hi score?"))) return;
  Label13->setText(QStringLiteral("0"));
  Label15->clear();
}

void TForm3::Button7Click() {
  help_.ShowContext(OptionsHelpContext);
  helpOpened_ = true;
}

void TForm3::Button8Click() {
  if (!Ask(tr("Reset defaults for custom skill level?"))) return;
  const GameSettings defaults;
  UpDown1->SetPosition(defaults.MoveMax);
  UpDown2->SetPosition(defaults.MaxMax);
  UpDown3->SetPosition(defaults.WallMax);
  UpDown4->SetPosition(defaults.WallNum);
  TrackBar1->setValue(SpeedToSliderPosition(defaults.SnakeSpeed));
}

void TForm3::Button2Click() {
  // Enter closes the dialog without the focus leaving the field typed in;
  // what it shows must still be what is taken.
  if (TUpDown* field = FieldOf(focusWidget())) field->TakeText();

  if (CheckBox1->isChecked()) {
    for (const SoundRow& sound : soundRows_) {
      // Empty text names no file, and a folder is not one.
      if (!sound.Box->isChecked() || NamesAFile(*sound.Path)) continue;
      PageControl1->setCurrentWidget(TabSheet3);
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
