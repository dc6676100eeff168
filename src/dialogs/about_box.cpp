#include "dialogs/about_box.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include "product/product.h"
#include "widgets/accessibility.h"
#include "widgets/design_names.h"
#include "widgets/link_labels.h"
#include "widgets/plain_text.h"
#include "widgets/qt_images.h"
#include "widgets/window_placement.h"

namespace quorvane {

QString ProductWebAddress() { return QStringLiteral(QUORVANE_WEB_ADDRESS); }
QString SupportEmailAddress() { return QStringLiteral(QUORVANE_SUPPORT_EMAIL); }

namespace {

constexpr int kClientWidth = 363;
constexpr int kClientHeight = 273;

QLabel* TextLabel(QWidget* owner, const QString& text, int left, int top) {
  QLabel* label = NewLabel(text, owner);
  label->adjustSize();
  label->move(left, top);
  return label;
}

// A line of the heading, centred on the box for whatever width its text has.
QLabel* CentredLine(QWidget* owner, const QString& text, int top) {
  QLabel* label = TextLabel(owner, text, 0, top);
  label->move((kClientWidth - label->width()) / 2, top);
  return label;
}

QFrame* SunkenFrame(QWidget* owner, int left, int top, int width, int height) {
  auto* frame = new QFrame(owner);
  frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
  frame->setGeometry(left, top, width, height);
  return frame;
}

// A link just after the words that introduce it, as wide as its text: at
// its designed place, or further right where a language's words are longer.
void PlaceLink(QLabel& link, const QLabel& words, int left, int top) {
  link.setTextFormat(Qt::PlainText);
  link.adjustSize();
  link.move(AfterCaption(words, left), top);
  link.setCursor(Qt::PointingHandCursor);
  link.setAccessibleDescription(SpokenCaption(words.text()));
}

}  // namespace

TForm5::TForm5(QWidget* owner) : QDialog(owner) {
  setWindowTitle(tr("About %1").arg(QString::fromLatin1(ProductName)));
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
  QFont font(QStringLiteral("MS Sans Serif"));
  font.setPixelSize(11);
  setFont(font);
  setFixedSize(kClientWidth, kClientHeight);

  Bevel3 = SunkenFrame(this, 17, 10, 329, 153);
  Label1 = CentredLine(
      this, QStringLiteral("%1 v%2").arg(QString::fromLatin1(ProductName), QString::fromLatin1(ProductVersion)), 16);
  Label6 = CentredLine(this, QStringLiteral("Copyright \u00A9 2026 %1").arg(QString::fromLatin1(StudioName)), 34);
  Label2 = CentredLine(this, tr("All rights reserved."), 52);
  Bevel1 = SunkenFrame(this, 79, 74, 205, 81);
  Image1 = NewLabel(this);
  Image1->setGeometry(81, 76, 200, 77);
  Image1->setPixmap(QPixmap::fromImage(AboutLogoImage()));

  Label3 = TextLabel(this, tr("For the latest version see"), 60, 174);
  UrlLabel1 = new TUrlLabel(this);
  UrlLabel1->setText(ProductWebAddress());
  UrlLabel1->SetURL(ProductWebAddress());
  PlaceLink(*UrlLabel1, *Label3, 192, 174);

  Label4 = TextLabel(this, tr("For bug reports / suggestions email"), 18, 194);
  Emaillabel1 = new TEmaillabel(this);
  Emaillabel1->setText(SupportEmailAddress());
  Emaillabel1->SetRecipient(SupportEmailAddress());
  PlaceLink(*Emaillabel1, *Label4, 196, 194);

  Bevel2 = new QFrame(this);
  Bevel2->setFrameStyle(QFrame::HLine | QFrame::Sunken);
  Bevel2->setGeometry(0, 222, 365, 3);

  Button1 = new QPushButton(tr("OK"), this);
  Button1->setGeometry(144, 236, 75, 25);
  Button1->setDefault(true);
  connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
  Button1->setFocus();

  CentreOnScreen(*this);
  // clang-format off
  NameAfterDesign({
      {Bevel3, "Bevel3"}, {Label1, "Label1"}, {Label6, "Label6"}, {Label2, "Label2"}, {Bevel1, "Bevel1"},
      {Image1, "Image1"}, {Label3, "Label3"}, {UrlLabel1, "UrlLabel1"}, {Label4, "Label4"},
      {Emaillabel1, "Emaillabel1"}, {Bevel2, "Bevel2"}, {Button1, "Button1"}});
  // clang-format on
}

void TForm5::keyPressEvent(QKeyEvent* event) {
  // No Cancel button, so Esc has nothing to press.
  if (event->matches(QKeySequence::Cancel)) {
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

}  // namespace quorvane
