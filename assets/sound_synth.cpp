#include "sound_synth.h"

#include <algorithm>
#include <cmath>

#include "canvas.h"

namespace assetgen {

namespace {

constexpr float kTau = 6.2831853f;

std::vector<int16_t> ToPcm(const std::vector<float>& wave, float peakLevel) {
  float peak = 1e-6f;
  for (float v : wave) peak = std::max(peak, std::fabs(v));
  std::vector<int16_t> out(wave.size());
  for (size_t i = 0; i < wave.size(); ++i) out[i] = int16_t(std::lround(wave[i] / peak * peakLevel * 32767.0f));
  return out;
}

}  // namespace

std::vector<int16_t> SynthShot() {
  const int n = int(kSoundRate * 0.15f);
  std::vector<float> wave(size_t(n), 0.0f);
  Rng rng(7);
  float phase = 0, noiseLp = 0;
  for (int i = 0; i < n; ++i) {
    const float t = float(i) / kSoundRate;
    const float freq = 300.0f + 1500.0f * std::exp(-t * 16.0f);
    phase += kTau * freq / kSoundRate;
    const float tone = 0.6f * std::sin(phase) + 0.4f * (std::sin(phase) > 0 ? 1.0f : -1.0f) * 0.6f + 0.2f * std::sin(2 * phase);
    noiseLp += 0.5f * (rng.Range(-1, 1) - noiseLp);
    const float noise = noiseLp * std::exp(-t * 60.0f);
    const float attack = std::min(1.0f, t / 0.002f);
    const float release = std::min(1.0f, (0.15f - t) / 0.01f);  // no click at the end
    wave[size_t(i)] = (tone * std::exp(-t * 20.0f) + noise * 0.8f) * attack * release;
  }
  return ToPcm(wave, 0.7f);
}

std::vector<int16_t> SynthExplosion() {
  const float length = 0.9f;
  const int n = int(kSoundRate * length);
  std::vector<float> wave(size_t(n), 0.0f);
  Rng rng(11);
  float lp1 = 0, lp2 = 0, phase = 0;
  for (int i = 0; i < n; ++i) {
    const float t = float(i) / kSoundRate;
    // Noise through a falling low-pass: a bright crack that darkens into a rumble.
    const float cutoff = 0.04f + 0.5f * std::exp(-t * 9.0f);
    lp1 += cutoff * (rng.Range(-1, 1) - lp1);
    lp2 += cutoff * (lp1 - lp2);
    phase += kTau * (38.0f + 50.0f * std::exp(-t * 5.0f)) / kSoundRate;
    const float rumble = std::sin(phase) * 0.6f * std::exp(-t * 3.5f);
    const float crackle = (rng.Unit() < 0.004f * std::exp(-t * 4.0f)) ? rng.Range(-1.0f, 1.0f) : 0.0f;
    const float attack = std::min(1.0f, t / 0.004f);
    const float release = std::min(1.0f, (length - t) / 0.05f);
    wave[size_t(i)] = (lp2 * 3.0f * std::exp(-t * 4.0f) + rumble + crackle * 0.5f) * attack * release;
  }
  return ToPcm(wave, 0.85f);
}

}  // namespace assetgen
