#include <gtest/gtest.h>

#include "help/help_window.h"
#include "shell/board_description.h"
#include "shell/error_report.h"
#include "shell/game_texts.h"
#include "support/window_test_support.h"

namespace quorvane::testing {
namespace {

// A whole game started under each locale: its windows, Qt's standard
// buttons and the help speak the language, and the settings file comes out
// the same.
TEST_F(WindowTest, TheGameSpeaksTheLocalesLanguageAndKeepsItsSettingsAlike) {
  const struct {
    const char* lang;
    const char* texts;  // New game|score|level|Resume|paused|Qt's Yes|game over
    const char* help;   // the folder of the topics shown
  } cases[] = {
      {"C", "&New game|Score : 10|Easy|Res&ume|Paused|&Yes|Game over", "/help/"},
      {"de_DE.UTF-8", "&Neues Spiel|Punkte: 10|Leicht|&Weiter|Pause|&Ja|Spiel vorbei", "/help/de/"},
      {"fr_FR.UTF-8", "J&ouer|Score\u00a0: 10|Facile|&Reprendre|En pause|&Oui|Partie terminée", "/help/fr/"},
      {"es_ES.UTF-8", "J&ugar|Puntos: 10|Fácil|&Continuar|En pausa|&Sí|Fin de la partida", "/help/es/"},
      {"it_IT.UTF-8", "Gio&ca|Punti: 10|Facile|&Riprendi|In pausa|&Sì|Partita finita", "/help/it/"},
      {"pt_BR.UTF-8", "&Novo jogo|Pontos: 10|Fácil|&Continuar|Pausado|&Sim|Fim de jogo", "/help/pt_BR/"},
      {"pl_PL.UTF-8", "&Nowa gra|Wynik: 10|Łatwy|&Wznów|Pauza|&Tak|Koniec gry", "/help/pl/"},
      {"ru_RU.UTF-8", "&Новая игра|Счёт: 10|Лёгкий|&Продолжить|Пауза|&Да|Игра окончена", "/help/ru/"},
      {"zh_CN.UTF-8", "新游戏(&N)|得分：10|简单|继续(&U)|已暂停|是(&Y)|游戏结束", "/help/zh_CN/"},
      {"nl_NL.UTF-8", "&New game|Score : 10|Easy|Res&ume|Paused|&Yes|Game over", "/help/"},
  };
  QTemporaryDir cache;
  for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"}) qunsetenv(name);
  const ScopedEnv lang("LANG", qgetenv("LANG"));  // put back after the cases
  std::string englishSettings;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.lang);
    qputenv("LANG", c.lang);
    const SpokenLanguage english("");  // takes back what the start-up installs
    InstallTranslations(*qApp, QUORVANE_BIN_DIR);
    WriteSettings("; by hand\n[SCORE]\nHISCORE=340\nHINAME=Zoë\n");
    TForm1& form = Show();
    StartHeldGame();
    form.SuperTimer1Timer();
    SuperTimer1().SetInterval(60000);  // running, far from its next tick
    SuperTimer1().SetEnabled(true);
    QStringList shown = {Control<QPushButton>(form, "Button2")->text(), Panel(1), Panel(3)};
    form.Button3Click();
    shown << Control<QPushButton>(form, "Button3")->text() << Panel(0)
          << QMessageBox().addButton(QMessageBox::Yes)->text();
    form.Button3Click();
    ModalAnswers answers;
    answers.Then(ModalAnswers::Press(QMessageBox::No));  // another game?
    StepUntilCrash();
    EXPECT_TRUE(answers.AllUsed());
    shown << Panel(0);
    EXPECT_EQ(shown.join(u'|').toStdString(), c.texts);

    THelpWindow help(QUORVANE_BIN_DIR, cache.path());
    for (int context : {OptionsHelpContext, PrivacyHelpContext}) {
      help.ShowContext(context);
      EXPECT_EQ(Control<QTextBrowser>(help, "Browser")->source().path().section(u'/', 0, -2).toStdString() + '/',
                c.help);
    }
    help.close();

    form_->close();
    form_.reset();
    if (englishSettings.empty()) englishSettings = ReadSettings();
    EXPECT_EQ(ReadSettings(), englishSettings) << "the same settings, byte for byte";
  }
  EXPECT_NE(englishSettings.find("HINAME=Zoë"), std::string::npos);
}

// Counted cells take the number's own form: Polish and Russian have one for 2
// to 4 (and 22 to 24) and another for 5 to 21.
TEST_F(WindowTest, CellsAreCountedInTheLanguagesOwnForms) {
  const struct {
    const char* lang;
    int length, blobAhead;
    const char* said;
  } cases[] = {
      {"", 22, 1, "The snake is 22 cells long, heading right. The blob is 1 cell right of the head."},
      {"ru", 22, 3, "Длина змеи: 22 клетки, направление: вправо. Шарик: 3 клетки вправо от головы."},
      {"ru", 21, 5, "Длина змеи: 21 клетка, направление: вправо. Шарик: 5 клеток вправо от головы."},
      {"pl", 22, 4, "Wąż ma długość 22 pola, kierunek: w prawo. Kulka jest 4 pola w prawo od głowy."},
      {"pl", 5, 12, "Wąż ma długość 5 pól, kierunek: w prawo. Kulka jest 12 pól w prawo od głowy."},
      {"zh_CN", 22, 3, "蛇长 22 格，方向：右。蓝点在蛇头向右 3 格处。"},  // no space after "。"
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.lang);
    const SpokenLanguage language(c.lang);
    ASSERT_TRUE(language.Installed);
    GameState s;
    s.DisplayMode = Board;
    s.GameRunning = true;
    s.PreviousDirection = Right;
    s.Snake.assign(static_cast<size_t>(c.length), SnakeSegment(0, 5, 0));  // the head at (0, 5), all it tells
    s.Blob = SnakeSegment(c.blobAhead, 5, BlobTile);
    s.BlobOnBoard = true;
    EXPECT_TRUE(DescribeBoard(s, false).endsWith(QString::fromUtf8(c.said))) << DescribeBoard(s, false).toStdString();
  }
}

// A sentence ends once, in the language's own way, and sentences said one
// after another are joined as the language joins them: the intro read out,
// and the report of a settings file that cannot be written.
TEST(Sentences, EndOnceInTheLanguagesOwnPunctuation) {
  const struct {
    const char* lang;
    const char* intro;
    const char* writeError;
  } cases[] = {
      {"",
       "Quorvane Sinuvar. Use cursor keys to move. Collect the blue blobs. Avoid the walls. Click New Game to play.",
       "Unable to write to Tolvenix.ini."},
      {"zh_CN", "Quorvane Sinuvar。用方向键控制移动。吃掉蓝点。避开墙壁。点击“新游戏”开始。",
       "无法写入 Tolvenix.ini。"},
  };
  GameState intro;
  intro.DisplayMode = Intro;
  for (const auto& c : cases) {
    const SpokenLanguage language(c.lang);
    EXPECT_EQ(DescribeBoard(intro, false).toStdString(), c.intro);
    EXPECT_EQ(ErrorReportText(GameText("Unable to write to Tolvenix.ini")).toStdString(), c.writeError);
  }
  for (const std::string& code : EveryLanguage()) {  // and no stop twice in any
    const SpokenLanguage language(code);
    const QString said = DescribeBoard(intro, false) + ErrorReportText(GameText("Unable to write to Tolvenix.ini"));
    EXPECT_FALSE(said.contains(QRegularExpression(QStringLiteral("[.。] ?[.。]")))) << said.toStdString();
  }
}

}  // namespace
}  // namespace quorvane::testing
