#include "help/help_window.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHelpContentItem>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QHelpIndexModel>
#include <QHelpIndexWidget>
#include <QHelpLink>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QSplitter>
#include <QStyle>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <QWindow>
#include <algorithm>
#include <functional>

#include "help/help_files.h"
#include "help/page_nesting.h"
#include "product/product.h"
#include "widgets/plain_text.h"
#include "widgets/x11_window.h"

namespace quorvane {

namespace {

const char kHelpWindowProperty[] = "quorvaneHelpWindow";

}  // namespace

bool IsHelpWindow(const QWidget* window) { return window && window->property(kHelpWindowProperty).toBool(); }

THelpBrowser::THelpBrowser(QHelpEngineCore& engine, QWidget* parent) : QTextBrowser(parent), engine_(engine) {}

QVariant THelpBrowser::loadResource(int type, const QUrl& name) {
  // Only the help file's own pages: a topic never makes the game fetch or
  // open anything else. An empty answer is never a null one, which Qt would
  // take as leave to open the name itself.
  const bool ours = name.scheme() == QLatin1String("qthelp");
  if (type == QTextDocument::ImageResource) {
    // Decoded here: a picture Qt cannot decode makes it load the name as a
    // file. An empty picture is one clear pixel, since a null one would too.
    QImage image;
    if (ours) image.loadFromData(engine_.fileData(name));
    if (image.isNull()) {
      image = QImage(1, 1, QImage::Format_ARGB32);
      image.fill(Qt::transparent);
    }
    return image;
  }
  if (type == QTextDocument::HtmlResource || type == QTextDocument::StyleSheetResource ||
      type == QTextDocument::MarkdownResource)
    return ours ? QString::fromUtf8(engine_.fileData(name)) : QString();
  return ours ? engine_.fileData(name) : QByteArray("");
}

void THelpBrowser::doSetSource(const QUrl& name, QTextDocument::ResourceType) {
  // Every page is read as HTML, the only kind we write, and looked at
  // before Qt lays it out.
  const QUrl page = name.isRelative() ? source().resolved(name) : name;
  if (NestedTooDeeply(loadResource(QTextDocument::HtmlResource, page).toString())) {
    emit Refused(tr("The help page %1 is nested too deeply to be shown.").arg(page.toString(QUrl::RemoveFragment)));
    return;
  }
  QTextBrowser::doSetSource(name, QTextDocument::HtmlResource);
}

THelpWindow::THelpWindow(QString programFolder, QString cacheFolder)
    : programFolder_(std::move(programFolder)), cacheFolder_(std::move(cacheFolder)), language_(HelpLanguage()) {
  setWindowTitle(tr("%1 Help").arg(QString::fromLatin1(ProductName)));
  setProperty(kHelpWindowProperty, true);
  // A window that belongs to another, as the window system sees it: only
  // such a window is told its owner on X. It keeps a full window's buttons.
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                 Qt::WindowCloseButtonHint);
  // The game ends when its main window closes, whether help is open or not.
  setAttribute(Qt::WA_QuitOnClose, false);
  resize(780, 540);

  // Made first, so that it goes before the views it feeds.
  engine_ = new QHelpEngine(QDir(cacheFolder_).filePath(QStringLiteral("help.qhc")), this);
  engine_->setReadOnly(false);

  Tabs = new QTabWidget;
  Contents = engine_->contentWidget();
  Tabs->addTab(Contents, tr("&Contents"));
  auto* indexPage = new QWidget;
  auto* indexLayout = new QVBoxLayout(indexPage);
  auto* lookFor = NewLabel(tr("&Look for:"), nullptr);
  IndexFilter = new QLineEdit;
  lookFor->setBuddy(IndexFilter);
  Index = engine_->indexWidget();
  indexLayout->addWidget(lookFor);
  indexLayout->addWidget(IndexFilter);
  indexLayout->addWidget(Index);
  Tabs->addTab(indexPage, tr("&Index"));

  auto* topic = new QWidget;
  auto* topicLayout = new QVBoxLayout(topic);
  topicLayout->setContentsMargins(0, 0, 0, 0);
  Notice = NewLabel(nullptr);
  Notice->setWordWrap(true);
  Notice->hide();
  Browser = new THelpBrowser(*engine_);
  topicLayout->addWidget(Notice);
  topicLayout->addWidget(Browser);

  auto* splitter = new QSplitter;
  splitter->addWidget(Tabs);
  splitter->addWidget(topic);
  splitter->setStretchFactor(1, 1);
  splitter->setSizes({230, 550});
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(splitter);

