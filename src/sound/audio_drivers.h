#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvane {

// The audio drivers SDL is to try, as its SDL_AUDIODRIVER list, given the
// drivers it offers in its own order and the text of /proc/asound/cards.
// Nothing when SDL's own order will do: the machine has a sound card. Without
// one, only a sound server can play (PulseAudio, which PipeWire desktops
// serve too), and the other drivers print their failure on standard error at
// every start: ALSA's probe of its default device, sndio falling back to
// ALSA, PipeWire's client without its configuration. An empty list: SDL
// offers no sound server, so nothing is tried.
std::optional<std::string> QuietAudioDriverOrder(const std::vector<std::string>& drivers, std::string_view soundCards);

// Sets that order for this machine before SDL's audio starts; a
// SDL_AUDIODRIVER the user set wins. False when no driver is left to try.
bool ChooseAudioDriverOrder();

}  // namespace quorvane
