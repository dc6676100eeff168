#include "shell/error_report.h"

#include <QMessageBox>

#include "product/product.h"
#include "widgets/plain_text.h"

namespace quorvane {

QString ErrorReportText(const QString& message) {
  if (!message.isEmpty() && message.back().unicode() > u'.') return message + u'.';
  return message;
}

void ShowErrorReport(QWidget* owner, const QString& message) {
  TMessageBox box(QMessageBox::Critical, QString::fromLatin1(ProductName), ErrorReportText(message), QMessageBox::Ok,
                  owner);
  box.exec();
}

}  // namespace quorvane
