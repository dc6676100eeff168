#include "dialogs/up_down.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <algorithm>

#include "settings/profile_text.h"

namespace quorvane {

namespace {

constexpr int kButtonWidth = 15;

QToolButton* ArrowButton(Qt::ArrowType arrow, const QString& name, QWidget* parent) {
  auto* button = new QToolButton(parent);
  button->setArrowType(arrow);
  button->setAccessibleName(name);
  button->setAutoRepeat(true);
  // The box keeps the focus while the buttons are pressed, as in one control.
  button->setFocusPolicy(Qt::NoFocus);
  return button;
}

}  // namespace

TUpDown::TUpDown(QWidget* parent) : QWidget(parent) {
  up_ = ArrowButton(Qt::UpArrow, tr("Up"), this);
  down_ = ArrowButton(Qt::DownArrow, tr("Down"), this);
  connect(up_, &QToolButton::clicked, this, [this] { Step(1); });
  connect(down_, &QToolButton::clicked, this, [this] { Step(-1); });
  resize(kButtonWidth, 21);
}

void TUpDown::SetAssociate(QLineEdit* edit) {
  if (associate_) associate_->removeEventFilter(this);
  associate_ = edit;
  if (!edit) return;
  setGeometry(edit->x() + edit->width(), edit->y(), kButtonWidth, edit->height());
  edit->installEventFilter(this);
  ShowPosition();
}

void TUpDown::SetRange(int min, int max) {
  min_ = min;
  max_ = std::max(min, max);
  SetPosition(position_);
}

void TUpDown::SetPosition(int position) {
  position_ = std::clamp(position, min_, max_);
  ShowPosition();
}

void TUpDown::TakeText() {
  if (!associate_) return;
  if (const auto value = ParseIniInteger(associate_->text().toStdString())) {
    SetPosition(*value);
  } else {
    ShowPosition();
  }
}

void TUpDown::Step(int delta) {
  // Whatever was typed counts as the value the step starts from.
  TakeText();
  const long long next = static_cast<long long>(position_) + delta;
  SetPosition(static_cast<int>(std::clamp<long long>(next, min_, max_)));
  if (associate_) associate_->selectAll();
}

void TUpDown::ShowPosition() {
  if (associate_) associate_->setText(QString::number(position_));
}

bool TUpDown::eventFilter(QObject* watched, QEvent* event) {
  if (watched == associate_ && event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->modifiers() == Qt::NoModifier || key->modifiers() == Qt::KeypadModifier) {
      if (key->key() == Qt::Key_Up) {
        Step(1);
        return true;
      }
      if (key->key() == Qt::Key_Down) {
        Step(-1);
        return true;
      }
    }
  }
  return QWidget::eventFilter(watched, event);
}

void TUpDown::resizeEvent(QResizeEvent* event) {
  // The two halves overlap by a pixel, as the platform's spin buttons do.
  const int half = (height() + 1) / 2;
  up_->setGeometry(0, 0, width(), half);
  down_->setGeometry(0, height() - half, width(), half);
  QWidget::resizeEvent(event);
}

}  // namespace quorvane
