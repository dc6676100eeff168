#pragma once

#include <QList>
#include <QString>
#include <memory>
#include <optional>

class QFileDialog;
class QWidget;

namespace quorvane {

// One entry of a file dialog's type list: the text shown and the patterns
// behind it, which need not be the ones the text names.
struct FileFilter {
  QString Shown;
  QString Patterns;  // blank-separated, e.g. "*.wav"
};

// What a file-open dialog is asked to show.
struct FileOpenRequest {
  QString Title;
  QList<FileFilter> Filters;
  int FilterIndex = 0;  // the filter selected at first
  QString StartFolder;
  QString FileName;
};

// Lets the player choose one existing file. Tests put a fake in its place.
class WavFileBrowser {
 public:
  virtual ~WavFileBrowser() = default;
  // The full path of the chosen file, or nothing when the player cancels.
  virtual std::optional<QString> ChooseFile(QWidget* owner, const FileOpenRequest& request) = 0;
};

// The file dialog the request describes: only existing files can be chosen.
// It is Qt's own dialog, since the desktop's dialogs may show a filter's
// patterns rather than its text.
std::unique_ptr<QFileDialog> MakeFileOpenDialog(QWidget* owner, const FileOpenRequest& request);

// Chooses through MakeFileOpenDialog, modally.
class QtWavFileBrowser final : public WavFileBrowser {
 public:
  std::optional<QString> ChooseFile(QWidget* owner, const FileOpenRequest& request) override;
};

}  // namespace quorvane
