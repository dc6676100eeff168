#include "dialogs/wav_file_browser.h"

#include <QFileDialog>

namespace quorvane {

std::unique_ptr<QFileDialog> MakeFileOpenDialog(QWidget* owner, const FileOpenRequest& request) {
  auto dialog = std::make_unique<QFileDialog>(owner, request.Title, request.StartFolder);
  // Qt takes the patterns from the last brackets of each entry, and with the
  // details hidden shows only what comes before them: so "All files (*.*)"
  // can show that text yet list every file, dotted or not.
  dialog->setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::HideNameFilterDetails);
  dialog->setAcceptMode(QFileDialog::AcceptOpen);
  dialog->setFileMode(QFileDialog::ExistingFile);
  QStringList filters;
  for (const FileFilter& filter : request.Filters)
    filters << filter.Shown + QStringLiteral(" (") + filter.Patterns + u')';
  dialog->setNameFilters(filters);
  if (request.FilterIndex >= 0 && request.FilterIndex < filters.size())
    dialog->selectNameFilter(filters[request.FilterIndex]);
  if (!request.FileName.isEmpty()) dialog->selectFile(request.FileName);
  return dialog;
}

std::optional<QString> QtWavFileBrowser::ChooseFile(QWidget* owner, const FileOpenRequest& request) {
  const auto dialog = MakeFileOpenDialog(owner, request);
  if (dialog->exec() != QDialog::Accepted) return std::nullopt;
  const QStringList chosen = dialog->selectedFiles();
  if (chosen.isEmpty()) return std::nullopt;
  return chosen.first();
}

}  // namespace quorvane
