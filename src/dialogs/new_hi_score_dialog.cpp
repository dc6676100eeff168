#include "dialogs/new_hi_score_dialog.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "dialogs/text_limit.h"
#include "product/product.h"
#include "settings/game_settings.h"
#include "settings/registered_owner.h"
#include "widgets/accessibility.h"
#include "widgets/design_names.h"
#include "widgets/first_show.h"
#include "widgets/plain_text.h"
#include "widgets/window_placement.h"

namespace quorvane {

TForm4::TForm4(QWidget* owner) : QDialog(owner) {
  QFont font(QStringLiteral("MS Sans Serif"));
  font.setPixelSize(11);
  setFont(font);
  setFixedSize(293, 135);
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);

  auto* frame = new QFrame(this);
  frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
  frame->setGeometry(8, 8, 275, 83);
  Label1 = NewLabel(tr("Score : "), this);
  Label1->move(20, 20);
  Label1->adjustSize();
  Label2 = NewLabel(this);
  const int scoreLeft = AfterCaption(*Label1, 56);
  Label2->setGeometry(scoreLeft, 20, 56 + 97 - scoreLeft, 13);
  Label3 = NewLabel(tr("Your &name :"), this);
  Label3->move(20, 40);
  Edit1 = new QLineEdit(this);
  Edit1->setGeometry(18, 56, 253, 21);
  // No longer than the settings file gives back, so a restart shows it whole.
  LimitUtf8Bytes(*Edit1, MaxSettingTextBytes);
  Label3->setBuddy(Edit1);
  Edit1->setAccessibleName(SpokenCaption(Label3->text()));
  Button1 = new QPushButton(tr("&Ok"), this);
  Button1->setGeometry(109, 102, 75, 25);
  Button1->setDefault(true);
  connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
  RunOnFirstShow(*this, [this] { FormShow(); });
  Edit1->setFocus();
  CentreOnScreen(*this);
  NameAfterDesign({{Label1, "Label1"}, {Label2, "Label2"}, {Label3, "Label3"}, {Edit1, "Edit1"}, {Button1, "Button1"}});
}

void TForm4::SetScore(int32_t score) { Label2->setText(QString::number(score)); }

QString TForm4::Name() const { return Edit1->text(); }

void TForm4::FormShow() {
  setWindowTitle(tr("%1 - New hi score").arg(QString::fromLatin1(ProductName)));
  Edit1->setText(QString::fromStdString(RegisteredOwnerName()));
  Edit1->selectAll();
}

}  // namespace quorvane
