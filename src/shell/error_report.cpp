#include "shell/error_report.h"

#include <QMessageBox>

#include "product/product.h"
#include "widgets/plain_text.h"

namespace quorvane {

namespace {

// The full stops, exclamation and question marks that end a sentence in
// Chinese and Japanese: a translated message ending in one is complete.
bool EndsAnEastAsianSentence(QChar last) {
  switch (last.unicode()) {
    case 0x3002:  // 。
    case 0xFF01:  // ！
    case 0xFF0E:  // ．
    case 0xFF1F:  // ？
    case 0xFF61:  // ｡
      return true;
    default: return false;
  }
}

}  // namespace

QString ErrorReportText(const QString& message) {
  if (message.isEmpty()) return message;
  const QChar last = message.back();
  if (last.unicode() > u'.' && !EndsAnEastAsianSentence(last)) return message + u'.';
  return message;
}

void ShowErrorReport(QWidget* owner, const QString& message) {
  TMessageBox box(QMessageBox::Critical, QString::fromLatin1(ProductName), ErrorReportText(message), QMessageBox::Ok,
                  owner);
  box.exec();
}

}  // namespace quorvane
