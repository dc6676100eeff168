#pragma once

// Tests of the translated game: the windows speak one language for as long
// as a SpokenLanguage lives.

#include <QCoreApplication>
#include <QLocale>
#include <QString>
#include <QTranslator>
#include <string>
#include <vector>

#include "widgets/translations.h"

namespace quorvane::testing {

// Installs the translations of a language ("" is English) from the built
// program folder, as the program does at start-up; gone, it leaves English.
class SpokenLanguage {
 public:
  explicit SpokenLanguage(const QString& language) : saved_(QLocale()) {
    if (!language.isEmpty())
      installed_ = InstallLanguage(*QCoreApplication::instance(), QStringLiteral(QUORVANE_BIN_DIR), language);
  }
  ~SpokenLanguage() {
    for (auto* translator : QCoreApplication::instance()->findChildren<QTranslator*>(Qt::FindDirectChildrenOnly)) {
      QCoreApplication::removeTranslator(translator);
      delete translator;
    }
    QLocale::setDefault(saved_);
  }
  SpokenLanguage(const SpokenLanguage&) = delete;
  SpokenLanguage& operator=(const SpokenLanguage&) = delete;
  bool Installed() const { return installed_; }

 private:
  QLocale saved_;
  bool installed_ = false;
};

// English ("") and every language the build has translated the game into.
inline std::vector<std::string> EveryLanguage() {
  std::vector<std::string> languages{""};
  for (const QString& language : TranslatedLanguages(QStringLiteral(QUORVANE_BIN_DIR)))
    languages.push_back(language.toStdString());
  return languages;
}

}  // namespace quorvane::testing
