#pragma once

#include <memory>

class QDialog;
class QWidget;

namespace quorvane {

class HelpService;
class TForm3;
class TForm5;
class WavFileBrowser;

// How the main window makes and shows the dialogs it creates when needed.
// An error thrown at any step is reported as a failure of that step.
class DialogFactory {
 public:
  virtual ~DialogFactory() = default;
  virtual std::unique_ptr<TForm3> NewOptionsDialog(QWidget* owner, HelpService& help, bool& helpOpened,
                                                   WavFileBrowser& browser) = 0;
  virtual std::unique_ptr<TForm5> NewAboutBox(QWidget* owner) = 0;
  // Shows the dialog modally and gives its result once it is closed.
  virtual int ShowModal(QDialog& dialog) = 0;
};

// The game's own dialogs, shown by their own message loop.
class QtDialogFactory : public DialogFactory {
 public:
  std::unique_ptr<TForm3> NewOptionsDialog(QWidget* owner, HelpService& help, bool& helpOpened,
                                           WavFileBrowser& browser) override;
  std::unique_ptr<TForm5> NewAboutBox(QWidget* owner) override;
  int ShowModal(QDialog& dialog) override;
};

}  // namespace quorvane
