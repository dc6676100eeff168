#include "help/help_files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHelpEngineCore>
#include <QHelpLink>
#include <QLocale>
#include <QStringList>

namespace quorvane {

namespace {

// What the collection remembers of the file it registered, to see a rebuilt
// or replaced file: its path, size and time.
const QString kStampKey = QStringLiteral("TolvenixHelpFile");

QString Stamp(const QFileInfo& file) {
  return QStringLiteral("%1|%2|%3")
      .arg(file.absoluteFilePath())
      .arg(file.size())
      .arg(file.lastModified().toMSecsSinceEpoch());
}

void UnregisterAll(QHelpEngineCore& engine) {
  for (const QString& name : engine.registeredDocumentations()) engine.unregisterDocumentation(name);
  engine.removeCustomValue(kStampKey);
}

}  // namespace

QString HelpFileName() { return QStringLiteral("TOLVENIX.HLP"); }

QString HelpCacheFolder() {
  // The XDG rules ignore a relative path: it would move with the working folder.
  const QString cacheHome = qEnvironmentVariable("XDG_CACHE_HOME");
  const QString base =
      QDir::isAbsolutePath(cacheHome) ? cacheHome : QDir(QDir::homePath()).filePath(QStringLiteral(".cache"));
  return QDir::cleanPath(QDir(base).filePath(QStringLiteral("tolvenix")));
}

QString RegisterHelpFile(QHelpEngineCore& engine, const QString& folder) {
  const QFileInfo file(QDir(folder).filePath(HelpFileName()));
  if (!file.isFile()) {
    UnregisterAll(engine);
    return QCoreApplication::translate("quorvane::HelpFiles", "The help file %1 could not be found in %2.")
        .arg(HelpFileName(), QDir::toNativeSeparators(folder));
  }
  const QString unreadable =
      QCoreApplication::translate("quorvane::HelpFiles", "The help file %1 in %2 could not be read.")
          .arg(HelpFileName(), QDir::toNativeSeparators(folder));
  const QString name = QHelpEngineCore::namespaceName(file.absoluteFilePath());
  if (name.isEmpty()) {
    UnregisterAll(engine);
    return unreadable;
  }
  if (engine.registeredDocumentations() == QStringList{name} && engine.customValue(kStampKey).toString() == Stamp(file))
    return {};
  UnregisterAll(engine);
  if (!engine.registerDocumentation(file.absoluteFilePath())) return unreadable;
  engine.setCustomValue(kStampKey, Stamp(file));
  return {};
}

QString HelpLanguage() { return QLocale().name(); }

QString PageLanguage(const QUrl& page) {
  // qthelp://<namespace>/<virtual folder>/[<language>/]<page>
  const QStringList parts = page.path().split(u'/', Qt::SkipEmptyParts);
  return parts.size() > 2 ? parts.at(parts.size() - 2) : QStringLiteral("en");
}

namespace {

// Topics for "pt_BR" lie in pt_BR/, those for "de_DE" in de/.
QStringList LanguageFolders(const QString& language) {
  return {language, language.section(u'_', 0, 0), QStringLiteral("en")};
}

}  // namespace

QUrl PageInLanguage(const QList<QUrl>& pages, const QString& language) {
  for (const QString& wanted : LanguageFolders(language)) {
    for (const QUrl& page : pages)
      if (PageLanguage(page) == wanted) return page;
  }
  return pages.isEmpty() ? QUrl() : pages.first();
}

namespace {

// An id names one page, so a language's ids carry its code: "de/1000".
QUrl PageWithId(const QHelpEngineCore& engine, const QString& id, const QString& language) {
  QList<QUrl> pages;
  for (const QString& folder : LanguageFolders(language)) {
    const QString wanted = folder == u"en" ? id : folder + u'/' + id;
    for (const QHelpLink& link : engine.documentsForIdentifier(wanted)) pages << link.url;
  }
  return PageInLanguage(pages, language);
}

}  // namespace

// Each context number is the id of one keyword in each language of the help
// file, and so is "contents" for the start page.
QUrl TopicForContext(const QHelpEngineCore& engine, int context, const QString& language) {
  return PageWithId(engine, QString::number(context), language);
}

QUrl StartPage(const QHelpEngineCore& engine, const QString& language) {
  return PageWithId(engine, QStringLiteral("contents"), language);
}

}  // namespace quorvane
