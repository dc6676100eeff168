#pragma once

#include <QAccessible>
#include <deque>
#include <optional>
#include <vector>

#include "dialogs/wav_file_browser.h"
#include "help/help_service.h"
#include "support/window_test_support.h"

namespace quorvane::testing {

// What a screen reader says a control is.
inline QString Heard(QWidget* widget) { return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name); }

// A number field's spin button, found as a screen reader finds it: by the
// name it is heard by ("Up" or "Down").
inline QAbstractButton* SpinButton(const QObject& window, const char* upDown, const QString& name) {
  for (QAbstractButton* button : Control<QWidget>(window, upDown)->findChildren<QAbstractButton*>()) {
    if (Heard(button) == name) return button;
  }
  throw std::logic_error("no spin button " + name.toStdString());
}

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

// The options command of a shown main window, with the player acting on the
// dialog and on whatever boxes follow.
class OptionsWindowTest : public WindowTest {
 protected:
  // The window shown on settings that name three sounds of the test's folder,
  // and |more|.
  TForm1& ShowStored(const std::string& more) {
    folder_ = dir_.path().toStdString();
    for (const char* name : {"zap", "boing", "yehaw"}) std::ofstream(folder_ + "/" + name + ".wav") << name;
    WriteSettings("[SOUNDS]\nWAVFOLDER=" + folder_ + "\nBALLWAV=" + folder_ + "/zap.wav\nGAMEOVERWAV=" + folder_ +
                  "/boing.wav\nHISCOREWAV=" + folder_ + "/yehaw.wav\n" + more);
    return Show();
  }

  // Opens the options once for each act, in which the player closes the
  // dialog; true when each act had its dialog.
  template <class... Acts>
  bool Options(const Acts&... acts) {
    using Act = std::function<void(TForm3&)>;
    ModalAnswers answers;
    for (const Act& act : {Act(acts)...})
      answers.Then([act](QWidget* modal) {
        if (auto* dialog = qobject_cast<TForm3*>(modal)) act(*dialog);
        if (auto* left = qobject_cast<QDialog*>(modal); left && left->isVisible()) {
          ADD_FAILURE() << "the options dialog was expected, and closed by the player";
          left->reject();
        }
      });
    for (size_t i = 0; i < sizeof...(acts); ++i) Control<QAction>(*form_, "Options1")->trigger();
    return answers.AllUsed();
  }

  // Clicks a button of the dialog, answering the question it asks.
  static void Answering(QMessageBox::StandardButton answer, QPushButton* button) {
    ModalAnswers inner{ModalAnswers::Press(answer)};
    button->click();
    EXPECT_TRUE(inner.AllUsed());
  }

  std::string folder_;
};

}  // namespace quorvane::testing
