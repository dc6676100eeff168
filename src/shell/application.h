#pragma once

#include <QApplication>

namespace quorvane {

// The application object: it names the program and gives it its icon. Every
// event handler runs inside notify(), so an error that a handler does not
// handle itself ends up here: it is shown in the general error report and
// the program goes on.
class TApplication final : public QApplication {
  Q_OBJECT
 public:
  TApplication(int& argc, char** argv);
  bool notify(QObject* receiver, QEvent* event) override;
};

// The last resort when the main window cannot be made: a box without owner
// titled "Application Error". Gives the text it showed.
QString ShowApplicationError(const std::exception& error, const char* programFile);

}  // namespace quorvane
