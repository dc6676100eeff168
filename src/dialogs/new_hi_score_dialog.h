#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace quorvane {

// Asks for the name of whoever has just set a new hi score. There is no
// cancel: however it closes, the caller takes the name field's text.
class TForm4 final : public QDialog {
  Q_OBJECT
 public:
  explicit TForm4(QWidget* owner);

  void SetScore(int32_t score);
  QString Name() const;

 private:
  QLabel* Label1 = nullptr;
  QLabel* Label2 = nullptr;
  QLabel* Label3 = nullptr;
  QLineEdit* Edit1 = nullptr;
  QPushButton* Button1 = nullptr;

  void FormShow();
};

}  // namespace quorvane
