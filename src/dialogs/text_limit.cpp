#include "dialogs/text_limit.h"

#include <QLineEdit>
#include <QTextBoundaryFinder>
#include <QValidator>
#include <algorithm>

namespace quorvane {

namespace {

qsizetype Utf8Bytes(QStringView text) {
  qsizetype bytes = 0;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const char16_t u = text[i].unicode();
    if (QChar::isHighSurrogate(u) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
      bytes += 4;
      ++i;
    } else {
      bytes += u < 0x80 ? 1 : u < 0x800 ? 2 : 3;  // a lone surrogate goes out as U+FFFD
    }
  }
  return bytes;
}

// How many UTF-16 units of the start of text, up to `end`, fit in `budget`
// bytes of UTF-8, ending between two characters as a reader sees them: an
// accent stays with its letter, an emoji with its joiners, a flag whole.
qsizetype FittingStart(const QString& text, qsizetype end, qsizetype budget) {
  QTextBoundaryFinder characters(QTextBoundaryFinder::Grapheme, text);
  qsizetype fits = 0, used = 0;
  for (qsizetype next = characters.toNextBoundary(); next > 0 && next <= end; next = characters.toNextBoundary()) {
    used += Utf8Bytes(QStringView(text).sliced(fits, next - fits));
    if (used > budget) break;
    fits = next;
  }
  return fits;
}

// A line break or another control, which the one-line field shows as a
// blank but the settings file cannot hold (a value ends at a line break).
bool IsControl(QChar c) {
  const QChar::Category category = c.category();
  return category == QChar::Other_Control || category == QChar::Separator_Line ||
         category == QChar::Separator_Paragraph;
}

class Utf8Limit final : public QValidator {
 public:
  Utf8Limit(int bytes, QObject* parent) : QValidator(parent), bytes_(bytes) {}

  State validate(QString& input, int& pos) const override {
    // What the field shows is what is kept.
    std::replace_if(input.begin(), input.end(), IsControl, QChar(u' '));
    if (Utf8Bytes(input) <= bytes_) return Acceptable;
    const qsizetype after = Utf8Bytes(QStringView(input).mid(pos));
    if (after <= bytes_) {
      const qsizetype keep = FittingStart(input, pos, bytes_ - after);
      input.remove(keep, pos - keep);
      pos = static_cast<int>(keep);
    } else {
      input.truncate(FittingStart(input, input.size(), bytes_));
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
