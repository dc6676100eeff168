#include "qt_glue/translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace quorvane {

namespace {

// "de_DE.UTF-8@euro" is "de_DE", "C.UTF-8" is "C".
QString LocaleName(const QString& locale) { return locale.section(u'.', 0, 0).section(u'@', 0, 0).trimmed(); }

// The translation for a name such as "pt_BR": its own, else its language's.
QString Translated(const QString& name, const QStringList& available) {
  if (available.contains(name)) return name;
  const QString language = name.section(u'_', 0, 0).toLower();
  return available.contains(language) ? language : QString();
}

}  // namespace

QStringList TranslatedLanguages(const QString& programFolder) {
  QStringList languages;
  const QDir folder(QDir(programFolder).filePath(QStringLiteral("translations")));
  for (const QString& file : folder.entryList({QStringLiteral("tolvenix_*.qm")}, QDir::Files, QDir::Name))
    languages << file.section(u'_', 1).section(u'.', 0, 0);
  return languages;
}

QString ChooseLanguage(const std::function<QString(const char*)>& environment, const QStringList& available) {
  QString locale;
  for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    locale = environment(name);
    if (!locale.isEmpty()) break;
  }
  // As gettext does: only the plain C locale (POSIX is its other name, and
  // no locale at all is C) ignores LANGUAGE; C.UTF-8 follows it, though
  // it has no language of its own.
  if (locale.isEmpty() || locale == u"C" || locale == u"POSIX") return {};
  QStringList preferences = environment("LANGUAGE").split(u':', Qt::SkipEmptyParts);
  preferences << locale;
  for (const QString& preference : preferences) {
    const QString name = LocaleName(preference);
    if (name == u"C" || name == u"POSIX") continue;
    if (name.section(u'_', 0, 0).toLower() == u"en") return {};
    if (const QString language = Translated(name, available); !language.isEmpty()) return language;
  }
  return {};
}

bool InstallLanguage(QCoreApplication& app, const QString& programFolder, const QString& language) {
  auto* own = new QTranslator(&app);
  if (!own->load(QStringLiteral("tolvenix_") + language,
                 QDir(programFolder).filePath(QStringLiteral("translations")))) {
    delete own;
    return false;
  }
  // Qt's own come first, so that the game's word wins where both have one.
  auto* qt = new QTranslator(&app);
  if (qt->load(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QCoreApplication::installTranslator(qt);
  } else {
    delete qt;
  }
  QCoreApplication::installTranslator(own);
  QLocale::setDefault(QLocale(language));
  return true;
}

QString InstallTranslations(QCoreApplication& app, const QString& programFolder) {
  const QString language =
      ChooseLanguage([](const char* name) { return qEnvironmentVariable(name); }, TranslatedLanguages(programFolder));
  if (language.isEmpty() || !InstallLanguage(app, programFolder, language)) return {};
  return language;
}

}  // namespace quorvane
