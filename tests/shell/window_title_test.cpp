// Window titles as the X server holds them for the window manager. This
// program runs under tests/support/with_xvfb.sh, on the xcb platform.
#include <gmock/gmock.h>

#include <QFileDialog>
#include <QProcess>
#include <QRegularExpression>
#include <algorithm>
#include <stdexcept>
#include <vector>

#include "shell/application.h"
#include "shell/error_report.h"
#include "support/window_test_support.h"

namespace quorvane::testing {
namespace {

// One property of a window as xprop reads it from the server, e.g.
// `_NET_WM_NAME = "Quorvane Sinuvar"`.
QString XProperty(const QString& id, const char* property) {
  QProcess xprop;  // in a UTF-8 locale, which prints the text as it is, not escaped
  // -len: xprop reads only the first 500000 bytes otherwise, less than the icons
  xprop.start("env", {"LC_ALL=C.UTF-8", "xprop", "-len", "16000000", "-id", id, "-notype", property});
  if (!xprop.waitForFinished(30000)) return QStringLiteral("<xprop did not answer>");
  return QString::fromUtf8(xprop.readAllStandardOutput()).trimmed();
}
QString XProperty(const QWidget& window, const char* property) {
  return XProperty(QString::number(window.winId()), property);
}

// The window another program has on the server under this title, or "".
QString WindowTitled(const QString& title) {
  QProcess xwininfo;
  xwininfo.start("env", {"LC_ALL=C.UTF-8", "xwininfo", "-root", "-tree"});
  if (!xwininfo.waitForFinished(30000)) return {};
  for (const QString& line : QString::fromUtf8(xwininfo.readAllStandardOutput()).split(u'\n'))
    if (line.contains(QStringLiteral(" \"%1\": ").arg(title))) return line.trimmed().section(u' ', 0, 0);
  return {};
}

// The sizes of the icons a window offers, as "16x16 32x32 ...".
QString IconSizes(const QString& icon) {
  QStringList sizes;
  const QRegularExpression size(QStringLiteral("Icon \\((\\d+) x (\\d+)\\)"));
  for (auto match = size.globalMatch(icon); match.hasNext();) {
    const auto found = match.next();
    sizes << found.captured(1) + "x" + found.captured(2);
  }
  return sizes.join(u' ');
}

// The title is set before the window is mapped, so once it is exposed the
// server holds it.
void ExpectNativeTitle(QWidget* window, const QString& title) {
  ASSERT_NE(window, nullptr) << title.toStdString();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window, 20000)) << title.toStdString();
  EXPECT_EQ(XProperty(*window, "_NET_WM_NAME").toStdString(),
            QStringLiteral("_NET_WM_NAME = \"%1\"").arg(title).toStdString());
}

// Checks a modal window's title, then closes it the way given.
ModalAnswers::Action Titled(const QString& title, std::function<void(QWidget*)> close) {
  return [title, close](QWidget* modal) {
    ExpectNativeTitle(modal, title);
    close(modal);
  };
}
void Reject(QWidget* modal) { static_cast<QDialog*>(modal)->reject(); }

TEST(NativeTitles, RunOnAnXServer) { ASSERT_EQ(QGuiApplication::platformName(), "xcb"); }

TEST_F(WindowTest, MainWindowTitleIsTheProductNameWhichAlsoNamesItsClass) {
  TForm1& form = Show();
  ExpectNativeTitle(&form, "Quorvane Sinuvar");
  EXPECT_TRUE(XProperty(form, "WM_CLASS").endsWith(", \"Quorvane Sinuvar\""))
      << XProperty(form, "WM_CLASS").toStdString();
  EXPECT_EQ(QGuiApplication::applicationDisplayName(), "Quorvane Sinuvar");
}

