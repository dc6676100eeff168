#pragma once

#include <QWidget>

class QLineEdit;
class QToolButton;

namespace quorvane {

// Spin buttons attached to the right of a text box. The two behave as one
// number field: the position is a whole number held within the range and
// shown as the box's text. The player may type anything into the box; the
// text is read as a number only when TakeText() runs (the owner calls it when
// the box loses the focus). The buttons and the Up and Down keys step the
// position by one and stop at the ends of the range.
class TUpDown final : public QWidget {
  Q_OBJECT
 public:
  explicit TUpDown(QWidget* parent);

  // Places the buttons against the box's right edge, at its height, and shows
  // the position in it.
  void SetAssociate(QLineEdit* edit);
  QLineEdit* Associate() const { return associate_; }

  int Position() const { return position_; }
  // The position is held within the new range.
  void SetRange(int min, int max);
  void SetPosition(int position);

  // Reads the box's text as a whole number (leading blanks and a sign
  // allowed, as the settings file's integers) and makes it the position,
  // held within the range. Text that is no number puts the position back.
  void TakeText();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void Step(int delta);
  void ShowPosition();

  QLineEdit* associate_ = nullptr;
  QToolButton* up_ = nullptr;
  QToolButton* down_ = nullptr;
  int min_ = 0;
  int max_ = 100;
  int position_ = 0;
};

}  // namespace quorvane
