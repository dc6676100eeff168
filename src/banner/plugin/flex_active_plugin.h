#pragma once

#include <QObject>

#include "banner/flex_active_interfaces.h"

namespace quorvane {

// The plugin's root object: makes house banner controls.
class FlexActivePlugin final : public QObject, public IFlexActiveFactory {
  Q_OBJECT
  Q_PLUGIN_METADATA(IID "com.tolvenix.IFlexActiveFactory/1.0" FILE "flex_active.json")
  Q_INTERFACES(IFlexActiveFactory)
 public:
  QObject* CreateControl(QWidget* parent) override;
};

}  // namespace quorvane
