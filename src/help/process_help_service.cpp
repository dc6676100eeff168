#include "help/process_help_service.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>

namespace quorvane {

namespace {

// Longer lines from the viewer are none of ours: dropped, not kept growing.
constexpr qsizetype kLongestLine = 64;

}  // namespace

QString HelpViewerProgram(const QString& programFolder) {
  return QDir(programFolder).filePath(QStringLiteral("tolvenix-help"));
}

ProcessHelpService::ProcessHelpService(QString viewerProgram, QString helpFolder)
    : viewerProgram_(std::move(viewerProgram)), helpFolder_(std::move(helpFolder)) {}

ProcessHelpService::~ProcessHelpService() {
  if (!viewer_ || viewer_->state() == QProcess::NotRunning) return;
  // Nothing more is reported: the game is going.
  viewer_->disconnect();
  viewer_->closeWriteChannel();
  if (!viewer_->waitForFinished(1000)) {
    viewer_->kill();
    viewer_->waitForFinished(1000);
  }
}

bool ProcessHelpService::Start() {
  if (viewer_ && viewer_->state() != QProcess::NotRunning) {
    if (!quitting_) return true;
    // Told to quit, it is on its way out: the request goes to a new one.
    if (!viewer_->waitForFinished(1000)) {
      viewer_->kill();
      viewer_->waitForFinished(1000);
    }
  }
  if (!viewer_) {
    viewer_ = std::make_unique<QProcess>();
    // What the viewer has to say on its error output is the terminal's.
    viewer_->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QObject::connect(viewer_.get(), &QProcess::readyReadStandardOutput, viewer_.get(), [this] { ReadViewer(); });
    QObject::connect(viewer_.get(), &QProcess::finished, viewer_.get(),
                     [this](int exitCode, QProcess::ExitStatus status) {
                       heard_.clear();
                       // Closed by the player or told to quit, it ends with 0.
                       if (!quitting_ && (status == QProcess::CrashExit || exitCode != 0))
                         Report(QCoreApplication::translate("quorvane::ProcessHelpService",
                                                            "The help viewer has stopped unexpectedly."));
                     });
  }
  quitting_ = false;
  viewer_->start(viewerProgram_, {helpFolder_});
  if (viewer_->waitForStarted(10000)) return true;
  viewer_->kill();
  viewer_->waitForFinished(1000);
  Report(QCoreApplication::translate("quorvane::ProcessHelpService", "The help viewer %1 could not be started.")
             .arg(QDir::toNativeSeparators(viewerProgram_)));
  return false;
}

void ProcessHelpService::Send(const QByteArray& line) {
  if (Start()) viewer_->write(line + '\n');
}

void ProcessHelpService::ShowTopics() { Send("contents"); }

void ProcessHelpService::ShowContext(int context) { Send("context " + QByteArray::number(context)); }

void ProcessHelpService::Quit() {
  // A viewer that is not running has nothing to close: none is started.
  if (!viewer_ || viewer_->state() != QProcess::Running) return;
  quitting_ = true;
  viewer_->write("quit\n");
}

void ProcessHelpService::ReadViewer() {
  while (viewer_->bytesAvailable() > 0) {
    const QByteArray chunk = viewer_->read(4096);
    for (const char c : chunk) {
      if (c != '\n') {
        if (heard_.size() <= kLongestLine) heard_ += c;
        continue;
      }
      const QByteArray line = std::exchange(heard_, {});
      if (line == "active" && OnViewerActivated) OnViewerActivated();
      if (line == "inactive" && OnViewerDeactivated) OnViewerDeactivated();
    }
  }
}

void ProcessHelpService::Report(const QString& text) {
  if (!OnProblem) return;
  // After the signal that told of it has returned: the report runs a dialog.
  QMetaObject::invokeMethod(
      viewer_.get(), [this, text] { OnProblem(text); }, Qt::QueuedConnection);
}

}  // namespace quorvane
