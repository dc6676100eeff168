#pragma once

#include <QByteArray>
#include <QString>
#include <functional>
#include <memory>

#include "help/help_service.h"

class QProcess;

namespace quorvane {

// The help viewer's program, in the program folder beside the game.
QString HelpViewerProgram(const QString& programFolder);

// The game's side of the help viewer, a program of its own: started at the
// first request, told each command as one line on its standard input
// ("contents", "context <number>", "quit"), and started again when it has
// gone. Whatever the viewer does, the game only hears of it: a page can
// neither crash nor slow the game, nor its windows come between the
// game's own.
class ProcessHelpService final : public HelpService {
 public:
  // The viewer gets helpFolder, where the help file lies, as its argument.
  ProcessHelpService(QString viewerProgram, QString helpFolder);
  // The viewer sees the end of its input and ends.
  ~ProcessHelpService() override;

  void ShowTopics() override;
  void ShowContext(int context) override;
  void Quit() override;

  // Told, in words for the player, when the viewer cannot be started or
  // ends on its own by a crash or an error.
  std::function<void(const QString&)> OnProblem;

 private:
  bool Start();
  void Send(const QByteArray& line);
  void ReadViewer();
  void Report(const QString& text);

  QString viewerProgram_;
  QString helpFolder_;
  std::unique_ptr<QProcess> viewer_;
  QByteArray heard_;  // the viewer's unfinished line
  bool quitting_ = false;
};

}  // namespace quorvane