  const std::pair<QObject*, const char*> parts[] = {
      {Tabs, "Tabs"},   {Contents, "Contents"}, {IndexFilter, "IndexFilter"},
      {Index, "Index"}, {Notice, "Notice"},     {Browser, "Browser"}};
  for (const auto& [part, name] : parts) part->setObjectName(QString::fromLatin1(name));
  connect(Contents, &QHelpContentWidget::linkActivated, this, &THelpWindow::ShowTopic);
  connect(Index, &QHelpIndexWidget::documentActivated, this,
          [this](const QHelpLink& document, const QString&) { ShowTopic(document.url); });
  connect(Index, &QHelpIndexWidget::documentsActivated, this,
          [this](const QList<QHelpLink>& documents, const QString&) {
            QList<QUrl> pages;
            for (const QHelpLink& document : documents) pages << document.url;
            if (!pages.isEmpty()) ShowTopic(PageInLanguage(pages, shownLanguage_));
          });
  connect(IndexFilter, &QLineEdit::textChanged, Index, [this](const QString& text) {
    Index->filterIndices(text);
    HideOtherLanguages();
  });
  connect(engine_->indexModel(), &QHelpIndexModel::indexCreated, this, &THelpWindow::HideOtherLanguages);
  connect(IndexFilter, &QLineEdit::returnPressed, Index, &QHelpIndexWidget::activateCurrentItem);
  // The contents are read in the background: mark the open topic once they are there.
  connect(engine_->contentModel(), &QHelpContentModel::contentsCreated, this, [this] {
    HideOtherLanguages();
    SelectInContents(Browser->source());
  });
  connect(Browser, &THelpBrowser::Refused, this, &THelpWindow::ShowProblem);
  connect(Browser, &QTextBrowser::sourceChanged, this, [this](const QUrl& url) {
    Notice->hide();
    SelectInContents(url);
  });
}

THelpWindow::~THelpWindow() = default;

void THelpWindow::SetOwner(QWidget* owner) {
  owner_ = owner;
  FollowFront();
}

// A modal window blocks every window of the program except its own
// transient ones, and a window manager keeps a transient window over its
// parent: as a transient of the modal window on top, the help window stays
// usable while a dialog runs, and the dialog stays modal to the game.
QWindow* THelpWindow::FrontWindow(const QWindow* leaving) {
  QWindow* self = windowHandle();
  QWindow* modal = QGuiApplication::modalWindow();
  // A dialog on its way out hands over to the modal window it belongs to, if any.
  while (modal && (modal == leaving || !modal->isVisible() || !modal->isModal())) modal = modal->transientParent();
  // A box the help window itself opened (an error report) stays its own.
  if (modal && modal != self && !(self && self->isAncestorOf(modal, QWindow::IncludeTransients))) return modal;
  return owner_ ? owner_->window()->windowHandle() : nullptr;
}

void THelpWindow::FollowFront(const QWindow* leaving) {
  if (!windowHandle()) winId();  // the native window that takes the transient parent
  QWindow* front = FrontWindow(leaving);
  if (front == front_ && windowHandle()->transientParent() == front) return;
  if (front_) front_->removeEventFilter(this);
  front_ = front;
  if (front_) front_->installEventFilter(this);
  windowHandle()->setTransientParent(front);
  // Qt tells the window system of the owner only as the window is shown.
  // On X the window manager hears of the new one now; on Wayland the window
  // no longer goes with the old owner's, which it would when that closes.
  if (isVisible()) SetX11TransientOwner(*windowHandle(), front);
}

bool THelpWindow::event(QEvent* event) {
  // A modal dialog has just come up: go over to it before any input is lost.
  if (event->type() == QEvent::WindowBlocked) FollowFront();
  return QWidget::event(event);
}

bool THelpWindow::eventFilter(QObject* watched, QEvent* event) {
  // The dialog on top is closing: over to the next one, or to the owner,
  // now, before the dialog's window is gone and takes the help window along.
  if (watched == front_ && event->type() == QEvent::Hide) FollowFront(front_);
  // Some window managers (openbox) raise a modal dialog over its own
  // transient windows when it is clicked or given the focus: the help
  // window goes back over it, the dialog keeping the focus. The owner is
  // raised as it takes the focus, or shows more of itself when clicked
  // again while it has the focus already.
  if (watched == front_ && (event->type() == QEvent::FocusIn || event->type() == QEvent::Expose) && isVisible() &&
      X11StackedBelow(*windowHandle(), *front_))
    raise();
  return QWidget::eventFilter(watched, event);
}

void THelpWindow::closeEvent(QCloseEvent* event) {
  // The next showing is a new help window to the reader: nothing looked for yet.
  IndexFilter->clear();
  QWidget::closeEvent(event);
}

QString THelpWindow::Prepare() {
  if (ready_) return {};
  if (!UseFolder(cacheFolder_)) {
    // A cache that takes nothing (a read-only or full home) must not keep a
    // readable help file shut: this run's files go to a folder of its own.
    fallbackFolder_ = std::make_unique<QTemporaryDir>(QDir::temp().filePath(QStringLiteral("tolvenix-help-XXXXXX")));
    if (!fallbackFolder_->isValid() || !UseFolder(fallbackFolder_->path()))
      return tr("The help viewer could not keep its files in %1.").arg(QDir::toNativeSeparators(cacheFolder_));
  }
  const QString problem = RegisterHelpFile(*engine_, programFolder_);
  // Again, so that the contents and the index show what is registered now.
  engine_->setupData();
  ready_ = problem.isEmpty();
  if (ready_) shownLanguage_ = PageLanguage(StartPage(*engine_, language_));
  HideOtherLanguages();
  return problem;
}

