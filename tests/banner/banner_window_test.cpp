// The banner in the main window's top strip, found or not.
#include <gtest/gtest.h>

#include <QFile>

#include "banner/flex_active.h"
#include "banner/flex_active_interfaces.h"
#include "shell/window_test_support.h"

namespace quorvane::testing {
namespace {

namespace fs = std::filesystem;

class BannerWindowTest : public WindowTest {
 protected:
  // A program folder of its own, with a plugins/ folder holding `files`
  // (source path, name in plugins/).
  void ProgramFolderWith(const std::vector<std::pair<fs::path, std::string>>& files) {
    const fs::path plugins = fs::path(dir_.path().toStdString()) / "plugins";
    fs::create_directories(plugins);
    for (const auto& [from, name] : files) fs::copy_file(from, plugins / name);
  }
  void ExpectEmptyStrip(TForm1& form) {
    EXPECT_EQ(form.FlexActive1->Control(), nullptr);
    EXPECT_TRUE(form.FlexActive1->findChildren<QWidget*>().isEmpty());
    EXPECT_EQ(QRect(form.FlexActive1->mapTo(form.Panel1, QPoint()), form.FlexActive1->size()), QRect(25, 7, 468, 60))
        << "the banner's place is kept";
  }

  ModalAnswers none_;  // any message box fails the test
};

TEST_F(BannerWindowTest, TheBuildsBannerSitsInTheStrip) {
  location_.ProgramPath = QUORVANE_TEST_BIN_DIR "/tolvenix";
  TForm1& form = Show();
  QWidget* control = form.FlexActive1->Control();
  ASSERT_NE(control, nullptr) << "found by its class identifier in bin/plugins";
  EXPECT_EQ(QRect(control->mapTo(form.Panel1, QPoint()), control->size()), QRect(25, 7, 468, 60));
  EXPECT_TRUE(control->isVisible());
  const QImage shown = control->grab().toImage();
  ASSERT_EQ(shown.size(), QSize(468, 60));
  int differing = 0;
  for (int x = 0; x < shown.width(); ++x) differing += shown.pixel(x, 30) != shown.pixel(0, 30);
  EXPECT_GT(differing, 20) << "something is drawn across the banner";
  EXPECT_EQ(qobject_cast<IFlexActive*>(control)->Property(int(FlexDispId::application)).toString(), "Tolvenix");
  EXPECT_TRUE(none_.Seen().empty());
}

TEST_F(BannerWindowTest, PassesByAnotherClassAndFindsItsOwn) {
  // Sorted by name, the other plugin comes first.
  ProgramFolderWith({{QUORVANE_TEST_OTHER_PLUGIN, "liba_other.so"}, {QUORVANE_TEST_BANNER_PLUGIN, "libz_banner.so"}});
  TForm1& form = Show();
  ASSERT_NE(form.FlexActive1->Control(), nullptr);
  EXPECT_NE(qobject_cast<IFlexActive2*>(form.FlexActive1->Control()), nullptr) << "the game's banner, not the other";
}

TEST_F(BannerWindowTest, StripStaysEmptyWithoutThePlugin) {
  {
    SCOPED_TRACE("no plugins folder");
    ExpectEmptyStrip(Show());
    form_.reset();
  }
  {
    SCOPED_TRACE("only a plugin of another class and a file that is no library");
    ProgramFolderWith({{QUORVANE_TEST_OTHER_PLUGIN, "libother.so"}});
    std::ofstream(fs::path(dir_.path().toStdString()) / "plugins" / "libjunk.so") << "not a library";
    TForm1& form = Show();
    ExpectEmptyStrip(form);
    // The game itself is untouched.
    QTest::mouseClick(form.Button2, Qt::LeftButton);
    EXPECT_TRUE(State().GameRunning);
    form.SuperTimer1().SetEnabled(false);
  }
  EXPECT_TRUE(none_.Seen().empty()) << "nothing is reported";
}

}  // namespace
}  // namespace quorvane::testing
