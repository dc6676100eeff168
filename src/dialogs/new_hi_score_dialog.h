#pragma once

#include <QDialog>
#include <memory>

namespace quorvane {

namespace Ui {
class TForm4;
}

// Asks for the name of whoever has just set a new hi score. There is no
// cancel: however it closes, the caller takes the name field's text.
class TForm4 final : public QDialog {
  Q_OBJECT
 public:
  explicit TForm4(QWidget* owner);
  ~TForm4() override;

  void SetScore(int32_t score);
  QString Name() const;

 private:
  std::unique_ptr<Ui::TForm4> ui_;

  void FormShow();
};

}  // namespace quorvane
