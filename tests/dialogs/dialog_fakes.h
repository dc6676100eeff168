#pragma once

#include <deque>
#include <optional>
#include <vector>

#include "dialogs/wav_file_browser.h"
#include "help/help_service.h"

namespace quorvane::testing {

// Records the help commands instead of opening a viewer.
class RecordingHelp final : public HelpService {
 public:
  void ShowTopics() override {}
  void ShowContext(int context) override { contexts.push_back(context); }
  void Quit() override { ++quits; }

  int quits = 0;
  std::vector<int> contexts;
};

// Answers the file dialog with the queued choices (nothing, when none is left)
// and records what it was asked.
class FakeWavBrowser final : public WavFileBrowser {
 public:
  std::optional<QString> ChooseFile(QWidget*, const FileOpenRequest& request) override {
    requests.push_back(request);
    if (answers.empty()) return std::nullopt;
    std::optional<QString> answer = answers.front();
    answers.pop_front();
    return answer;
  }

  std::deque<std::optional<QString>> answers;
  std::vector<FileOpenRequest> requests;
};

}  // namespace quorvane::testing
