#include "help/qt_help_service.h"

#include "help/help_window.h"

namespace quorvane {

QtHelpService::QtHelpService(QString programFolder, QString cacheFolder)
    : programFolder_(std::move(programFolder)), cacheFolder_(std::move(cacheFolder)) {}

QtHelpService::~QtHelpService() = default;

THelpWindow& QtHelpService::Open() {
  if (!window_) {
    window_ = std::make_unique<THelpWindow>(programFolder_, cacheFolder_);
    window_->SetOwner(owner_);
  }
  return *window_;
}

void QtHelpService::ShowTopics() { Open().ShowTopics(); }

void QtHelpService::ShowContext(int context) { Open().ShowContext(context); }

void QtHelpService::SetOwner(QWidget* owner) {
  owner_ = owner;
  if (window_) window_->SetOwner(owner);
}

void QtHelpService::Quit() {
  if (window_) window_->close();
}

}  // namespace quorvane
