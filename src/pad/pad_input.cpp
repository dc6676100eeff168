#include "pad/pad_input.h"

#include <SDL.h>
#include <unistd.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <utility>

#include "pad/stick.h"
#include "pad/wake_descriptor.h"

namespace quorvane {

namespace {

std::optional<PadKey> ButtonKey(Uint8 button) {
  switch (button) {
    case SDL_CONTROLLER_BUTTON_DPAD_UP: return PadKey::Up;
    case SDL_CONTROLLER_BUTTON_DPAD_DOWN: return PadKey::Down;
    case SDL_CONTROLLER_BUTTON_DPAD_LEFT: return PadKey::Left;
    case SDL_CONTROLLER_BUTTON_DPAD_RIGHT: return PadKey::Right;
    case SDL_CONTROLLER_BUTTON_A: return PadKey::Accept;
    case SDL_CONTROLLER_BUTTON_B: return PadKey::Cancel;
    case SDL_CONTROLLER_BUTTON_START: return PadKey::Start;
    case SDL_CONTROLLER_BUTTON_BACK: return PadKey::Help;
    case SDL_CONTROLLER_BUTTON_RIGHTSHOULDER: return PadKey::NextControl;
    case SDL_CONTROLLER_BUTTON_LEFTSHOULDER: return PadKey::PreviousControl;
    default: return std::nullopt;
  }
}

PadEvent Event(PadEvent::Kind what, int pad, PadKey key = PadKey::Accept) {
  PadEvent event;
  event.What = what;
  event.Pad = pad;
  event.Key = key;
  return event;
}

// SDL's game controller subsystem, started once and kept for the rest of
// the program: SDL 2.26, started again while its joysticks stay up (another
// window, a test's virtual pad), reports each press once more per restart.
bool ControllersReady() {
  static const bool ready = [] {
    // SDL's event queue would otherwise catch SIGINT and SIGTERM, which the
    // program answers itself.
    SDL_SetHintWithPriority(SDL_HINT_NO_SIGNAL_HANDLERS, "1", SDL_HINT_OVERRIDE);
    // There is no SDL window: the game itself decides which window a pad
    // serves, so SDL must report presses whatever has the focus.
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    return SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) == 0;
  }();
  return ready;
}

// The controllers SDL's game controller API offers. Events are pumped only
// when polled, on the caller's thread; SDL starts no thread for them.
class SdlGameControllers final : public PadInput {
 public:
  SdlGameControllers() {
    ready_ = ControllersReady();
    if (!ready_) return;
    // Whatever another user of SDL left queued is not ours; the pads
    // already there are opened now.
    SDL_FlushEvents(SDL_JOYAXISMOTION, SDL_CONTROLLERSENSORUPDATE);
    for (int index = 0; index < SDL_NumJoysticks(); ++index) Open(index);
  }

  ~SdlGameControllers() override {
    for (auto& [id, pad] : pads_) Close(pad);
  }

  std::vector<PadEvent> Poll() override {
    std::vector<PadEvent> events;
    if (!ready_) return events;
    for (auto& [id, pad] : pads_) pad.WakeDescriptor = DrainWakeDescriptor(pad.WakeDescriptor);
    SDL_PumpEvents();
    SDL_Event batch[64];
    int count = 0;
    while ((count = SDL_PeepEvents(batch, 64, SDL_GETEVENT, SDL_JOYAXISMOTION, SDL_CONTROLLERSENSORUPDATE)) > 0) {
      for (int i = 0; i < count; ++i) Take(batch[i], events);
    }
    for (PadEvent& unmapped : std::exchange(unmappedFound_, {})) events.push_back(std::move(unmapped));
    return events;
  }

  int Connected() const override { return static_cast<int>(pads_.size()); }

  std::vector<int> Descriptors() const override {
    std::vector<int> descriptors;
    for (const auto& [id, pad] : pads_)
      if (pad.WakeDescriptor >= 0) descriptors.push_back(pad.WakeDescriptor);
    return descriptors;
  }

  bool NeedsPolling() const override {
    return std::any_of(pads_.begin(), pads_.end(), [](const auto& pad) { return pad.second.WakeDescriptor < 0; });
  }

 private:
  struct Pad {
    SDL_GameController* Controller = nullptr;
    StickDirection Stick;
    int WakeDescriptor = -1;
  };

  static void Close(Pad& pad) {
    SDL_GameControllerClose(pad.Controller);
    if (pad.WakeDescriptor >= 0) ::close(pad.WakeDescriptor);
  }

  void Take(const SDL_Event& event, std::vector<PadEvent>& events) {
    switch (event.type) {
      case SDL_JOYDEVICEADDED: Open(event.jdevice.which); break;
      case SDL_CONTROLLERDEVICEADDED: Open(event.cdevice.which); break;
      case SDL_CONTROLLERDEVICEREMOVED: {
        auto pad = pads_.find(event.cdevice.which);
        if (pad == pads_.end()) break;
        Close(pad->second);
        pads_.erase(pad);
        events.push_back(Event(PadEvent::Kind::Removed, event.cdevice.which));
        break;
      }
      case SDL_CONTROLLERBUTTONDOWN:
        if (pads_.contains(event.cbutton.which)) {
          if (const auto key = ButtonKey(event.cbutton.button))
            events.push_back(Event(PadEvent::Kind::Press, event.cbutton.which, *key));
        }
        break;
      case SDL_CONTROLLERAXISMOTION: {
        auto pad = pads_.find(event.caxis.which);
        if (pad == pads_.end()) break;
        std::optional<PadKey> key;
        if (event.caxis.axis == SDL_CONTROLLER_AXIS_LEFTX) key = pad->second.Stick.MoveX(event.caxis.value);
        if (event.caxis.axis == SDL_CONTROLLER_AXIS_LEFTY) key = pad->second.Stick.MoveY(event.caxis.value);
        if (key) events.push_back(Event(PadEvent::Kind::Press, event.caxis.which, *key));
        break;
      }
      default: break;  // the joystick-level twins of the events above
    }
  }

  // A joystick SDL has just found, by its device index: opened as a
  // controller when SDL knows its layout, otherwise named once and left.
  void Open(int index) {
    if (!SDL_IsGameController(index)) {
      const char* name = SDL_JoystickNameForIndex(index);
      const std::string text = name ? name : "unnamed joystick";
      if (unmapped_.insert(text).second) {
        unmappedFound_.push_back(Event(PadEvent::Kind::Unmapped, -1));
        unmappedFound_.back().Name = text;
      }
      return;
    }
    SDL_GameController* controller = SDL_GameControllerOpen(index);
    if (!controller) return;
    const SDL_JoystickID id = SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(controller));
    if (pads_.contains(id)) {
      SDL_GameControllerClose(controller);  // the count SDL keeps goes back
      return;
    }
    pads_[id].Controller = controller;
    pads_[id].WakeDescriptor = OpenWakeDescriptor(SDL_GameControllerPath(controller));
  }

  bool ready_ = false;
  std::map<SDL_JoystickID, Pad> pads_;
  std::set<std::string> unmapped_;
  std::vector<PadEvent> unmappedFound_;  // for the next poll to tell
};

}  // namespace

std::unique_ptr<PadInput> OpenGameControllers() { return std::make_unique<SdlGameControllers>(); }

}  // namespace quorvane
