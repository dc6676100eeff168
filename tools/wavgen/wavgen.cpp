// Synthesises the game's three sounds into the given folder:
//   zap.wav    a blob swallowed: a short falling zap
//   boing.wav  game over: a springy, wobbling boing
//   yehaw.wav  a new hi score: a cheerful two-part whoop
// 16-bit mono PCM at 44100 Hz. Every sound fades in and out, and its pitch
// moves with a continuous phase, so nothing clicks.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <functional>
#include <numbers>
#include <string>
#include <vector>

namespace {

constexpr int kRate = 44100;
constexpr double kTwoPi = 2.0 * std::numbers::pi;
// Peak level after normalising: about -3 dBFS leaves headroom for the mixer.
constexpr double kPeak = 0.7;

using Samples = std::vector<double>;

// 0 -> 1 over `length` seconds along half a cosine.
double RaisedCosine(double t, double length) {
  if (t <= 0.0) return 0.0;
  if (t >= length) return 1.0;
  return 0.5 - 0.5 * std::cos(std::numbers::pi * t / length);
}

// Fade in over `attack` and out over `release` at the ends of `duration`.
double Edges(double t, double duration, double attack, double release) {
  return RaisedCosine(t, attack) * RaisedCosine(duration - t, release);
}

// A bright but soft tone: a few harmonics of the phase.
double Voice(double phase, const std::vector<double>& harmonics) {
  double sum = 0.0;
  for (size_t h = 0; h < harmonics.size(); ++h) {
    sum += harmonics[h] * std::sin(static_cast<double>(h + 1) * phase);
  }
  return sum;
}

// Renders `duration` seconds; `frequency(t)` drives a phase accumulator and
// `shape(phase, t)` gives the sample.
Samples Render(double duration, const std::function<double(double)>& frequency,
               const std::function<double(double, double)>& shape) {
  const int count = static_cast<int>(std::lround(duration * kRate));
  Samples out(static_cast<size_t>(count));
  double phase = 0.0;
  for (int i = 0; i < count; ++i) {
    double t = static_cast<double>(i) / kRate;
    out[static_cast<size_t>(i)] = shape(phase, t);
    phase = std::fmod(phase + kTwoPi * frequency(t) / kRate, kTwoPi);
  }
  return out;
}

Samples Zap() {
  constexpr double kDuration = 0.25;
  auto frequency = [](double t) { return 1700.0 * std::pow(230.0 / 1700.0, t / kDuration); };
  auto shape = [](double phase, double t) {
    return Voice(phase, {1.0, 0.35, 0.15}) * std::exp(-t / 0.09) * Edges(t, kDuration, 0.004, 0.03);
  };
  return Render(kDuration, frequency, shape);
}

Samples Boing() {
  constexpr double kDuration = 0.7;
  auto frequency = [](double t) {
    double bend = 1.0 + 0.8 * std::exp(-t / 0.04);                                  // the twang's start
    double wobble = 1.0 + 0.18 * std::exp(-t / 0.3) * std::sin(kTwoPi * 11.0 * t);  // the spring
    return 190.0 * bend * wobble;
  };
  auto shape = [](double phase, double t) {
    return Voice(phase, {1.0, 0.6, 0.35, 0.2, 0.1}) * std::exp(-t / 0.3) * Edges(t, kDuration, 0.003, 0.06);
  };
  return Render(kDuration, frequency, shape);
}

Samples Yehaw() {
  constexpr double kYeeEnd = 0.38;
  constexpr double kHawStart = 0.42;
  constexpr double kDuration = 0.8;
  auto glide = [](double from, double to, double x) { return from + (to - from) * RaisedCosine(x, 1.0); };
  auto frequency = [&](double t) {
    double vibrato = 1.0 + 0.02 * std::sin(kTwoPi * 6.5 * t);
    double base = t < kHawStart ? glide(420.0, 1050.0, t / kYeeEnd)
                                : glide(880.0, 560.0, (t - kHawStart) / (kDuration - kHawStart));
    return base * vibrato;
  };
  auto shape = [](double phase, double t) {
    // Two syllables, each with its own swell, and a breath between them.
    double level = t < kYeeEnd     ? Edges(t, kYeeEnd, 0.02, 0.05)
                   : t < kHawStart ? 0.0
                                   : Edges(t - kHawStart, kDuration - kHawStart, 0.02, 0.08);
    return Voice(phase, {1.0, 0.5, 0.3, 0.15}) * level;
  };
  return Render(kDuration, frequency, shape);
}

void PutLe(std::string& out, uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) {
    out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
  }
}

// A canonical 44-byte-header RIFF/WAVE file of 16-bit mono PCM.
std::string WaveFile(const Samples& samples) {
  double peak = 0.0;
  for (double s : samples) peak = std::max(peak, std::abs(s));
  double gain = peak > 0.0 ? kPeak / peak : 0.0;

  const uint32_t dataBytes = static_cast<uint32_t>(samples.size() * 2);
  std::string out;
  out += "RIFF";
  PutLe(out, 36 + dataBytes, 4);
  out += "WAVEfmt ";
  PutLe(out, 16, 4);  // fmt chunk size
  PutLe(out, 1, 2);   // PCM
  PutLe(out, 1, 2);   // mono
  PutLe(out, kRate, 4);
  PutLe(out, kRate * 2, 4);  // bytes per second
  PutLe(out, 2, 2);          // bytes per frame
  PutLe(out, 16, 2);         // bits per sample
  out += "data";
  PutLe(out, dataBytes, 4);
  for (double s : samples) {
    long value = std::lround(std::clamp(s * gain, -1.0, 1.0) * 32767.0);
    PutLe(out, static_cast<uint32_t>(static_cast<int16_t>(value)) & 0xFFFF, 2);
  }
  return out;
}

bool Write(const std::string& path, const Samples& samples) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  std::string bytes = WaveFile(samples);
  file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  file.close();
  if (!file) {
    std::fprintf(stderr, "wavgen: cannot write %s\n", path.c_str());
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: wavgen <output folder>\n");
    return 2;
  }
  const std::string folder = std::string(argv[1]) + "/";
  bool ok = Write(folder + "zap.wav", Zap());
  ok = Write(folder + "boing.wav", Boing()) && ok;
  ok = Write(folder + "yehaw.wav", Yehaw()) && ok;
  return ok ? 0 : 1;
}
