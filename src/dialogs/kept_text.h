#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

class QWidget;

namespace quorvane {

// A stored text need not be UTF-8 (a name or a file name from an old
// Latin-1 system is legal), and what a control shows for it, with
// replacement characters, is no longer what was stored. So a control that
// shows a stored text (a label or a line edit) keeps its bytes and gives
// them back as long as it still shows the text it was given with them.
void ShowKept(QWidget& control, const QByteArray& stored, const QString& shown);

// The stored bytes while the control shows what it was given; nothing once
// its text has changed, or when it was never given any.
std::optional<QByteArray> KeptIn(const QWidget& control);

}  // namespace quorvane
