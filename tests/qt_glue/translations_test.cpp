#include <gtest/gtest.h>
#include <map>

#include "qt_glue/translations.h"

namespace quorvane {
namespace {

TEST(ChooseLanguage, FollowsTheLocaleAsGettextDoes) {
  const struct {
    std::map<std::string, QString> environment;
    QString language;
  } cases[] = {
      {{}, ""},
      {{{"LANG", "C"}, {"LANGUAGE", "de"}}, ""},  // LANGUAGE does not count under C
      {{{"LANG", "POSIX"}, {"LANGUAGE", "de"}}, ""},
      {{{"LC_ALL", "C.UTF-8"}, {"LANGUAGE", "de"}}, "de"},  // but does under C.UTF-8
      {{{"LANG", "pt_BR.UTF-8"}}, "pt_BR"},                 // a territory's own translation
      {{{"LANG", "pt_PT.UTF-8"}}, ""},                      // not another territory's
      {{{"LANG", "de_DE.UTF-8"}, {"LANGUAGE", "zh_TW:pt_BR"}}, "pt_BR"},
      {{{"LANG", "de_AT.UTF-8@euro"}}, "de"},
      {{{"LANG", "es_ES.UTF-8"}}, ""},  // not translated: English
      {{{"LANG", "fr_FR.UTF-8"}, {"LC_MESSAGES", "de_DE.UTF-8"}}, "de"},
      {{{"LANG", "de_DE.UTF-8"}, {"LANGUAGE", "es:fr:de"}}, "fr"},  // the first one translated
      {{{"LANG", "de_DE.UTF-8"}, {"LANGUAGE", "en_US:de"}}, "de"},  // English has no translation to take
      {{{"LANG", "de_DE.UTF-8"}, {"LANGUAGE", "en:fr"}}, "fr"},
      {{{"LANG", "fr_FR.UTF-8"}, {"LANGUAGE", "es:it"}}, ""},  // none translated: English, not the locale's
      {{{"LANG", "de_DE.UTF-8"}, {"LANGUAGE", "nl"}}, ""},
      {{{"LANG", "de_DE.UTF-8"}, {"LANGUAGE", "C:fr"}}, ""},  // C stops at the untranslated texts
      {{{"LANG", "fr_FR.UTF-8"}, {"LANGUAGE", ":"}}, "fr"},   // a list without entries: the locale's
  };
  for (const auto& c : cases) {
    const auto environment = [&](const char* name) { return c.environment.count(name) ? c.environment.at(name) : ""; };
    EXPECT_EQ(ChooseLanguage(environment, {"de", "fr", "pt_BR"}), c.language)
        << c.environment.size() << " " << c.language.toStdString();
  }
}

// A language whose letters no installed font has is not shown: its texts
// would be boxes.
TEST(FontCovers, OnlyWhereAnInstalledFontHasTheLanguagesLetters) {
  const struct {
    const char* language;
    QFontDatabase::WritingSystem installed;  // the one writing system some font has
    bool covered;
  } cases[] = {
      {"de", QFontDatabase::Latin, true},
      {"ru", QFontDatabase::Latin, false},
      {"ru", QFontDatabase::Cyrillic, true},
      {"zh_CN", QFontDatabase::Japanese, false},
      {"zh_CN", QFontDatabase::SimplifiedChinese, true},
  };
  for (const auto& c : cases) {
    const auto families = [&](QFontDatabase::WritingSystem s) { return QStringList(s == c.installed ? 1 : 0, "Sans"); };
    EXPECT_EQ(FontCovers(c.language, families), c.covered) << c.language << " " << c.installed;
  }
}

}  // namespace
}  // namespace quorvane
