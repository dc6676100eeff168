// A banner plugin under another class identifier. It accepts any block and
// paints itself, so a host that took it for the game's banner would show it.
#include <QPainter>
#include <QWidget>

#include "banner/flex_active_interfaces.h"

class OtherBanner final : public QWidget, public IFlexActive {
  Q_OBJECT
  Q_INTERFACES(IFlexActive)
 public:
  using QWidget::QWidget;
  bool Load(std::span<const std::byte>) override { return true; }
  QVariant Property(int) const override { return {}; }
  QWidget* Widget() override { return this; }

 protected:
  void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), Qt::red); }
};

class OtherBannerPlugin final : public QObject, public IFlexActiveFactory {
  Q_OBJECT
  Q_PLUGIN_METADATA(IID "com.tolvenix.IFlexActiveFactory/1.0" FILE "other_banner.json")
  Q_INTERFACES(IFlexActiveFactory)
 public:
  QObject* CreateControl(QWidget* parent) override { return new OtherBanner(parent); }
};

#include "other_banner_plugin.moc"
