#include "banner/flex_active.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QPluginLoader>
#include <QTimer>
#include <memory>

#include "banner/banner_password.h"
#include "banner/flex_active_interfaces.h"
#include "banner/flex_block.h"

namespace quorvane {
namespace {

const std::filesystem::path kPlugins = std::filesystem::path(QUORVANE_TEST_BIN_DIR) / "plugins";

std::vector<std::byte> Bytes(std::initializer_list<int> values) {
  std::vector<std::byte> bytes;
  for (int v : values) bytes.push_back(static_cast<std::byte>(v));
  return bytes;
}

// Colours in a picture: one for a blank widget, many for a drawn banner.
int DistinctColours(const QImage& image) {
  QSet<QRgb> colours;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) colours.insert(image.pixel(x, y));
  return colours.size();
}

QImage Grab(QWidget* widget) {
  QImage image(widget->size(), QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  widget->render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
  return image;
}

TEST(FlexActiveBlock, BytesOfTheDesignedBlock) {
  ASSERT_EQ(BannerPassword.size(), 7u);
  std::vector<std::byte> expected =
      Bytes({0x00, 0x03, 0x00, 0x00,  // version 0x300
             0x5F, 0x30, 0x00, 0x00,  // 12383
             0x34, 0x06, 0x00, 0x00,  // 1588
             0x00, 0x00, 0x00, 0x05,  //
             0x10, 0x00, 0x00, 0x00,  // 16 bytes of "Tolvenix"
             'T',  0,    'o',  0,    'l', 0, 'v',  0,    'e',  0,
             'n',  0,    'i',  0,    'x', 0, 0x0E, 0x00, 0x00, 0x00});  // 14 bytes of password
  for (char16_t c : BannerPassword) {
    expected.push_back(static_cast<std::byte>(c & 0xFF));
    expected.push_back(static_cast<std::byte>(c >> 8));
  }
  for (std::byte b : Bytes({0, 0, 0, 0, 0, 2, 0, 0, 0, 1, 0, 0, 0, 0, 1, 1})) expected.push_back(b);
  EXPECT_EQ(FlexActive1Block(), expected);
}

// The control as the host gets it from the build's plugin.
class HouseBannerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    loader_.setFileName(QStringLiteral(QUORVANE_TEST_BANNER_PLUGIN));
    auto* factory = qobject_cast<IFlexActiveFactory*>(loader_.instance());
    ASSERT_NE(factory, nullptr) << loader_.errorString().toStdString();
    parent_ = std::make_unique<QWidget>();
    parent_->resize(468, 60);
    QObject* made = factory->CreateControl(parent_.get());
    control_ = qobject_cast<IFlexActive*>(made);
    ASSERT_NE(control_, nullptr);
    banner_ = control_->Widget();
    ASSERT_NE(banner_, nullptr);
    EXPECT_EQ(banner_, made);
    banner_->setGeometry(0, 0, 468, 60);
  }
  QTimer* HintTimer() const { return banner_->findChild<QTimer*>(); }

  QPluginLoader loader_;
  std::unique_ptr<QWidget> parent_;
  IFlexActive* control_ = nullptr;
  QWidget* banner_ = nullptr;
};

TEST_F(HouseBannerTest, TakesItsPropertiesFromTheBlock) {
  EXPECT_FALSE(control_->Property(1).isValid()) << "nothing before a block";
  ASSERT_TRUE(control_->Load(FlexActive1Block()));
  EXPECT_NE(qobject_cast<IFlexActive2*>(banner_), nullptr);
  EXPECT_EQ(control_->Property(int(FlexDispId::application)).toString(), "Tolvenix");
  EXPECT_EQ(control_->Property(int(FlexDispId::password)).toString(),
            QString::fromStdU16String(std::u16string(BannerPassword)));
  const std::pair<FlexDispId, int> numbers[] = {{FlexDispId::isOffline, 0},        {FlexDispId::position, 0},
                                                {FlexDispId::positionFallback, 2}, {FlexDispId::timeSlot, 1},
                                                {FlexDispId::adType, 0},           {FlexDispId::autoStart, 1},
                                                {FlexDispId::useAdClient, 1}};
  for (auto [id, value] : numbers) {
    const QVariant v = control_->Property(int(id));
    EXPECT_EQ(v.typeId(), QMetaType::Int) << int(id);
    EXPECT_EQ(v.toInt(), value) << int(id);
  }
  for (int unknown : {0, 9, 10, 11, 13}) EXPECT_FALSE(control_->Property(unknown).isValid()) << unknown;
  EXPECT_EQ(banner_->sizeHint(), QSize(468, 60));
}

