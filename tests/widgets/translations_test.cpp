#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>
#include <map>

#include "widgets/translations.h"

namespace quorvane {
namespace {

TEST(ChooseLanguage, FollowsTheLocaleAsGettextDoes) {
  const QStringList available = {"de", "fr"};
  const struct {
    std::map<std::string, QString> environment;
    QString language;
  } cases[] = {
      {{}, ""},
      {{{"LANG", "C"}}, ""},
      {{{"LANG", "C.UTF-8"}, {"LANGUAGE", "de"}}, ""},  // LANGUAGE does not count under C
      {{{"LANG", "POSIX"}, {"LANGUAGE", "fr"}}, ""},
      {{{"LANG", "en_GB.UTF-8"}}, ""},
      {{{"LANG", "de_DE.UTF-8"}}, "de"},
      {{{"LANG", "de_AT@euro"}}, "de"},
      {{{"LANG", "fr_CA.UTF-8"}}, "fr"},
      {{{"LANG", "es_ES.UTF-8"}}, ""},  // not translated: English
      {{{"LANG", "fr_FR.UTF-8"}, {"LC_MESSAGES", "de_DE.UTF-8"}}, "de"},
      {{{"LANG", "fr_FR.UTF-8"}, {"LC_MESSAGES", "de_DE.UTF-8"}, {"LC_ALL", "C"}}, ""},
      {{{"LC_ALL", "fr_FR.UTF-8"}, {"LANG", "de_DE.UTF-8"}}, "fr"},
      {{{"LANG", "de_DE.UTF-8"}, {"LANGUAGE", "es:fr:de"}}, "fr"},  // the first one available
      {{{"LANG", "de_DE.UTF-8"}, {"LANGUAGE", "en_US:de"}}, ""},    // English first
      {{{"LANG", "fr_FR.UTF-8"}, {"LANGUAGE", "es:it"}}, "fr"},     // none: the locale's own
      {{{"LANG", "de_DE.UTF-8"}, {"LANGUAGE", ""}}, "de"},
  };
  for (const auto& c : cases) {
    const auto environment = [&](const char* name) {
      const auto found = c.environment.find(name);
      return found == c.environment.end() ? QString() : found->second;
    };
    QString described;
    for (const auto& [name, value] : c.environment) described += QString::fromStdString(name) + u'=' + value + u' ';
    EXPECT_EQ(ChooseLanguage(environment, available), c.language) << described.toStdString();
  }
}

// The installed translations answer for the game and for Qt's own texts;
// under the C locale nothing is installed and every text stays English.
TEST(InstallTranslations, GameAndQtTextsUnderGermanNoneUnderC) {
  const auto translate = [] {
    return QCoreApplication::translate("quorvane::TForm1", "&New game") + u'|' +
           QCoreApplication::translate("QPlatformTheme", "&Yes");
  };
  const QString folder = QStringLiteral(QUORVANE_BIN_DIR);
  const QByteArray saved = qgetenv("LANG");
  for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"}) qunsetenv(name);

  EXPECT_EQ(TranslatedLanguages(folder), QStringList({"de", "fr"}));
  qputenv("LANG", "C");
  EXPECT_EQ(InstallTranslations(*QCoreApplication::instance(), folder), "");
  EXPECT_TRUE(QCoreApplication::instance()->findChildren<QTranslator*>().isEmpty());
  EXPECT_EQ(translate(), "&New game|&Yes");

  qputenv("LANG", "de_DE.UTF-8");
  EXPECT_EQ(InstallTranslations(*QCoreApplication::instance(), folder), "de");
  EXPECT_EQ(translate(), "&Neues Spiel|&Ja");
  EXPECT_EQ(QLocale().language(), QLocale::German);

  qputenv("LANG", saved);
}

}  // namespace
}  // namespace quorvane
