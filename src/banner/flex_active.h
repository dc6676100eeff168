#pragma once

#include <QWidget>
#include <cstddef>
#include <filesystem>
#include <span>
#include <vector>

class IFlexActive;

namespace quorvane {

// The host of the banner control: a child window of the strip in which the
// control lives. It finds the control's plugin by class identifier in a
// plugins folder, creates the control, hands it its configuration block
// unchanged and lets the control's window fill the host. When there is no
// such plugin, or the control refuses its block, the host stays empty and
// says nothing: the game needs nothing from the banner.
class TFlexActive final : public QWidget {
  Q_OBJECT
 public:
  TFlexActive(const std::filesystem::path& pluginFolder, std::span<const std::byte> persisted,
              QWidget* parent = nullptr);
  // An empty host, as a window's design makes it; CreateControl fills it.
  explicit TFlexActive(QWidget* parent = nullptr);
  // Creates the control from the first plugin in the folder that makes one
  // and takes the block; does nothing once there is a control.
  void CreateControl(const std::filesystem::path& pluginFolder, std::span<const std::byte> persisted);

  // The control's window, or nullptr when there is no control.
  QWidget* Control() const { return control_; }

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  QWidget* control_ = nullptr;
};

// The banner's configuration as the main window is designed with it.
std::vector<std::byte> FlexActive1Block();

}  // namespace quorvane
