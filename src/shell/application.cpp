#include "shell/application.h"

#include <cxxabi.h>
#include <QFileInfo>
#include <QMessageBox>

#include <cstdlib>
#include <typeinfo>

#include "product/product.h"
#include "qt_glue/handler_errors.h"
#include "shell/error_report.h"
#include "widgets/plain_text.h"
#include "widgets/qt_images.h"

namespace quorvane {

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {
  // The name the desktop shows for the program (the window class on X11).
  // No display name is set: the toolkit would add it to every window title
  // that does not end with it, and each window's caption is meant to stand
  // exactly as written.
  setApplicationName(QString::fromLatin1(ProductName));
  setOrganizationName(QString::fromLatin1(StudioName));
  setWindowIcon(AppIcon());
}

bool TApplication::notify(QObject* receiver, QEvent* event) {
  try {
    if (event->type() == HandlerErrorEvent::kType)
      std::rethrow_exception(static_cast<HandlerErrorEvent*>(event)->Error);
    return QApplication::notify(receiver, event);
  } catch (const std::exception& error) {
    ShowErrorReport(activeWindow(), QString::fromUtf8(error.what()));
  } catch (...) {
    ShowErrorReport(activeWindow(), tr("Unknown error"));
  }
  return true;
}

namespace {

QString ClassName(const std::exception& error) {
  int status = 0;
  char* readable = abi::__cxa_demangle(typeid(error).name(), nullptr, nullptr, &status);
  const QString name = QString::fromLatin1(status == 0 && readable ? readable : typeid(error).name());
  std::free(readable);
  return name;
}

}  // namespace

QString ShowApplicationError(const std::exception& error, const char* programFile) {
  const QString text = QCoreApplication::translate("quorvane::TApplication", "Exception %1 in module %2 at %3.\n%4")
                           .arg(ClassName(error), QFileInfo(QString::fromLocal8Bit(programFile)).fileName(),
                                QStringLiteral("%1").arg(reinterpret_cast<quintptr>(&error), 8, 16, QChar(u'0')), [&] {
                                  QString message = QString::fromUtf8(error.what());
                                  if (!message.endsWith(u'.')) message += u'.';
                                  return message;
                                }());
  TMessageBox box(QMessageBox::Critical, QCoreApplication::translate("quorvane::TApplication", "Application Error"),
                  text, QMessageBox::Ok);
  box.setWindowModality(Qt::ApplicationModal);
  box.exec();
  return text;
}

}  // namespace quorvane
