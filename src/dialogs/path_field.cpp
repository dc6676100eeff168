#include "dialogs/path_field.h"

#include <sys/stat.h>
#include <QFile>
#include <QLineEdit>

#include "dialogs/kept_text.h"

namespace quorvane {

void ShowPath(QLineEdit& field, const QByteArray& path) { ShowKept(field, path, QFile::decodeName(path)); }

QByteArray PathIn(const QLineEdit& field) { return KeptIn(field).value_or(QFile::encodeName(field.text())); }

bool NamesAFile(const QLineEdit& field) {
  struct stat status {};
  const QByteArray path = PathIn(field);
  return !path.isEmpty() && ::stat(path.constData(), &status) == 0 && S_ISREG(status.st_mode);
}

}  // namespace quorvane
