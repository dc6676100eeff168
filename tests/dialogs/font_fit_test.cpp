#include <gtest/gtest.h>

#include <QCheckBox>
#include <QFontInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTabBar>

#include "dialog_fakes.h"
#include "dialogs/about_box.h"
#include "dialogs/new_hi_score_dialog.h"
#include "dialogs/options_dialog.h"
#include "shell/game_texts.h"
#include "shell/intro_screen.h"
#include "shell/status_bar.h"
#include "support/spoken_language.h"
#include "support/window_test_support.h"
#include "widgets/desktop_setup.h"

namespace quorvane::testing {
namespace {

// The width a caption's letters take: no access-key mark, no trailing blanks.
int InkWidth(const QWidget* w, QString text) {
  text.remove(QRegularExpression(QStringLiteral("&(?!&)")));
  return w->fontMetrics().horizontalAdvance(text.trimmed());
}

// Every caption within its control, beside the style's frame or indicator,
// and no label running into the control beside it.
void ExpectCaptionsFit(QWidget* window) {
  for (QWidget* w : window->findChildren<QWidget*>()) {
    const auto metric = [w](QStyle::PixelMetric m) { return w->style()->pixelMetric(m, nullptr, w); };
    int need = 0, room = w->width();
    if (auto* push = qobject_cast<QPushButton*>(w)) {
      need = InkWidth(w, push->text()) + 2 * metric(QStyle::PM_ButtonMargin);
    } else if (qobject_cast<QRadioButton*>(w)) {
      need = InkWidth(w, static_cast<QRadioButton*>(w)->text()) + metric(QStyle::PM_ExclusiveIndicatorWidth) +
             metric(QStyle::PM_RadioButtonLabelSpacing);
    } else if (auto* check = qobject_cast<QCheckBox*>(w)) {
      need = InkWidth(w, check->text()) + metric(QStyle::PM_IndicatorWidth) + metric(QStyle::PM_CheckBoxLabelSpacing);
    } else if (auto* tabs = qobject_cast<QTabBar*>(w)) {
      need = tabs->tabRect(tabs->count() - 1).right() + 1;  // every tab shown, none scrolled away
      room = tabs->parentWidget()->width();
    } else if (auto* label = qobject_cast<QLabel*>(w); label && !label->text().isEmpty()) {
      need = label->contentsMargins().left() + std::max(label->indent(), 0) + InkWidth(w, label->text());
      room = label->contentsRect().right() + 1;
      const QRect ink(label->pos(), QSize(need, label->height()));
      for (QWidget* next : label->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const bool beside = next->x() > label->x() && (qobject_cast<QLabel*>(next) || next->focusPolicy());
        EXPECT_FALSE(beside && next->geometry().intersects(ink)) << label->text().toStdString() << " runs on";
      }
    }
    EXPECT_LE(need, room) << w->metaObject()->className() << " " << w->accessibleName().toStdString();
  }
}

// In English and in every language the game is translated into.
class CaptionFitTest : public WindowTest, public ::testing::WithParamInterface<std::string> {};

TEST_P(CaptionFitTest, OneFaceEverywhereAndEveryCaptionFits) {
  const SpokenLanguage language(QString::fromStdString(GetParam()));
  if (!GetParam().empty()) {
    ASSERT_TRUE(language.Installed()) << "built beside the program";
  }
  TForm1& form = Show();
  EXPECT_EQ(form.font().family(), DesignedSansFamily) << "the window asks for its designed face";
  EXPECT_EQ(QFontInfo(form.Button2->font()).family(), SansStandIn);
  EXPECT_EQ(QFontInfo(QFont(DesignedIntroFamily)).family(), IntroStandIn);
  // Every text each panel and the Pause button can show, the longest numbers.
  const std::vector<std::vector<std::string>> panelTexts = {
      {"Game over", "Paused"}, {"Score : 99990"}, {"Hi : 99990"}, {"Easy", "Intermediate", "Difficult", "Custom"}};
  for (size_t i = 0; i < panelTexts[3].size(); ++i) {
    for (int panel = 0; panel < TStatusBar::PanelCount; ++panel) {
      const auto& texts = panelTexts[static_cast<size_t>(panel)];
      form.StatusBar1->SetPanelText(panel, GameText(texts[std::min(i, texts.size() - 1)]));
    }
    form.Button3->setText(GameText(i % 2 ? "Pa&use" : "Res&ume"));
    ExpectCaptionsFit(&form);
  }
  // The intro's lines within the board, a few pixels to spare at each side.
  for (int i = 0; i < IntroLineCount; ++i) {
    QFont font(QString::fromLatin1(IntroFont));
    font.setPixelSize(PointsToPixels(IntroLines()[i].SizePoints));
    EXPECT_LE(QFontMetrics(font).horizontalAdvance(IntroLineText(i)), PaintBoxWidth - 8)
        << IntroLineText(i).toStdString();
  }

  RecordingHelp help;
  QtWavFileBrowser browser;  // never asked
  bool helpOpened = false;
  TForm3 options(&form, help, helpOpened, browser);
  TForm4 hiScore(&form);
  hiScore.SetScore(99990);
  TForm5 about(&form);
  for (QDialog* dialog : std::initializer_list<QDialog*>{&options, &hiScore, &about}) {
    EXPECT_EQ(QFontInfo(dialog->font()).family(), SansStandIn) << dialog->metaObject()->className();
    dialog->show();
    ExpectCaptionsFit(dialog);
  }
}

INSTANTIATE_TEST_SUITE_P(Languages, CaptionFitTest, ::testing::ValuesIn(EveryLanguage()));

}  // namespace
}  // namespace quorvane::testing
