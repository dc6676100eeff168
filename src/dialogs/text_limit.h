#pragma once

class QLineEdit;

namespace quorvane {

// Holds a field to at most `bytes` bytes of UTF-8, cut at a whole
// character. What goes over is cut from what was just typed or pasted,
// which lies before the cursor, so the text around it stays; a text set
// whole is cut at its end.
void LimitUtf8Bytes(QLineEdit& field, int bytes);

}  // namespace quorvane
