#include "widgets/plain_text.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QTextDocument>
#include <QWidget>
#include <algorithm>

#include "widgets/window_placement.h"

namespace quorvane {

QLabel* NewLabel(const QString& text, QWidget* parent) {
  auto* label = new QLabel(parent);
  // Before the text: a label given markup in its automatic format reads it
  // at once.
  label->setTextFormat(Qt::PlainText);
  label->setText(text);
  return label;
}

QLabel* NewLabel(QWidget* parent) { return NewLabel(QString(), parent); }

int AfterCaption(const QLabel& caption, int designedLeft) {
  const QFontMetrics metrics = caption.fontMetrics();
  return std::max(designedLeft,
                  caption.x() + metrics.horizontalAdvance(caption.text().trimmed()) + metrics.horizontalAdvance(u' '));
}

TMessageBox::TMessageBox(Icon icon, const QString& title, const QString& text, StandardButtons buttons, QWidget* parent)
    : QMessageBox(parent) {
  setTextFormat(Qt::PlainText);
  setIcon(icon);
  setWindowTitle(title);
  setText(text);
  setStandardButtons(buttons);
  CentreOverOwner(*this);
}

// The box sizes itself to its layout's minimum as it shows and each time it
// lays itself out again. A strut as wide as the title bar needs, in the
// layout itself, makes it come up at that width at once, rather than narrow
// first and widened after, which a slow machine lets the player see.
void TMessageBox::showEvent(QShowEvent* event) {
  WidenForTitle();
  // Key presses go to the focused button, not through the box: watched
  // where they all pass while the box is up.
  qApp->installEventFilter(this);
  QMessageBox::showEvent(event);
}

void TMessageBox::hideEvent(QHideEvent* event) {
  qApp->removeEventFilter(this);
  QMessageBox::hideEvent(event);
}

// A key held on whatever brought the box up (Enter on a link whose opener
// fails) repeats into the box at once: Enter, Space, Escape or a button's
// letter would answer it before the player has read it. Only a press made
// in the box answers it.
bool TMessageBox::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->isAutoRepeat()) {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget && (widget == this || isAncestorOf(widget))) return true;
  }
  return QMessageBox::eventFilter(watched, event);
}

void TMessageBox::WidenForTitle() {
  // The title bar shows the title in the desktop's font, bold at most
  // window managers, beside the window's icon and its buttons, which take
  // about a line and a half each.
  QFont titleFont = QGuiApplication::font();
  titleFont.setBold(true);
  const QFontMetrics title(titleFont);
  const int wanted = title.horizontalAdvance(windowTitle()) + 6 * title.height();
  auto* grid = qobject_cast<QGridLayout*>(layout());
  if (!grid) {
    if (width() < wanted) setFixedWidth(wanted);
    return;
  }
  // The box builds a new layout when its icon or buttons change: one strut each.
  if (strutLayout_ != grid) {
    strut_ = new QSpacerItem(0, 0);
    grid->addItem(strut_, grid->rowCount(), 0, 1, std::max(1, grid->columnCount()));
    strutLayout_ = grid;
  }
  strut_->changeSize(wanted, 0, QSizePolicy::Fixed, QSizePolicy::Fixed);
  grid->invalidate();
}

}  // namespace quorvane
