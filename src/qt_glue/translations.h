#pragma once

#include <QFontDatabase>
#include <QString>
#include <QStringList>
#include <functional>

class QCoreApplication;

namespace quorvane {

// The languages the game speaks besides English, by their ISO 639 code and,
// where the territory matters, its ISO 3166 one ("de", "pt_BR"): one for
// each translations/tolvenix_<code>.qm in the program folder.
QStringList TranslatedLanguages(const QString& programFolder);

// The language to speak, chosen from the environment as gettext chooses:
// the locale is the first set of LC_ALL, LC_MESSAGES and LANG; under the C
// or POSIX locale (or none) everything stays English. Otherwise a LANGUAGE
// with entries (a colon-separated list of preferences) replaces the locale:
// its first entry that is one of `available` (its own territory's, or its
// language's) wins; English, having no translation, is passed over; a C
// entry, or no entry available, means English. "" means English.
QString ChooseLanguage(const std::function<QString(const char*)>& environment, const QStringList& available);

// Whether an installed font has the letters `language` is written in:
// `families` gives the installed fonts that have those of a writing system
// (QFontDatabase::families, in the program).
bool FontCovers(const QString& language, const std::function<QStringList(QFontDatabase::WritingSystem)>& families);

// Installs the game's translation for the player's language from the program
// folder, with Qt's own for the standard texts (message box buttons, the
// file dialog) where the system has them, and makes that language the
// default locale, which the help window follows. Under an English or C
// locale it installs nothing; nor where no installed font has the
// language's letters (Chinese without a Chinese font would show boxes):
// then it says so on standard error. Gives the language installed, "" for
// English.
QString InstallTranslations(QCoreApplication& app, const QString& programFolder);

// Installs the translations of one language (not English), as above.
// Gives false when the game's own file is missing.
bool InstallLanguage(QCoreApplication& app, const QString& programFolder, const QString& language);

}  // namespace quorvane
