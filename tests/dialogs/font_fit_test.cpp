#include <gtest/gtest.h>

#include <QCheckBox>
#include <QFontInfo>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QSlider>
#include <QStyle>
#include <QTabBar>
#include <QTextLayout>

#include "dialog_test_support.h"
#include "dialogs/new_hi_score_dialog.h"
#include "qt_glue/desktop_setup.h"
#include "shell/game_texts.h"
#include "shell/status_bar.h"
#include "widgets/link_labels.h"

namespace quorvane::testing {
namespace {

// The width a caption's letters take: no access-key mark, no trailing blanks.
int InkWidth(const QWidget* w, QString text) {
  text.remove(QRegularExpression(QStringLiteral("&(?!&)")));
  return w->fontMetrics().horizontalAdvance(text.trimmed());
}

// Every caption within its control, beside the style's frame or indicator,
// and no label running into the control beside it. Without the designed
// sizes (a text a third longer than any language's, which translators
// shorten to fit), only what follows its text: every tab shown, and a value
// placed after its caption.
void ExpectCaptionsFit(QWidget* window, bool designedSizes = true) {
  for (QWidget* w : window->findChildren<QWidget*>()) {
    if (!designedSizes && !qobject_cast<QTabBar*>(w) && !qobject_cast<QLabel*>(w)) continue;
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
      // Text beside text wants a space between: "Score :50" runs on as
      // surely as an overlap. A field's frame parts it from its caption.
      const QRect spaced = ink.adjusted(0, 0, w->fontMetrics().horizontalAdvance(u' '), 0);
      for (QWidget* next : label->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const bool text = qobject_cast<QLabel*>(next) && next->x() > label->x();
        const bool field = !text && next->x() > label->x() && next->focusPolicy();
        EXPECT_FALSE((text && next->geometry().intersects(spaced)) ||
                     (designedSizes && field && next->geometry().intersects(ink)))
            << label->text().toStdString() << " runs on";
      }
      if (!designedSizes) continue;
    }
    EXPECT_LE(need, room) << w->objectName().toStdString() << " " << w->accessibleName().toStdString();
  }
}

QStringList Captions(const QWidget* parent, Qt::FindChildOptions depth = Qt::FindChildrenRecursively) {
  QStringList captions;
  for (const QAction* action : parent->actions()) captions << action->text();
  for (QWidget* w : parent->findChildren<QWidget*>(QString(), depth)) {
    if (auto* button = qobject_cast<QAbstractButton*>(w)) captions << button->text();
    if (auto* label = qobject_cast<QLabel*>(w)) captions << label->text();
  }
  return captions;
}

// The captions of one window that share an access key: "window: a, b".
QStringList KeyClashes(const QString& window, const QStringList& captions) {
  QMap<QString, QStringList> byKey;
  for (const QString& caption : captions)
    if (const QKeySequence key = QKeySequence::mnemonic(caption); !key.isEmpty()) byKey[key.toString()] << caption;
  QStringList clashes;
  for (const QStringList& same : byKey)
    if (same.size() > 1) clashes << window + QStringLiteral(": ") + same.join(QStringLiteral(", "));
  return clashes;
}

// What the options dialogs here are given: none asks its help or its file dialog.
RecordingHelp help;
QtWavFileBrowser browser;
bool helpOpened = false;

// In English and in every language the game is translated into.
class CaptionFitTest : public WindowTest, public ::testing::WithParamInterface<std::string> {};

TEST_P(CaptionFitTest, OneFaceEverywhereEveryCaptionFitsAndEachAccessKeyIsOnePerWindow) {
  const SpokenLanguage language(GetParam());
  ASSERT_TRUE(language.Installed) << "built beside the program";
  const bool designed = GetParam() != PseudoLanguage;
  TForm1& form = Show();
  EXPECT_EQ(form.font().family(), DesignedSansFamily) << "the window asks for its designed face";
  EXPECT_EQ(QFontInfo(Control<QPushButton>(form, "Button2")->font()).family(), SansStandIn);
  EXPECT_EQ(QFontInfo(QFont(DesignedIntroFamily)).family(), IntroStandIn);
  // Each level's name, the longest numbers, and the Pause button's two captions.
  QStringList clashes;
  for (const char* level : {"Easy", "Intermediate", "Difficult", "Custom"}) {
    const char* panels[] = {"Game over", "Score : 99990", "Hi : 99990", level};
    for (int i = 0; i < TStatusBar::PanelCount; ++i)
      Control<TStatusBar>(form, "StatusBar1")->SetPanelText(i, GameText(panels[i]));
    ExpectCaptionsFit(&form, designed);
  }
  for (const char* pause : {"Pa&use", "Res&ume"}) {
    Control<QPushButton>(form, "Button3")->setText(GameText(pause));
    ExpectCaptionsFit(&form, designed);
    clashes << KeyClashes("main window", Captions(form.centralWidget()) + Captions(form.menuBar()));
  }
  for (QMenu* menu : {Control<QMenu>(form, "Game1"), Control<QMenu>(form, "Help1")})
    clashes << KeyClashes(menu->title(), Captions(menu));

  TForm3 options(&form, help, helpOpened, browser);
  TForm4 hiScore(&form);
  hiScore.SetScore(99990);
  TForm5 about(&form);
  for (QDialog* dialog : std::initializer_list<QDialog*>{&options, &hiScore, &about}) {
    EXPECT_EQ(QFontInfo(dialog->font()).family(), SansStandIn) << dialog->metaObject()->className();
    dialog->show();
    ExpectCaptionsFit(dialog, designed);
  }
  // A hidden page's access keys do nothing: each page counts with the buttons below.
  auto* pages = Control<QTabWidget>(options, "PageControl1");
  for (int i = 0; i < pages->count(); ++i)
    clashes << KeyClashes(pages->tabText(i),
                          Captions(pages->widget(i)) + Captions(&options, Qt::FindDirectChildrenOnly));
  clashes << KeyClashes("new hi score", Captions(&hiScore)) << KeyClashes("about", Captions(&about));
  // The English captions stand as designed, one clash included.
  const QStringList english = {"Skill level: C&ustom, &Use defaults"};
  if (GetParam() == PseudoLanguage) {
    EXPECT_EQ(clashes.size(), english.size()) << "the pseudo-translation keeps the English keys";
  } else {
    EXPECT_EQ(clashes, GetParam().empty() ? english : QStringList());
  }
}

TEST(DialogAccess, EveryControlIsNamedAndATabStop) {
  TForm3 options(nullptr, help, helpOpened, browser);
  EXPECT_EQ(Heard(Control<QLineEdit>(options, "Edit9")), "Horizontal position");
  EXPECT_EQ(Heard(Control<QLineEdit>(options, "Edit7")), "Play sound for new hi score");
  TForm5 about(nullptr);
  for (QDialog* dialog : {static_cast<QDialog*>(&options), static_cast<QDialog*>(&about)}) {
    for (QWidget* w : dialog->findChildren<QWidget*>()) {
      if (!qobject_cast<QAbstractButton*>(w) && !qobject_cast<QLineEdit*>(w) && !qobject_cast<QSlider*>(w) &&
          !qobject_cast<TLinkLabelBase*>(w))
        continue;
      EXPECT_FALSE(Heard(w).isEmpty()) << w->metaObject()->className();
      // Spin buttons act on their field, which the Up and Down keys step.
      const bool spin = w->parentWidget()->inherits("quorvane::TUpDown");
      // Radio buttons make one stop per group, which the arrow keys move through.
      const bool radio = qobject_cast<QRadioButton*>(w) != nullptr;
      EXPECT_TRUE(spin || radio || (w->focusPolicy() & Qt::TabFocus)) << Heard(w).toStdString();
    }
  }
}

// Chinese takes its glyphs from the Chinese stand-in, in both designed
// faces, and none is drawn as a box; the Latin access key stays FreeSans.
TEST(FontMapping, ChineseFallsBackToTheChineseStandIn) {
  for (const QString& family : {DesignedSansFamily, DesignedIntroFamily}) {
    QTextLayout layout(QStringLiteral("\u9009\u9879(O)"), QFont(family));
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    QStringList faces;
    for (const QGlyphRun& run : layout.glyphRuns()) {
      faces << run.rawFont().familyName();
      for (quint32 glyph : run.glyphIndexes()) EXPECT_NE(glyph, 0u) << family.toStdString();
    }
    EXPECT_TRUE(faces.contains(CjkStandIn)) << faces.join(u',').toStdString();
  }
}

INSTANTIATE_TEST_SUITE_P(Languages, CaptionFitTest, ::testing::ValuesIn(EveryLanguage()));
// And in the pseudo-translation, a third longer than English: a caption
// that fits English with no room to spare shows up here first.
INSTANTIATE_TEST_SUITE_P(Pseudo, CaptionFitTest, ::testing::Values(std::string(PseudoLanguage)));

}  // namespace
}  // namespace quorvane::testing
