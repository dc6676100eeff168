#pragma once

#include <QPointer>
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
class QWindow;

namespace quorvane {

// True for the help window. The game's key filter leaves the keys typed
// there alone: they belong to the reader, not to the snake.
bool IsHelpWindow(const QWidget* window);

// Shows help pages straight from the help engine's qthelp:// addresses, and
// nothing from anywhere else: any other resource is an empty one of its
// kind. A page nested too deeply to lay out is not shown; Refused says why.
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
  QHelpEngineCore& engine_;
};

// The help viewer: a window of its own beside the game, with the contents
// and the index of the help file on the left and the topic on the right.
// Anything the engine writes goes to cacheFolder; the help file is looked
// for in programFolder.
class THelpWindow final : public QWidget {
  Q_OBJECT
 public:
  THelpWindow(QString programFolder, QString cacheFolder);
  ~THelpWindow() override;

  // Brings the window up at the start page, contents in front.
  void ShowTopics();
  // Brings the window up at the topic of a context number.
  void ShowContext(int context);

  // The window help is shown for: the game's main window. While one of the
  // game's modal dialogs is open, the help window belongs to the dialog on
  // top instead, so that it stays over it and usable beside it; as that
  // dialog goes, it goes back to the next one, still shown.
  void SetOwner(QWidget* owner);

 protected:
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  // Its parts, each known by its name as its object name.
  QTabWidget* Tabs = nullptr;
  QHelpContentWidget* Contents = nullptr;
  QLineEdit* IndexFilter = nullptr;
  QHelpIndexWidget* Index = nullptr;
  QLabel* Notice = nullptr;  // a line above the topic, e.g. for a topic not found
  THelpBrowser* Browser = nullptr;

  // The window in front, not counting `leaving`, which is on its way out.
  QWindow* FrontWindow(const QWindow* leaving = nullptr);
  void FollowFront(const QWindow* leaving = nullptr);
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
  void FitContents();

  QString programFolder_;
  QString cacheFolder_;
  QHelpEngine* engine_ = nullptr;
  // Where the files go when the cache folder takes none; removed with the window.
  std::unique_ptr<QTemporaryDir> fallbackFolder_;
  bool ready_ = false;
  // The player's language, and the one the help file has topics in.
  QString language_;
  QString shownLanguage_;
  QPointer<QWidget> owner_;
  QPointer<QWindow> front_;      // the transient parent, watched for its hiding
  QPointer<QWindow> shownOver_;  // the transient parent the window system was told of
};

}  // namespace quorvane
