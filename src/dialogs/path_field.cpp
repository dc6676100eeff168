#include "dialogs/path_field.h"

#include <sys/stat.h>
#include <QFile>
#include <QLineEdit>
#include <QVariant>

namespace quorvane {

namespace {

const char kPathProperty[] = "quorvanePath";
const char kShownProperty[] = "quorvaneShownPath";

}  // namespace

void ShowPath(QLineEdit& field, const QByteArray& path) {
  field.setText(QFile::decodeName(path));
  field.setProperty(kPathProperty, path);
  field.setProperty(kShownProperty, field.text());
}

QByteArray PathIn(const QLineEdit& field) {
  const QVariant shown = field.property(kShownProperty);
  if (shown.isValid() && shown.toString() == field.text()) return field.property(kPathProperty).toByteArray();
  return QFile::encodeName(field.text());
}

bool NamesAFile(const QLineEdit& field) {
  struct stat status {};
  const QByteArray path = PathIn(field);
  return !path.isEmpty() && ::stat(path.constData(), &status) == 0 && S_ISREG(status.st_mode);
}

}  // namespace quorvane
