#include "dialogs/text_limit.h"

#include <QLineEdit>
#include <QValidator>
#include <algorithm>

namespace quorvane {

namespace {

// How many UTF-16 units of the start of text fit in `budget` bytes of
// UTF-8, never ending inside a character.
qsizetype FittingStart(QStringView text, qsizetype budget) {
  qsizetype used = 0, at = 0;
  while (at < text.size()) {
    const bool pair = text[at].isHighSurrogate() && at + 1 < text.size() && text[at + 1].isLowSurrogate();
    const char32_t c = pair ? QChar::surrogateToUcs4(text[at], text[at + 1]) : text[at].unicode();
    const qsizetype bytes = c < 0x80 ? 1 : c < 0x800 ? 2 : c < 0x10000 ? 3 : 4;
    if (used + bytes > budget) break;
    used += bytes;
    at += pair ? 2 : 1;
  }
  return at;
}

class Utf8Limit final : public QValidator {
 public:
  Utf8Limit(int bytes, QObject* parent) : QValidator(parent), bytes_(bytes) {}

  State validate(QString& input, int& pos) const override {
    if (input.toUtf8().size() <= bytes_) return Acceptable;
    const qsizetype after = QStringView(input).mid(pos).toUtf8().size();
    if (after <= bytes_) {
      const qsizetype keep = FittingStart(QStringView(input).left(pos), bytes_ - after);
      input.remove(keep, pos - keep);
      pos = static_cast<int>(keep);
    } else {
      input.truncate(FittingStart(input, bytes_));
      pos = std::min(pos, static_cast<int>(input.size()));
    }
    return Acceptable;
  }

 private:
  int bytes_;
};

}  // namespace

void LimitUtf8Bytes(QLineEdit& field, int bytes) { field.setValidator(new Utf8Limit(bytes, &field)); }

}  // namespace quorvane