// Task switchers and docks pick the size they show from the window's icon:
// every size the game draws is there, each once.
TEST_F(WindowTest, MainWindowIconCarriesEverySize) {
  TForm1& form = Show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&form, 20000));
  std::vector<int> sizes;
  for (const auto& icon : QRegularExpression(R"(Icon \((\d+) x \1\))").globalMatch(XProperty(form, "_NET_WM_ICON")))
    sizes.push_back(icon.captured(1).toInt());
  std::ranges::sort(sizes);
  EXPECT_THAT(sizes, ::testing::ElementsAre(16, 24, 32, 48, 64, 96, 128, 256, 512));
}

TEST_F(WindowTest, DialogsAndBoxesShowExactlyTheirCaptions) {
  TForm1& form = Show();
  ModalAnswers answers;
  answers.Then(Titled("Quorvane Sinuvar - New hi score", Reject));
  answers.Then(Titled("Quorvane Sinuvar", ModalAnswers::Press(QMessageBox::No)));
  answers.Then(Titled("About Quorvane Sinuvar", Reject));
  // The options dialog opens its question and its file dialog; the nested
  // windows are answered once the dialog's own answer has returned.
  answers.Then(Titled("Quorvane Sinuvar - Options", [](QWidget* modal) {
    QTimer::singleShot(0, modal, [modal] { static_cast<TForm3*>(modal)->Button6Click(); });
  }));
  answers.Then(Titled("Quorvane Sinuvar - Options", ModalAnswers::Press(QMessageBox::No)));
  answers.Then(
      [](QWidget* modal) { QTimer::singleShot(0, modal, [modal] { static_cast<TForm3*>(modal)->Button3Click(); }); });
  answers.Then(Titled("Quorvane Sinuvar - Browse for wav file", [](QWidget* modal) {
    EXPECT_NE(qobject_cast<QFileDialog*>(modal), nullptr);
    Reject(modal);
  }));
  answers.Then(Reject);
  answers.Then(Titled("Quorvane Sinuvar", ModalAnswers::Press(QMessageBox::Ok)));
  answers.Then(Titled("Application Error", ModalAnswers::Press(QMessageBox::Ok)));

  form.AskHiScoreName(120);
  form.AskPlayAgain();
  Control<QAction>(form, "About1")->trigger();
  Control<QAction>(form, "Options1")->trigger();
  ShowErrorReport(&form, QStringLiteral("Unable to write to Tolvenix.ini"));
  ShowApplicationError(std::runtime_error("No banner control"), "tolvenix");
  EXPECT_TRUE(answers.AllUsed());
}

// The help viewer's window, of a program of its own: its title, the game's
// window class and icons, and no owner.
TEST_F(HelpWindowTest, HelpWindowTitleClassAndIcon) {
  TForm1& form = Show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&form, 20000));
  form.Button4Click();
  QString help;
  ASSERT_TRUE(QTest::qWaitFor([&] { return !(help = WindowTitled("Quorvane Sinuvar Help")).isEmpty(); }, 20000));
  EXPECT_EQ(XProperty(help, "_NET_WM_NAME").toStdString(), "_NET_WM_NAME = \"Quorvane Sinuvar Help\"");
  // The game's class; its instance is the game's program name, which this
  // test program does not have.
  EXPECT_TRUE(XProperty(form, "WM_CLASS").endsWith(", \"Quorvane Sinuvar\""));
  EXPECT_EQ(XProperty(help, "WM_CLASS").toStdString(), "WM_CLASS = \"tolvenix\", \"Quorvane Sinuvar\"")
      << "grouped with the game";
  EXPECT_THAT(XProperty(help, "WM_TRANSIENT_FOR").toStdString(), ::testing::HasSubstr("not found"));
  const QString sizes = IconSizes(XProperty(help, "_NET_WM_ICON"));
  EXPECT_EQ(sizes, IconSizes(XProperty(form, "_NET_WM_ICON")));
  EXPECT_FALSE(sizes.isEmpty());
  EXPECT_TRUE(Problems.isEmpty());
}

}  // namespace
}  // namespace quorvane::testing
