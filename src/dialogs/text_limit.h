#pragma once

class QLineEdit;

namespace quorvane {

// Holds a field to at most `bytes` bytes of UTF-8, cut between characters
// as a reader sees them: a letter with its accents, an emoji with its
// joiners, a flag whole. What goes over is cut from what was just typed or
// pasted, which lies before the cursor, so the text around it stays; a text
// set whole is cut at its end. Line breaks and other controls become blanks
// as they come in, so that what the field shows is what is kept.
void LimitUtf8Bytes(QLineEdit& field, int bytes);

}  // namespace quorvane
