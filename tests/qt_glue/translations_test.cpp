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
      {{{"LANG", "C.UTF-8"}, {"LANGUAGE", "de"}}, ""},  // LANGUAGE does not count under C
      {{{"LANG", "de_AT.UTF-8@euro"}}, "de"},
      {{{"LANG", "es_ES.UTF-8"}}, ""},  // not translated: English
      {{{"LANG", "fr_FR.UTF-8"}, {"LC_MESSAGES", "de_DE.UTF-8"}}, "de"},
      {{{"LANG", "de_DE.UTF-8"}, {"LANGUAGE", "es:fr:de"}}, "fr"},  // the first one translated
      {{{"LANG", "de_DE.UTF-8"}, {"LANGUAGE", "en_US:de"}}, ""},    // English first
      {{{"LANG", "fr_FR.UTF-8"}, {"LANGUAGE", "es:it"}}, "fr"},     // none: the locale's own
  };
  for (const auto& c : cases) {
    const auto environment = [&](const char* name) { return c.environment.count(name) ? c.environment.at(name) : ""; };
    EXPECT_EQ(ChooseLanguage(environment, {"de", "fr"}), c.language)
        << c.environment.size() << " " << c.language.toStdString();
  }
}

}  // namespace
}  // namespace quorvane
