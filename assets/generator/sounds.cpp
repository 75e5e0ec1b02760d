// SPDX-License-Identifier: MIT
// The three sound cues: a rising chime when bidding starts, a bell when a lot is sold and a
// soft falling tone when it goes unsold.
#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>
#include <vector>

#include "assetgen.h"

namespace kobaru::assetgen {

namespace {

constexpr int kRate = 22050;
constexpr double kTwoPi = 2 * std::numbers::pi;
// Loud enough to be heard over the room, with headroom so nothing clips.
constexpr double kPeak = 0.7;

using Samples = std::vector<double>;

struct Partial {
  double ratio;  // to the struck pitch
  double gain;
  double decay;  // seconds to fall to 1/e
};

struct Strike {
  double at;  // seconds
  double pitch;
  double gain;
};

// Whole-number ratios ring like a glockenspiel bar.
constexpr Partial kChime[] = {
    {1.0, 1.0, 0.45}, {2.0, 0.3, 0.22}, {3.0, 0.1, 0.12}, {4.0, 0.04, 0.08}};
// Stretched ratios and a slightly detuned twin of the fundamental make the shimmer of a hand bell.
constexpr Partial kBell[] = {{1.0, 1.0, 0.5},  {1.004, 0.35, 0.55}, {2.0, 0.45, 0.3},
                             {2.76, 0.3, 0.2}, {4.07, 0.18, 0.11},  {5.4, 0.08, 0.07}};

Samples silence(double seconds) {
  return Samples(static_cast<size_t>(seconds * kRate), 0.0);
}

void addStrike(Samples& out, const Strike& strike, std::span<const Partial> partials) {
  constexpr double kAttack = 0.003;  // a mallet is fast, but not a click
  for (size_t i = static_cast<size_t>(strike.at * kRate); i < out.size(); ++i) {
    const double t = static_cast<double>(i) / kRate - strike.at;
    const double attack = std::min(1.0, t / kAttack);
    double v = 0;
    for (const Partial& p : partials)
      v += p.gain * std::exp(-t / p.decay) * std::sin(kTwoPi * strike.pitch * p.ratio * t);
    out[i] += strike.gain * attack * v;
  }
}

// Scales to the common peak and fades both ends so playback starts and stops silently.
Samples finish(Samples s) {
  double peak = 0;
  for (const double v : s) peak = std::max(peak, std::abs(v));
  const auto fadeIn = static_cast<size_t>(0.005 * kRate);
  const auto fadeOut = static_cast<size_t>(0.15 * kRate);
  for (size_t i = 0; i < s.size(); ++i) {
    const double in = std::min(1.0, static_cast<double>(i) / fadeIn);
    const double out = std::min(1.0, static_cast<double>(s.size() - 1 - i) / fadeOut);
    s[i] *= kPeak / peak * in * out;
  }
  return s;
}

Samples startChime() {
  Samples s = silence(1.2);
  // G5, C6, E6: an upward major triad reads as "go".
  for (const Strike& note :
       {Strike{0.0, 783.99, 0.8}, Strike{0.12, 1046.5, 0.85}, Strike{0.24, 1318.5, 1.0}})
    addStrike(s, note, kChime);
  return finish(std::move(s));
}

Samples awardBell() {
  Samples s = silence(1.8);
  // Two quick strikes and a last one left to ring out, like a hammer coming down on a sale.
  for (const Strike& strike :
       {Strike{0.0, 1174.7, 0.7}, Strike{0.2, 1174.7, 0.7}, Strike{0.4, 1174.7, 1.0}})
    addStrike(s, strike, kBell);
  return finish(std::move(s));
}

Samples noSaleGlide() {
  Samples s = silence(1.0);
  constexpr double kFrom = 659.26;  // E5
  constexpr double kTo = 440.0;     // A4
  double phase = 0;
  for (size_t i = 0; i < s.size(); ++i) {
    const double t = static_cast<double>(i) / kRate;
    // Hold the first note briefly, then ease down to the second.
    const double x = std::clamp((t - 0.15) / 0.35, 0.0, 1.0);
    const double pitch = kFrom + (kTo - kFrom) * x * x * (3 - 2 * x);
    phase += kTwoPi * pitch / kRate;
    const double swell = std::min(1.0, t / 0.03) * std::exp(-t / 0.6);
    s[i] = swell * (std::sin(phase) + 0.2 * std::sin(2 * phase) + 0.06 * std::sin(3 * phase));
  }
  return finish(std::move(s));
}

}  // namespace

bool writeSounds(const QDir& out) {
  return writeFile(out, QStringLiteral("sutato.wav"), encodeWav(startChime(), kRate)) &&
         writeFile(out, QStringLiteral("rakusatu.wav"), encodeWav(awardBell(), kRate)) &&
         writeFile(out, QStringLiteral("nagare.wav"), encodeWav(noSaleGlide(), kRate));
}

}  // namespace kobaru::assetgen
