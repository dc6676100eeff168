#include "dialogs/about_box.h"

#include <QKeyEvent>

#include "product/product.h"
#include "ui_about_box.h"
#include "widgets/accessibility.h"
#include "widgets/form_design.h"
#include "widgets/link_labels.h"
#include "widgets/qt_images.h"
#include "widgets/window_placement.h"

namespace quorvane {

QString ProductWebAddress() { return QStringLiteral(QUORVANE_WEB_ADDRESS); }
QString SupportEmailAddress() { return QStringLiteral(QUORVANE_SUPPORT_EMAIL); }

TForm5::TForm5(QWidget* owner) : QDialog(owner), ui_(std::make_unique<Ui::TForm5>()) {
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
  ui_->setupUi(this);
  const QString product = QString::fromLatin1(ProductName);
  setWindowTitle(windowTitle().arg(product));
  ui_->Label1->setText(ui_->Label1->text().arg(product, QString::fromLatin1(ProductVersion)));
  ui_->Label6->setText(ui_->Label6->text().arg(QString::fromLatin1(StudioName)));
  ui_->Image1->setPixmap(QPixmap::fromImage(AboutLogoImage()));

  ui_->UrlLabel1->setText(ProductWebAddress());
  ui_->UrlLabel1->SetURL(ProductWebAddress());
  ui_->Emaillabel1->setText(SupportEmailAddress());
  ui_->Emaillabel1->SetRecipient(SupportEmailAddress());
  // Each link is described by the words that introduce it.
  ui_->UrlLabel1->setAccessibleDescription(SpokenCaption(ui_->Label3->text()));
  ui_->Emaillabel1->setAccessibleDescription(SpokenCaption(ui_->Label4->text()));
  FinishDesign(*this);

  connect(ui_->Button1, &QPushButton::clicked, this, &QDialog::accept);
  ui_->Button1->setFocus();
  CentreOnScreen(*this);
}

TForm5::~TForm5() = default;

void TForm5::keyPressEvent(QKeyEvent* event) {
  // No Cancel button, so Esc has nothing to press.
  if (event->matches(QKeySequence::Cancel)) {
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

}  // namespace quorvane
