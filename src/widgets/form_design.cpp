#include "widgets/form_design.h"

#include <QLabel>
#include <QVariant>
#include <QWidget>

#include "widgets/accessibility.h"
#include "widgets/plain_text.h"

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

// A value shown after a caption starts at its designed left, or further
// right where a language makes the caption's words longer. A label sized to
// its text keeps its width; anything else keeps its right edge.
void PlaceAfterCaption(QWidget& form, QWidget& widget) {
  const QString captionName = widget.property("afterCaption").toString();
  if (captionName.isEmpty()) return;
  const auto* caption = form.findChild<QLabel*>(captionName);
  if (!caption) return;
  // Kept from the first run, so that a shorter caption brings it back.
  QVariant designedLeft = widget.property("designedLeft");
  if (!designedLeft.isValid()) {
    designedLeft = widget.x();
    widget.setProperty("designedLeft", designedLeft);
  }
  const int left = AfterCaption(*caption, designedLeft.toInt());
  if (widget.property("autoSize").toBool())
    widget.move(left, widget.y());
  else
    widget.setGeometry(left, widget.y(), widget.x() + widget.width() - left, widget.height());
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
  for (QWidget* widget : widgets) PlaceAfterCaption(form, *widget);
}

}  // namespace quorvane
