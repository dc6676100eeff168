#include "help/help_window.h"

#include <QBuffer>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QHelpContentItem>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QHelpIndexModel>
#include <QHelpIndexWidget>
#include <QHelpLink>
#include <QImage>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QSplitter>
#include <QStyle>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <algorithm>
#include <vector>

#include "help/help_files.h"
#include "help/page_nesting.h"
#include "product/product.h"
#include "widgets/plain_text.h"

namespace quorvane {

namespace {

// A page's text and what its pictures take once decoded: far above what
// ours need (a few kilobytes, a few hundred kilobytes), far below what
// would keep the viewer busy or take the machine's memory.
constexpr qsizetype kMostPageBytes = 4 * 1024 * 1024;
constexpr qint64 kMostPictureBytes = 48 * 1024 * 1024;
// The contents of our help files nest 2 levels.
constexpr int kMostContentsDepth = 16;

// The picture formats our pages use, told by their first bytes. Anything
// else (SVG above all, whose plug-in would open the files a picture names)
// is no picture of ours.
QByteArray PictureFormat(const QByteArray& data) {
  if (data.startsWith("\x89PNG\r\n\x1a\n")) return "png";
  if (data.startsWith("\xff\xd8\xff")) return "jpeg";
  if (data.startsWith("GIF87a") || data.startsWith("GIF89a")) return "gif";
  return {};
}

// An empty picture is one clear pixel, since a null one would make Qt load
// the name as a file.
QImage NoPicture() {
  QImage image(1, 1, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  return image;
}

}  // namespace

THelpBrowser::THelpBrowser(QHelpEngineCore& engine, QWidget* parent) : QTextBrowser(parent), engine_(engine) {}

QString THelpBrowser::TooLarge(const QUrl& page) {
  return tr("The help page %1 is too large to be shown.").arg(page.toString(QUrl::RemoveFragment));
}

QVariant THelpBrowser::LoadPicture(const QUrl& name) {
  if (refused_) return NoPicture();
  QByteArray data = engine_.fileData(name);
  const QByteArray format = PictureFormat(data);
  if (format.isEmpty()) return NoPicture();
  QBuffer buffer(&data);
  QImageReader reader(&buffer, format);
  reader.setAutoDetectImageFormat(false);
  reader.setDecideFormatFromContent(false);
  // Its size is read from its header, before anything is decoded.
  const QSize size = reader.size();
  if (!size.isValid()) return NoPicture();
  pictureBytes_ += qint64(size.width()) * size.height() * 4;
  if (pictureBytes_ > kMostPictureBytes) {
    refused_ = true;
    // Pictures load as the page is laid out: the page goes after that.
    QMetaObject::invokeMethod(
        this, [this, reason = TooLarge(page_)] { emit Refused(reason); }, Qt::QueuedConnection);
    return NoPicture();
  }
  reader.setAllocationLimit(int(kMostPictureBytes / (1024 * 1024)));
  const QImage image = reader.read();
  return image.isNull() ? NoPicture() : image;
}

QVariant THelpBrowser::loadResource(int type, const QUrl& name) {
  // Only the help file's own pages: a topic never makes the viewer fetch or
  // open anything else. An empty answer is never a null one, which Qt would
  // take as leave to open the name itself.
  const bool ours = name.scheme() == QLatin1String("qthelp");
  if (type == QTextDocument::ImageResource) return ours ? LoadPicture(name) : QVariant(NoPicture());
  QByteArray data = ours ? engine_.fileData(name) : QByteArray();
  if (data.size() > kMostPageBytes) data.clear();
  if (type == QTextDocument::HtmlResource || type == QTextDocument::StyleSheetResource ||
      type == QTextDocument::MarkdownResource)
    return QString::fromUtf8(data);
  return data.isNull() ? QByteArray("") : data;
}

void THelpBrowser::doSetSource(const QUrl& name, QTextDocument::ResourceType) {
  // Every page is read as HTML, the only kind we write, and looked at
  // before Qt lays it out.
  const QUrl page = name.isRelative() ? source().resolved(name) : name;
  const QString shown = page.toString(QUrl::RemoveFragment);
  const QByteArray text = page.scheme() == QLatin1String("qthelp") ? engine_.fileData(page) : QByteArray();
  if (text.size() > kMostPageBytes) {
    emit Refused(TooLarge(page));
    return;
  }
  if (NestedTooDeeply(QString::fromUtf8(text))) {
    emit Refused(tr("The help page %1 is nested too deeply to be shown.").arg(shown));
    return;
  }
  // Its pictures load as it is read and laid out, from here on.
  page_ = page;
  pictureBytes_ = 0;
  refused_ = false;
  QTextBrowser::doSetSource(name, QTextDocument::HtmlResource);
}

THelpWindow::THelpWindow(QString programFolder, QString cacheFolder)
    : programFolder_(std::move(programFolder)), cacheFolder_(std::move(cacheFolder)), language_(HelpLanguage()) {
  setWindowTitle(tr("%1 Help").arg(QString::fromLatin1(ProductName)));
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
    if (!FitContents()) {
      // Qt's views walk such a tree as deep as it goes: none of it is shown.
      for (int row = 0; row < contents->rowCount(); ++row) Contents->setRowHidden(row, QModelIndex(), true);
      ShowProblem(tr("The contents of the help file are nested too deeply to be shown."));
    }
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

bool THelpWindow::FitContents() {
  QAbstractItemModel* contents = Contents->model();
  int widest = 0;
  // Depth first, each title before the ones below it, with a list of its
  // own rather than the stack.
  std::vector<std::pair<QModelIndex, int>> waiting{{QModelIndex(), Contents->rootIsDecorated() ? 1 : 0}};
  while (!waiting.empty()) {
    const auto [parent, depth] = waiting.back();
    waiting.pop_back();
    if (depth > kMostContentsDepth) return false;
    for (int row = contents->rowCount(parent) - 1; row >= 0; --row) {
      if (Contents->isRowHidden(row, parent)) continue;
      const QModelIndex item = contents->index(row, 0, parent);
      widest = std::max(widest, depth * Contents->indentation() + Contents->sizeHintForIndex(item).width());
      waiting.emplace_back(item, depth + 1);
    }
  }
  // Around the titles: the tab page's frame, the tree's and a scroll bar.
  const int need = widest + 2 * style()->pixelMetric(QStyle::PM_DefaultFrameWidth) + 2 * Contents->frameWidth() +
                   style()->pixelMetric(QStyle::PM_ScrollBarExtent);
  auto* splitter = qobject_cast<QSplitter*>(Tabs->parentWidget());
  const QList<int> sizes = splitter->sizes();
  const int total = std::max(sizes.value(0) + sizes.value(1), width());
  if (sizes.value(0) < need) splitter->setSizes({need, total - need});
  return true;
}

bool THelpWindow::UseFolder(const QString& folder) {
  if (!QDir().mkpath(folder) || !QFileInfo(folder).isWritable()) return false;
  const QString collection = QDir(folder).filePath(QStringLiteral("help.qhc"));
  if (engine_->collectionFile() != collection) engine_->setCollectionFile(collection);
  return engine_->setupData();
}

void THelpWindow::Present() {
  // The viewer's own window, brought forward at each request of the game.
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
