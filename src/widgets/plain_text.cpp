#include "widgets/plain_text.h"

#include <QFontMetrics>
#include <QGuiApplication>
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

// The box sizes itself to its text alone, as it shows and as it lays itself
// out again: each time, it is widened for its title.
void TMessageBox::showEvent(QShowEvent* event) {
  QMessageBox::showEvent(event);
  WidenForTitle();
}

void TMessageBox::resizeEvent(QResizeEvent* event) {
  QMessageBox::resizeEvent(event);
  WidenForTitle();
}

void TMessageBox::WidenForTitle() {
  // The title bar shows the title in the desktop's font, bold at most
  // window managers, beside the window's icon and its buttons, which take
  // about a line and a half each.
  QFont titleFont = QGuiApplication::font();
  titleFont.setBold(true);
  const QFontMetrics title(titleFont);
  const int wanted = title.horizontalAdvance(windowTitle()) + 6 * title.height();
  if (width() < wanted) setFixedWidth(wanted);
}

void SetToolTip(QWidget& widget, const QString& text) {
  if (!Qt::mightBeRichText(text)) {
    widget.setToolTip(text);
    return;
  }
  widget.setToolTip(Qt::convertFromPlainText(text, Qt::WhiteSpacePre));
  // The toolkit describes a widget by its tooltip, which is markup now.
  if (widget.accessibleDescription().isEmpty()) widget.setAccessibleDescription(text);
}

}  // namespace quorvane
