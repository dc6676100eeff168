#pragma once

// What the game and the banner control agree on. The control lives in a
// plugin of its own in the program folder's plugins/ folder; the game only
// creates it, hands it its configuration and places its widget.

#include <QVariant>
#include <QtPlugin>
#include <cstddef>
#include <span>

class QWidget;

namespace quorvane {

// The class identifier under which the control's plugin announces itself in
// its metadata, as "ClassId".
inline constexpr char FlexActiveClassId[] = "{1DC1FA5E-773D-11D3-9F9F-006097A7311B}";
inline constexpr char FlexActiveClassIdKey[] = "ClassId";

// The control's properties, by dispatch number.
enum class FlexDispId : int {
  application = 1,       // UTF-16 text
  password = 2,          // UTF-16 text
  isOffline = 3,         // 32-bit integer
  position = 4,          // 32-bit integer
  positionFallback = 5,  // 32-bit integer
  timeSlot = 6,          // 32-bit integer
  adType = 7,            // 32-bit integer
  autoStart = 8,         // 32-bit integer
  useAdClient = 12,      // 32-bit integer
};

}  // namespace quorvane

// One banner control.
class IFlexActive {
 public:
  virtual ~IFlexActive() = default;
  // Reads the persisted configuration block, as it is stored. False when
  // the control refuses it; a control that refused shows nothing.
  virtual bool Load(std::span<const std::byte> block) = 0;
  // A property by its dispatch number; an invalid QVariant for a number
  // the control does not know or before a block was loaded.
  virtual QVariant Property(int dispId) const = 0;
  // The control's window, to be placed by the host.
  virtual QWidget* Widget() = 0;
};

// The second revision of the control: it also answers useAdClient.
class IFlexActive2 : public IFlexActive {};

// The plugin's root object: it makes controls. The loader keeps a single
// root object per plugin, so every host gets a control of its own here.
class IFlexActiveFactory {
 public:
  virtual ~IFlexActiveFactory() = default;
  // A new control whose window is a child of `parent`. The parent owns it.
  virtual QObject* CreateControl(QWidget* parent) = 0;
};

#define IFlexActive_iid "{1DC1FA5D-773D-11D3-9F9F-006097A7311B}"
#define IFlexActive2_iid "{572A659C-37C9-11D4-B552-00C04F797B69}"
#define IFlexActiveFactory_iid "com.tolvenix.IFlexActiveFactory/1.0"

Q_DECLARE_INTERFACE(IFlexActive, IFlexActive_iid)
Q_DECLARE_INTERFACE(IFlexActive2, IFlexActive2_iid)
Q_DECLARE_INTERFACE(IFlexActiveFactory, IFlexActiveFactory_iid)
