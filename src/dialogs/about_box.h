#pragma once

#include <QDialog>
#include <memory>

namespace quorvane {

namespace Ui {
class TForm5;
}

// The product's web site and the support mail address, as set for this build.
QString ProductWebAddress();
QString SupportEmailAddress();

// The About box: the product, its copyright, the studio's logo and the two
// links. OK or the close box closes it; Esc does not.
class TForm5 final : public QDialog {
  Q_OBJECT
 public:
  explicit TForm5(QWidget* owner);
  ~TForm5() override;

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  std::unique_ptr<Ui::TForm5> ui_;
};

}  // namespace quorvane
