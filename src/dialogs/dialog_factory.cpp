#include "dialogs/dialog_factory.h"

#include "dialogs/about_box.h"
#include "dialogs/options_dialog.h"

namespace quorvane {

std::unique_ptr<TForm3> QtDialogFactory::NewOptionsDialog(QWidget* owner, HelpService& help, bool& helpOpened,
                                                          WavFileBrowser& browser) {
  return std::make_unique<TForm3>(owner, help, helpOpened, browser);
}

std::unique_ptr<TForm5> QtDialogFactory::NewAboutBox(QWidget* owner) { return std::make_unique<TForm5>(owner); }

int QtDialogFactory::ShowModal(QDialog& dialog) { return dialog.exec(); }

}  // namespace quorvane
