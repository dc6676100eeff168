#include "widgets/plain_text.h"

#include <QLabel>
#include <QTextDocument>
#include <QWidget>
#include <algorithm>

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
