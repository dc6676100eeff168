#include "qt_glue/translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace quorvane {

namespace {

// "de_DE.UTF-8@euro" is "de"; "C", "POSIX" and "" are no language at all.
QString LanguagePart(const QString& locale) {
  QString language = locale.section(u'.', 0, 0).section(u'@', 0, 0).section(u'_', 0, 0).trimmed().toLower();
  if (language == u"c" || language == u"posix") return {};
  return language;
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
  const QString localeLanguage = LanguagePart(locale);
  // As gettext does: LANGUAGE counts only when the locale is not C.
  if (localeLanguage.isEmpty()) return {};
  QStringList preferences;
  for (const QString& entry : environment("LANGUAGE").split(u':', Qt::SkipEmptyParts))
    preferences << LanguagePart(entry);
  preferences << localeLanguage;
  for (const QString& language : preferences) {
    if (language == u"en") return {};
    if (available.contains(language)) return language;
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
