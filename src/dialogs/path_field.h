#pragma once

#include <QByteArray>

class QLineEdit;

namespace quorvane {

// A file name need not be UTF-8 (one from an old Latin-1 disk is legal), and
// the text a field shows for it, with replacement characters, names no
// file. So a path field keeps the name it was given, byte for byte (see
// kept_text.h), and gives it back as long as its text is still the one
// shown for it; a text the player changed is encoded as the file system
// expects.
void ShowPath(QLineEdit& field, const QByteArray& path);
QByteArray PathIn(const QLineEdit& field);

// Whether the path in the field names a file (a folder is none).
bool NamesAFile(const QLineEdit& field);

}  // namespace quorvane
