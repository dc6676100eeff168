// The banner in the main window's top strip, found or not.
#include <gtest/gtest.h>

#include "banner/flex_active_interfaces.h"
#include "support/window_test_support.h"

namespace quorvane::testing {
namespace {

namespace fs = std::filesystem;

class BannerWindowTest : public WindowTest {
 protected:
  // The program folder's plugins/ holding these files, under these names.
  void PluginsHold(const std::vector<std::pair<fs::path, std::string>>& files) {
    fs::create_directories(plugins_);
    for (const auto& [from, name] : files) fs::copy_file(from, plugins_ / name);
  }
  static QRect InStrip(QWidget* w, TForm1& form) {
    return QRect(w->mapTo(Control<QWidget>(form, "Panel1"), QPoint()), w->size());
  }

  const fs::path plugins_ = fs::path(dir_.path().toStdString()) / "plugins";
  ModalAnswers none_;  // any message box fails the test
};

TEST_F(BannerWindowTest, TheBuildsBannerSitsInTheStrip) {
  location_.ProgramPath = QUORVANE_TEST_BIN_DIR "/tolvenix";
  TForm1& form = Show();
  QWidget* control = Control<TFlexActive>(form, "FlexActive1")->Control();
  ASSERT_NE(control, nullptr);
  EXPECT_EQ(InStrip(control, form), QRect(25, 7, 468, 60));
  EXPECT_TRUE(control->isVisible());
  const QImage shown = control->grab().toImage();
  int drawn = 0;
  for (int x = 0; x < shown.width(); ++x) drawn += shown.pixel(x, 30) != shown.pixel(0, 30);
  EXPECT_GT(drawn, 20) << "something is drawn across the banner";
}

TEST_F(BannerWindowTest, OnlyItsOwnClassIsTaken) {
  PluginsHold({});
  EXPECT_EQ(Control<TFlexActive>(Show(), "FlexActive1")->Control(), nullptr) << "an empty folder";
  form_.reset();
  // Sorted by name, the other class comes first.
  PluginsHold({{QUORVANE_TEST_OTHER_PLUGIN, "liba_other.so"}, {QUORVANE_TEST_BANNER_PLUGIN, "libz_banner.so"}});
  EXPECT_NE(qobject_cast<IFlexActive2*>(Control<TFlexActive>(Show(), "FlexActive1")->Control()), nullptr);
  form_.reset();

  fs::remove(plugins_ / "libz_banner.so");
  std::ofstream(plugins_ / "libjunk.so") << "not a library";
  TForm1& form = Show();
  auto* host = Control<TFlexActive>(form, "FlexActive1");
  EXPECT_EQ(host->Control(), nullptr);
  EXPECT_TRUE(host->findChildren<QWidget*>().isEmpty());
  EXPECT_EQ(InStrip(host, form), QRect(25, 7, 468, 60)) << "the place is kept";
  QTest::mouseClick(Control<QPushButton>(form, "Button2"), Qt::LeftButton);
  EXPECT_TRUE(Running()) << "the game goes on as usual";
  EXPECT_TRUE(none_.Seen().empty()) << "nothing is reported";
}

}  // namespace
}  // namespace quorvane::testing
