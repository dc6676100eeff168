#pragma once

#include <QTextBrowser>
#include <QWidget>
#include <memory>

class QHelpContentWidget;
class QHelpEngine;
class QHelpEngineCore;
class QHelpIndexWidget;
class QLabel;
class QLineEdit;
class QTabWidget;
class QTemporaryDir;

namespace quorvane {

// Shows help pages straight from the help engine's qthelp:// addresses, and
// nothing from anywhere else: any other resource is an empty one of its
// kind. A page that would cost too much to show (nested too deeply, too
// long, or with pictures too large) is not shown; Refused says why.
class THelpBrowser final : public QTextBrowser {
  Q_OBJECT
 public:
  explicit THelpBrowser(QHelpEngineCore& engine, QWidget* parent = nullptr);
  QVariant loadResource(int type, const QUrl& name) override;

 signals:
  void Refused(const QString& reason);

 protected:
  void doSetSource(const QUrl& name, QTextDocument::ResourceType type) override;

 private:
  QVariant LoadPicture(const QUrl& name);
  static QString TooLarge(const QUrl& page);

  QHelpEngineCore& engine_;
  QUrl page_;  // the page being shown
  // What the pictures of the page shown take once decoded, in bytes.
  qint64 pictureBytes_ = 0;
  bool refused_ = false;
};

// The help viewer's window, an ordinary window of its own program, with the
// contents and the index of the help file on the left and the topic on the
// right. Anything the engine writes goes to cacheFolder; the help file is
// looked for in programFolder.
class THelpWindow final : public QWidget {
  Q_OBJECT
 public:
  THelpWindow(QString programFolder, QString cacheFolder);
  ~THelpWindow() override;

  // Brings the window up at the start page, contents in front.
  void ShowTopics();
  // Brings the window up at the topic of a context number.
  void ShowContext(int context);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  // Its parts, each known by its name as its object name.
  QTabWidget* Tabs = nullptr;
  QHelpContentWidget* Contents = nullptr;
  QLineEdit* IndexFilter = nullptr;
  QHelpIndexWidget* Index = nullptr;
  QLabel* Notice = nullptr;  // a line above the topic, e.g. for a topic not found
  THelpBrowser* Browser = nullptr;

  QString Prepare();
  // Points the engine at a collection in `folder`; false if it cannot keep
  // its files there.
  bool UseFolder(const QString& folder);
  void Present();
  void ShowProblem(const QString& text);
  void ShowTopic(const QUrl& url);
  void SelectInContents(const QUrl& url);
  // The contents and the index list the shown language's topics only.
  void HideOtherLanguages();
  // Widens the contents pane to the longest title of the language shown.
  // False when the contents nest deeper than any help file of ours does.
  bool FitContents();

  QString programFolder_;
  QString cacheFolder_;
  QHelpEngine* engine_ = nullptr;
  // Where the files go when the cache folder takes none; removed with the window.
  std::unique_ptr<QTemporaryDir> fallbackFolder_;
  bool ready_ = false;
  // The player's language, and the one the help file has topics in.
  QString language_;
  QString shownLanguage_;
};

}  // namespace quorvane