void THelpWindow::HideOtherLanguages() {
  if (shownLanguage_.isEmpty()) return;
  if (!engine_->contentModel()->isCreatingContents()) {
    QHelpContentModel* contents = engine_->contentModel();
    for (int row = 0; row < contents->rowCount(); ++row) {
      const QHelpContentItem* item = contents->contentItemAt(contents->index(row, 0));
      Contents->setRowHidden(row, QModelIndex(), item && PageLanguage(item->url()) != shownLanguage_);
    }
    FitContents();
  }
  if (!engine_->indexModel()->isCreatingIndex()) {
    QAbstractItemModel* index = Index->model();
    for (int row = 0; row < index->rowCount(); ++row) {
      bool ours = false;
      for (const QHelpLink& link : engine_->documentsForKeyword(index->index(row, 0).data().toString()))
        ours = ours || PageLanguage(link.url) == shownLanguage_;
      Index->setRowHidden(row, !ours);
    }
  }
}

void THelpWindow::FitContents() {
  QAbstractItemModel* contents = Contents->model();
  int widest = 0;
  const std::function<void(const QModelIndex&, int)> measure = [&](const QModelIndex& parent, int depth) {
    for (int row = 0; row < contents->rowCount(parent); ++row) {
      if (Contents->isRowHidden(row, parent)) continue;
      const QModelIndex item = contents->index(row, 0, parent);
      widest = std::max(widest, depth * Contents->indentation() + Contents->sizeHintForIndex(item).width());
      measure(item, depth + 1);
    }
  };
  measure({}, Contents->rootIsDecorated() ? 1 : 0);
  // Around the titles: the tab page's frame, the tree's and a scroll bar.
  const int need = widest + 2 * style()->pixelMetric(QStyle::PM_DefaultFrameWidth) + 2 * Contents->frameWidth() +
                   style()->pixelMetric(QStyle::PM_ScrollBarExtent);
  auto* splitter = qobject_cast<QSplitter*>(Tabs->parentWidget());
  const QList<int> sizes = splitter->sizes();
  const int total = std::max(sizes.value(0) + sizes.value(1), width());
  if (sizes.value(0) < need) splitter->setSizes({need, total - need});
}

bool THelpWindow::UseFolder(const QString& folder) {
  if (!QDir().mkpath(folder) || !QFileInfo(folder).isWritable()) return false;
  const QString collection = QDir(folder).filePath(QStringLiteral("help.qhc"));
  if (engine_->collectionFile() != collection) engine_->setCollectionFile(collection);
  return engine_->setupData();
}

void THelpWindow::Present() {
  FollowFront();
  // The window system learns of a transient parent as the window is shown:
  // shown again, the window goes over the dialog now in front, and a window
  // manager lets a dialog's own window take the focus from it.
  if (isVisible() && shownOver_ != windowHandle()->transientParent()) hide();
  shownOver_ = windowHandle()->transientParent();
  if (isMinimized()) showNormal();
  show();
  raise();
  activateWindow();
}

void THelpWindow::ShowProblem(const QString& text) {
  Notice->hide();
  // The text may hold paths: shown as it is, blanks and all.
  Browser->setHtml(QStringLiteral("<h2>%1</h2><p style=\"white-space: pre-wrap\">%2</p>")
                       .arg(windowTitle().toHtmlEscaped(), text.toHtmlEscaped()));
}

void THelpWindow::ShowTopic(const QUrl& url) {
  Notice->hide();
  Browser->setSource(url);
  SelectInContents(url);
}

void THelpWindow::SelectInContents(const QUrl& url) {
  if (!url.isValid() || engine_->contentModel()->isCreatingContents()) return;
  const QModelIndex item = Contents->indexOf(url);
  if (item.isValid()) {
    Contents->setCurrentIndex(item);
    Contents->scrollTo(item);
  }
}

void THelpWindow::ShowTopics() {
  Present();
  Tabs->setCurrentIndex(0);
  if (const QString problem = Prepare(); !problem.isEmpty()) {
    ShowProblem(problem);
    return;
  }
  ShowTopic(StartPage(*engine_, language_));
}

void THelpWindow::ShowContext(int context) {
  Present();
  if (const QString problem = Prepare(); !problem.isEmpty()) {
    ShowProblem(problem);
    return;
  }
  const QUrl topic = TopicForContext(*engine_, context, language_);
  if (topic.isValid()) {
    ShowTopic(topic);
    return;
  }
  Tabs->setCurrentIndex(0);
  ShowTopic(StartPage(*engine_, language_));
  Notice->setText(tr("The help topic %1 was not found in the help file. These are its contents.").arg(context));
  Notice->show();
}

}  // namespace quorvane
