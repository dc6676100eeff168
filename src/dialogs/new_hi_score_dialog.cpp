#include "dialogs/new_hi_score_dialog.h"

#include "dialogs/text_limit.h"
#include "product/product.h"
#include "settings/game_settings.h"
#include "settings/registered_owner.h"
#include "ui_new_hi_score_dialog.h"
#include "widgets/first_show.h"
#include "widgets/form_design.h"
#include "widgets/window_placement.h"

namespace quorvane {

TForm4::TForm4(QWidget* owner) : QDialog(owner), ui_(std::make_unique<Ui::TForm4>()) {
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
  ui_->setupUi(this);
  FinishDesign(*this);
  // No longer than the settings file gives back, so a restart shows it whole.
  LimitUtf8Bytes(*ui_->Edit1, MaxSettingTextBytes);
  connect(ui_->Button1, &QPushButton::clicked, this, &QDialog::accept);
  RunOnFirstShow(*this, [this] { FormShow(); });
  ui_->Edit1->setFocus();
  CentreOnScreen(*this);
}

TForm4::~TForm4() = default;

void TForm4::SetScore(int32_t score) { ui_->Label2->setText(QString::number(score)); }

QString TForm4::Name() const { return ui_->Edit1->text(); }

void TForm4::FormShow() {
  // The caption comes only now, as the design has it.
  setWindowTitle(windowTitle().arg(QString::fromLatin1(ProductName)));
  ui_->Edit1->setText(QString::fromStdString(RegisteredOwnerName()));
  ui_->Edit1->selectAll();
}

}  // namespace quorvane
