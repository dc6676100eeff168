#pragma once

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
// or POSIX locale (or none) everything stays English. Otherwise LANGUAGE, a
// colon-separated list of preferences, comes before that locale. The first
// preference that is English or one of `available` (its own territory's, or
// its language's) wins; "" means English.
QString ChooseLanguage(const std::function<QString(const char*)>& environment, const QStringList& available);

// Installs the game's translation for the player's language from the program
// folder, with Qt's own for the standard texts (message box buttons, the
// file dialog) where the system has them, and makes that language the
// default locale, which the help window follows. Under an English or C
// locale it installs nothing. Gives the language chosen, "" for English.
QString InstallTranslations(QCoreApplication& app, const QString& programFolder);

// Installs the translations of one language (not English), as above.
// Gives false when the game's own file is missing.
bool InstallLanguage(QCoreApplication& app, const QString& programFolder, const QString& language);

}  // namespace quorvane