TEST_F(HouseBannerTest, ShowsTheGameAndChangesItsHintOnlyOnItsTimer) {
  parent_->show();
  EXPECT_EQ(DistinctColours(Grab(banner_)), 1) << "blank before its block";
  EXPECT_FALSE(HintTimer()->isActive());

  ASSERT_TRUE(control_->Load(FlexActive1Block()));
  const QImage first = Grab(banner_);
  EXPECT_GT(DistinctColours(first), 8);
  ASSERT_TRUE(HintTimer()->isActive());
  EXPECT_EQ(HintTimer()->interval(), 8000);

  EXPECT_EQ(Grab(banner_), first) << "nothing moves between hints";
  QMetaObject::invokeMethod(HintTimer(), "timeout");
  const QImage second = Grab(banner_);
  EXPECT_NE(second, first) << "a new hint is drawn";
  QMetaObject::invokeMethod(HintTimer(), "timeout");
  EXPECT_NE(Grab(banner_), second);

  parent_->hide();
  EXPECT_FALSE(HintTimer()->isActive()) << "no hints for nobody";
  parent_->show();
  EXPECT_TRUE(HintTimer()->isActive());
}

TEST_F(HouseBannerTest, ARefusedBlockLeavesItBlank) {
  parent_->show();
  ASSERT_TRUE(control_->Load(FlexActive1Block()));
  std::vector<std::byte> cut = FlexActive1Block();
  cut.pop_back();
  EXPECT_FALSE(control_->Load(cut));
  EXPECT_EQ(DistinctColours(Grab(banner_)), 1);
  EXPECT_FALSE(control_->Property(int(FlexDispId::application)).isValid());
  EXPECT_FALSE(HintTimer()->isActive());
}

TEST(FlexActiveHost, CreatesTheControlFromThePluginFolderAndLetsItFill) {
  TFlexActive host(kPlugins, FlexActive1Block());
  ASSERT_NE(host.Control(), nullptr);
  EXPECT_EQ(host.Control()->parentWidget(), &host);
  auto* control = qobject_cast<IFlexActive*>(host.Control());
  ASSERT_NE(control, nullptr);
  EXPECT_EQ(control->Property(int(FlexDispId::application)).toString(), "Tolvenix");
  host.resize(468, 60);
  host.show();
  EXPECT_EQ(host.Control()->geometry(), QRect(0, 0, 468, 60));
  host.resize(300, 40);
  EXPECT_EQ(host.Control()->geometry(), QRect(0, 0, 300, 40));
}

TEST(FlexActiveHost, StaysEmptyWhenTheControlRefusesItsBlock) {
  std::vector<std::byte> otherVersion = FlexActive1Block();
  otherVersion[1] = std::byte{0x04};
  std::vector<std::byte> longPassword = FlexActive1Block();
  longPassword[36] = std::byte{16};
  for (const auto& block : {std::vector<std::byte>{}, otherVersion, longPassword}) {
    TFlexActive host(kPlugins, block);
    EXPECT_EQ(host.Control(), nullptr);
    EXPECT_TRUE(host.findChildren<QWidget*>().isEmpty()) << "the refused control is gone";
  }
  TFlexActive noFolder({}, FlexActive1Block());
  EXPECT_EQ(noFolder.Control(), nullptr);
}

}  // namespace
}  // namespace quorvane
