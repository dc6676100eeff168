#include "banner/flex_active.h"

#include <gtest/gtest.h>

#include <QTimer>

#include "banner/banner_password.h"
#include "banner/flex_active_interfaces.h"

namespace quorvane {
namespace {

const std::filesystem::path kPlugins = std::filesystem::path(QUORVANE_TEST_BIN_DIR) / "plugins";

TEST(FlexActiveBlock, BytesOfTheDesignedBlock) {
  ASSERT_EQ(BannerPassword.size(), 7u);
  std::vector<int> expected = {0x00, 0x03, 0,   0, 0x5F, 0x30, 0,   0, 0x34, 0x06, 0,   0, 0,   0, 0,   5,  //
                               16,   0,    0,   0, 'T',  0,    'o', 0, 'l',  0,    'v', 0, 'e', 0, 'n', 0,
                               'i',  0,    'x', 0, 14,   0,    0,   0};
  for (char16_t c : BannerPassword) expected.insert(expected.end(), {c & 0xFF, c >> 8});
  expected.insert(expected.end(), {0, 0, 0, 0, 0, 2, 0, 0, 0, 1, 0, 0, 0, 0, 1, 1});
  std::vector<int> actual;
  for (std::byte b : FlexActive1Block()) actual.push_back(std::to_integer<int>(b));
  EXPECT_EQ(actual, expected);
}

TEST(FlexActiveHost, MakesTheControlFromThePluginFolder) {
  TFlexActive host(kPlugins, FlexActive1Block());
  ASSERT_NE(host.Control(), nullptr);
  auto* control = qobject_cast<IFlexActive2*>(host.Control());
  ASSERT_NE(control, nullptr);
  EXPECT_EQ(control->Property(int(FlexDispId::application)).toString(), "Tolvenix");
  EXPECT_EQ(control->Property(int(FlexDispId::password)).toString(), QString::fromUtf16(BannerPassword.data(), 7));
  QVariantList values;
  for (FlexDispId id : {FlexDispId::positionFallback, FlexDispId::timeSlot, FlexDispId::autoStart,
                        FlexDispId::useAdClient, FlexDispId::adType})
    values << control->Property(int(id));
  EXPECT_EQ(values, (QVariantList{2, 1, 1, 1, 0}));
  EXPECT_FALSE(control->Property(9).isValid());

  host.resize(300, 40);
  host.show();
  EXPECT_EQ(host.Control()->geometry(), QRect(0, 0, 300, 40)) << "the control fills its host";
  // One hint after another, on the hint timer only.
  auto* hints = host.Control()->findChild<QTimer*>();
  ASSERT_TRUE(hints && hints->isActive());
  EXPECT_EQ(hints->interval(), 8000);
  const QImage first = host.grab().toImage();
  QMetaObject::invokeMethod(hints, "timeout");
  EXPECT_NE(host.grab().toImage(), first);
  host.hide();
  EXPECT_FALSE(hints->isActive()) << "no hints while nobody sees them";
}

TEST(FlexActiveHost, StaysEmptyWhenTheControlRefusesItsBlock) {
  std::vector<std::byte> otherVersion = FlexActive1Block(), longPassword = FlexActive1Block();
  otherVersion[1] = std::byte{4};
  longPassword[36] = std::byte{16};
  for (const auto& block : {std::vector<std::byte>{}, otherVersion, longPassword}) {
    TFlexActive host(kPlugins, block);
    EXPECT_EQ(host.Control(), nullptr);
    EXPECT_TRUE(host.findChildren<QWidget*>().isEmpty()) << "the refused control is gone";
  }
}

}  // namespace
}  // namespace quorvane
