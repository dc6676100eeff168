#pragma once

#include <functional>

namespace quorvane {

// The three commands the game gives its help viewer. The viewer is a program
// of its own: the game goes on beside it.
class HelpService {
 public:
  virtual ~HelpService() = default;
  // The help topics window: contents and index.
  virtual void ShowTopics() = 0;
  // The topic with this context number.
  virtual void ShowContext(int context) = 0;
  // Closes the help window if it is open.
  virtual void Quit() = 0;

  // Called whenever the help window becomes the active window: the focus
  // went to the game's own help, not to another application.
  std::function<void()> OnViewerActivated;
  // Called whenever the help window stops being the active window: the
  // focus went to one of the game's windows or to another application.
  std::function<void()> OnViewerDeactivated;
};

// Context numbers of the help file's topics.
constexpr int OptionsHelpContext = 1000;
constexpr int PrivacyHelpContext = 1010;

}  // namespace quorvane
