#include <gtest/gtest.h>

#include <QHelpContentItem>
#include <QHelpContentModel>
#include <QHelpContentWidget>
#include <map>

#include "help/help_files.h"
#include "help/help_window.h"
#include "shell/status_bar.h"
#include "support/spoken_language.h"
#include "support/window_test_support.h"

namespace quorvane::testing {
namespace {

// The game started under a locale: the translations are chosen from the
// environment as the program chooses them at start-up.
class LocaleTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG", "XDG_CACHE_HOME"})
      saved_[name] = qgetenv(name);
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"}) qunsetenv(name);
    qputenv("XDG_CACHE_HOME", cache_.path().toUtf8());
  }
  void TearDown() override {
    WindowTest::TearDown();
    for (const auto& [name, value] : saved_) value.isNull() ? qunsetenv(name.c_str()) : qputenv(name.c_str(), value);
  }

  QTemporaryDir cache_;
  std::map<std::string, QByteArray> saved_;
};

TEST_F(LocaleTest, TheWindowAndTheHelpSpeakTheLocalesLanguageAndTheSettingsStayTheSame) {
  const struct {
    const char* lang;
    const char* newGame;
    const char* score;
    const char* level;
    const char* resume;
    const char* paused;
    const char* helpFolder;  // where the options topic lies
  } cases[] = {
      {"C", "&New game", "Score : 10", "Easy", "Res&ume", "Paused", "/help/options.html"},
      {"de_DE.UTF-8", "&Neues Spiel", "Punkte: 10", "Leicht", "&Weiter", "Pause", "/help/de/options.html"},
      {"fr_FR.UTF-8", "&Nouveau jeu", "Score\u00a0: 10", "Facile", "&Reprendre", "En pause", "/help/fr/options.html"},
      {"es_ES.UTF-8", "&New game", "Score : 10", "Easy", "Res&ume", "Paused", "/help/options.html"},
  };
  const std::string settings = "; kept as written\n[SCORE]\nHISCORE=340\nHINAME=Zoë\n[SKILL]\nLEVEL=1\n";
  std::string englishSaved;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.lang);
    qputenv("LANG", c.lang);
    const SpokenLanguage english("");  // takes away what the case installs
    InstallTranslations(*QCoreApplication::instance(), QStringLiteral(QUORVANE_BIN_DIR));
    WriteSettings(settings);
    TForm1& form = Show();
    EXPECT_EQ(form.Button2->text().toStdString(), c.newGame);
    StartHeldGame();
    form.SuperTimer1Timer();
    EXPECT_EQ(form.StatusBar1->PanelText(1).toStdString(), c.score);
    EXPECT_EQ(form.StatusBar1->PanelText(3).toStdString(), c.level);
    form.SuperTimer1().SetInterval(60000);  // running, far from its next tick
    form.SuperTimer1().SetEnabled(true);
    form.Button3Click();
    EXPECT_EQ(form.Button3->text().toStdString(), c.resume);
    EXPECT_EQ(form.StatusBar1->PanelText(0).toStdString(), c.paused);

    // The help window opens the topic in the player's language, and its
    // contents list that language's topics only.
    THelpWindow help(QStringLiteral(QUORVANE_BIN_DIR), HelpCacheFolder());
    help.ShowContext(OptionsHelpContext);
    EXPECT_EQ(help.Browser->source().path().toStdString(), c.helpFolder);
    auto* contents = qobject_cast<QHelpContentModel*>(help.Contents->model());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !contents->isCreatingContents() && contents->rowCount() > 0; }, 10000));
    QStringList shown;
    for (int row = 0; row < contents->rowCount(); ++row) {
      if (!help.Contents->isRowHidden(row, {})) shown << contents->contentItemAt(contents->index(row, 0))->url().path();
    }
    EXPECT_EQ(shown.join(u' ').toStdString(),
              QString::fromLatin1(c.helpFolder).replace("options", "index").toStdString());
    help.close();

    form_->close();
    form_.reset();
    // The same settings, byte for byte, whatever the language.
    if (englishSaved.empty()) englishSaved = ReadSettings();
    EXPECT_EQ(ReadSettings(), englishSaved);
  }
  EXPECT_NE(englishSaved.find("HINAME=Zoë"), std::string::npos);
}

}  // namespace
}  // namespace quorvane::testing
