#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;

namespace quorvane {

class TEmaillabel;
class TUrlLabel;

// The product's web site and the support mail address, as set for this build.
QString ProductWebAddress();
QString SupportEmailAddress();

// The About box: the product, its copyright, the studio's logo and the two
// links. OK or the close box closes it; Esc does not.
class TForm5 final : public QDialog {
  Q_OBJECT
 public:
  explicit TForm5(QWidget* owner);

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QFrame* Bevel3 = nullptr;
  QLabel* Label1 = nullptr;
  QLabel* Label6 = nullptr;
  QLabel* Label2 = nullptr;
  QFrame* Bevel1 = nullptr;
  QLabel* Image1 = nullptr;
  QLabel* Label3 = nullptr;
  TUrlLabel* UrlLabel1 = nullptr;
  QLabel* Label4 = nullptr;
  TEmaillabel* Emaillabel1 = nullptr;
  QFrame* Bevel2 = nullptr;
  QPushButton* Button1 = nullptr;
};

}  // namespace quorvane
