#include "banner/plugin/flex_active_plugin.h"

#include "banner/plugin/house_banner.h"

namespace quorvane {

QObject* FlexActivePlugin::CreateControl(QWidget* parent) { return new THouseBanner(parent); }

}  // namespace quorvane
