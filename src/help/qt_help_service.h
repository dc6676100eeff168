#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>
#include <memory>

#include "help/help_files.h"
#include "help/help_service.h"

namespace quorvane {

class THelpWindow;

// The game's help viewer on Qt Help. One help window at most: it is made at
// the first request and brought forward by every later one.
class QtHelpService final : public HelpService {
 public:
  // programFolder is where the help file lies: beside the program.
  explicit QtHelpService(QString programFolder, QString cacheFolder = HelpCacheFolder());
  ~QtHelpService() override;

  void ShowTopics() override;
  void ShowContext(int context) override;
  void Quit() override;

  // The window help is shown for (see THelpWindow::SetOwner).
  void SetOwner(QWidget* owner);

  // The help window, or nullptr before the first request.
  THelpWindow* Window() const { return window_.get(); }

 private:
  THelpWindow& Open();

  QString programFolder_;
  QString cacheFolder_;
  QPointer<QWidget> owner_;
  std::unique_ptr<THelpWindow> window_;
};

}  // namespace quorvane
