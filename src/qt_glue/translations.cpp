#include "qt_glue/translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <cstdio>

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

// The writing system of a language's script; Any where every font will do.
QFontDatabase::WritingSystem WritingSystemOf(const QString& language) {
  switch (QLocale(language).script()) {
    case QLocale::LatinScript: return QFontDatabase::Latin;
    case QLocale::CyrillicScript: return QFontDatabase::Cyrillic;
    case QLocale::SimplifiedHanScript: return QFontDatabase::SimplifiedChinese;
    case QLocale::TraditionalHanScript: return QFontDatabase::TraditionalChinese;
    default: return QFontDatabase::Any;
  }
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
  // A LANGUAGE with entries is the whole list: the first entry with a
  // translation wins, English (which has none) and untranslated ones are
  // passed over, and when none has one the game speaks English, not the
  // locale's language. Only an empty LANGUAGE leaves the choice to the locale.
  const QStringList preferences = environment("LANGUAGE").split(u':', Qt::SkipEmptyParts);
  for (const QString& preference : preferences.isEmpty() ? QStringList{locale} : preferences) {
    const QString name = LocaleName(preference);
    if (name == u"C" || name == u"POSIX") return {};  // the untranslated texts, at once
    if (const QString language = Translated(name, available); !language.isEmpty()) return language;
  }
  return {};
}

bool FontCovers(const QString& language, const std::function<QStringList(QFontDatabase::WritingSystem)>& families) {
  const QFontDatabase::WritingSystem system = WritingSystemOf(language);
  return system == QFontDatabase::Any || !families(system).isEmpty();
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
  if (language.isEmpty()) return {};
  if (!FontCovers(language, [](QFontDatabase::WritingSystem system) { return QFontDatabase::families(system); })) {
    std::fprintf(stderr,
                 "tolvenix: no installed font has the letters of the language %s, so the game speaks English; "
                 "install a font for it (for Chinese, the package fonts-wqy-microhei).\n",
                 qPrintable(language));
    return {};
  }
  if (!InstallLanguage(app, programFolder, language)) return {};
  return language;
}

}  // namespace quorvane
