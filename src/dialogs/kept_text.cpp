#include "dialogs/kept_text.h"

#include <QVariant>
#include <QWidget>

namespace quorvane {

namespace {

const char kStoredProperty[] = "quorvaneStored";
const char kShownProperty[] = "quorvaneShown";

QString TextOf(const QWidget& control) { return control.property("text").toString(); }

}  // namespace

void ShowKept(QWidget& control, const QByteArray& stored, const QString& shown) {
  control.setProperty("text", shown);
  control.setProperty(kStoredProperty, stored);
  // As shown: a field's validator may have changed it.
  control.setProperty(kShownProperty, TextOf(control));
}

std::optional<QByteArray> KeptIn(const QWidget& control) {
  const QVariant shown = control.property(kShownProperty);
  if (!shown.isValid() || shown.toString() != TextOf(control)) return std::nullopt;
  return control.property(kStoredProperty).toByteArray();
}

}  // namespace quorvane
