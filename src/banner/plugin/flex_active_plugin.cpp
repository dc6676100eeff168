#include "flex_active_plugin.h"

#include "house_banner.h"

namespace quorvane {

QObject* FlexActivePlugin::CreateControl(QWidget* parent) { return new THouseBanner(parent); }

}  // namespace quorvane
