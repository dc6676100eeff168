#include "sound/audio_drivers.h"

#include <SDL.h>

#include <algorithm>
#include <fstream>
#include <iterator>

namespace quorvane {

namespace {

// /proc/asound/cards lists each card on a line starting with its number, or
// says " --- no soundcards ---"; without ALSA in the kernel it is missing.
bool ListsACard(std::string_view cards) {
  size_t start = 0;
  while (start < cards.size()) {
    const size_t end = std::min(cards.find('\n', start), cards.size());
    const size_t first = cards.find_first_not_of(' ', start);
    if (first < end && cards[first] >= '0' && cards[first] <= '9') return true;
    start = end + 1;
  }
  return false;
}

}  // namespace

std::optional<std::string> QuietAudioDriverOrder(const std::vector<std::string>& drivers, std::string_view soundCards) {
  if (ListsACard(soundCards)) return std::nullopt;
  const bool hasPulseAudio = std::find(drivers.begin(), drivers.end(), "pulseaudio") != drivers.end();
  return hasPulseAudio ? "pulseaudio" : "";
}

bool ChooseAudioDriverOrder() {
  if (SDL_getenv("SDL_AUDIODRIVER") != nullptr) return true;
  std::vector<std::string> drivers;
  for (int i = 0; i < SDL_GetNumAudioDrivers(); ++i) drivers.emplace_back(SDL_GetAudioDriver(i));
  std::ifstream file("/proc/asound/cards");
  const std::string cards((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  const std::optional<std::string> order = QuietAudioDriverOrder(drivers, cards);
  if (!order) return true;
  if (order->empty()) return false;
  SDL_SetHint(SDL_HINT_AUDIODRIVER, order->c_str());
  return true;
}

}  // namespace quorvane
