#include "widgets/form_design.h"

#include <QLabel>
#include <QVariant>
#include <QWidget>

#include "widgets/accessibility.h"

namespace quorvane {

namespace {

void SetPixelFont(QWidget& widget) {
  const QVariant pixels = widget.property("fontPixelSize");
  if (!pixels.isValid()) return;
  QFont font = widget.font();
  font.setPixelSize(pixels.toInt());
  widget.setFont(font);
}

void FitLabel(QLabel& label) {
  const QVariant autoSize = label.property("autoSize");
  if (!autoSize.toBool()) return;
  const QRect designed = label.geometry();
  label.adjustSize();
  const bool centred = autoSize.toString() == QLatin1String("centred");
  label.move(centred ? designed.left() + (designed.width() - label.width()) / 2 : designed.left(), designed.top());
}

}  // namespace

void FinishDesign(QWidget& form) {
  SetPixelFont(form);
  const QList<QWidget*> widgets = form.findChildren<QWidget*>();
  for (QWidget* widget : widgets) SetPixelFont(*widget);
  for (QWidget* widget : widgets) {
    auto* label = qobject_cast<QLabel*>(widget);
    if (!label) continue;
    FitLabel(*label);
    // A field is known to screen readers by the caption that introduces it.
    if (QWidget* field = label->buddy(); field && field->accessibleName().isEmpty())
      field->setAccessibleName(SpokenCaption(label->text()));
  }
}

}  // namespace quorvane
