// The sound device and the mixer: a fixed pool of static sound buffers resampled and mixed with the
// sequencer's output into one stereo 16-bit stream.
#include "platform/sound_device.h"

#include <algorithm>
#include <cmath>
#include <mutex>
#include <vector>

#include "platform/audio_output.h"
#include "platform/midi_sequencer.h"

namespace plat::audio {
namespace {

constexpr std::uint32_t kMaxBufferBytes = 0x0FFFFFFF;
constexpr int kMinFrequency = 100;
constexpr int kMaxFrequency = 200000;
constexpr int kMixChunk = 512;
// The soft limiter: the mix passes untouched up to kKneeLevel; above it a sample is bent smoothly
// towards kCeiling, which it never reaches, so no sum of sounds and music clips at full scale.
constexpr float kKneeLevel = 0.75f;
constexpr float kCeiling = 0.99f;

struct BufferRecord {
  bool used = false;
  bool playing = false;
  bool looping = false;
  bool locked = false;
  int channels = 0;
  int bytesPerSample = 0;
  std::uint32_t frames = 0;
  std::vector<std::uint8_t> data;
  std::uint64_t position = 0;  // frame position, 32.32 fixed point
  int frequency = 0;
};

struct DeviceState {
  std::mutex mutex;
  BufferRecord buffers[kMaxSoundBuffers];
  bool deviceExists = false;
  int outputUsers = 0;  // main thread only
  bool outputOpen = false;
};

DeviceState& D() {
  static DeviceState state;
  return state;
}

BufferRecord* Find(SoundBuffer buffer) {
  if (buffer <= 0 || buffer > kMaxSoundBuffers) return nullptr;
  BufferRecord& b = D().buffers[buffer - 1];
  return b.used ? &b : nullptr;
}

// One channel's sample at a frame, scaled to -1..1.
float Sample(const BufferRecord& b, std::uint32_t frame, int channel) {
  const std::size_t at = (static_cast<std::size_t>(frame) * static_cast<std::size_t>(b.channels) +
                          static_cast<std::size_t>(channel)) * static_cast<std::size_t>(b.bytesPerSample);
  if (b.bytesPerSample == 1) return (static_cast<float>(b.data[at]) - 128.0f) / 128.0f;
  const auto value = static_cast<std::int16_t>(static_cast<std::uint16_t>(b.data[at]) |
                                               static_cast<std::uint16_t>(b.data[at + 1] << 8));
  return static_cast<float>(value) / 32768.0f;
}

// Adds one playing buffer into the float mix (interleaved stereo), at full volume and centred, linear
// interpolation between frames.
void MixBuffer(BufferRecord& b, float* mix, int frames) {
  const std::uint64_t step = (static_cast<std::uint64_t>(b.frequency) << 32) / kOutputRate;
  const std::uint64_t end = static_cast<std::uint64_t>(b.frames) << 32;
  for (int i = 0; i < frames; ++i) {
    if (b.position >= end) {
      if (!b.looping) {
        b.playing = false;
        b.position = 0;
        return;
      }
      b.position %= end;
    }
    const auto frame = static_cast<std::uint32_t>(b.position >> 32);
    const float t = static_cast<float>(b.position & 0xFFFFFFFFu) / 4294967296.0f;
    const std::uint32_t next = frame + 1 < b.frames ? frame + 1 : (b.looping ? 0 : frame);
    float left = Sample(b, frame, 0) * (1.0f - t) + Sample(b, next, 0) * t;
    float right = left;
    if (b.channels == 2) right = Sample(b, frame, 1) * (1.0f - t) + Sample(b, next, 1) * t;
    mix[2 * i] += left;
    mix[2 * i + 1] += right;
    b.position += step;
  }
}

bool FormatAccepted(const WaveFormat& f, std::uint32_t bytes) {
  if (f.formatTag != kWaveFormatPcm) return false;
  if (f.channels != 1 && f.channels != 2) return false;
  if (f.bitsPerSample != 8 && f.bitsPerSample != 16) return false;
  if (f.blockAlign != f.channels * f.bitsPerSample / 8) return false;
  if (f.samplesPerSec < kMinFrequency || f.samplesPerSec > kMaxFrequency) return false;
  return bytes >= f.blockAlign && bytes <= kMaxBufferBytes;
}

}  // namespace

MixerLock::MixerLock() {
  output::CatchUp();
  D().mutex.lock();
}
MixerLock::~MixerLock() { D().mutex.unlock(); }

bool AcquireOutput(bool silentIfNone) {
  DeviceState& d = D();
  if (d.outputUsers == 0) {
    d.outputOpen = output::Open(silentIfNone);
    if (!d.outputOpen) return false;
  } else if (!silentIfNone && output::Silent()) {
    return false;  // the sound device needs a real one
  }
  ++d.outputUsers;
  return true;
}

bool OutputRunning() { return D().outputOpen; }

void ReleaseOutput() {
  DeviceState& d = D();
  if (d.outputUsers == 0) return;
  if (--d.outputUsers == 0 && d.outputOpen) {
    output::Close();
    d.outputOpen = false;
  }
}

bool CreateSoundDevice() {
  if (D().deviceExists) return true;
  if (!AcquireOutput(false)) return false;
  MixerLock lock;
  D().deviceExists = true;
  return true;
}

void ReleaseSoundDevice() {
  DeviceState& d = D();
  if (!d.deviceExists) return;
  {
    MixerLock lock;
    for (BufferRecord& b : d.buffers) b = BufferRecord{};
    d.deviceExists = false;
  }
  ReleaseOutput();
}

SoundBuffer CreateSoundBuffer(const WaveFormat& format, std::uint32_t bytes, std::uint32_t) {
  DeviceState& d = D();
  if (!d.deviceExists || !FormatAccepted(format, bytes)) return 0;
  int free = -1;
  {
    MixerLock lock;
    for (int i = 0; i < kMaxSoundBuffers && free < 0; ++i) {
      if (!d.buffers[i].used) free = i;
    }
    if (free < 0) return 0;
    d.buffers[free].used = true;  // reserved; filled below without holding the mixer up
    d.buffers[free].playing = false;
  }
  BufferRecord filled;
  filled.used = true;
  filled.channels = format.channels;
  filled.bytesPerSample = format.bitsPerSample / 8;
  filled.frames = bytes / format.blockAlign;
  filled.data.assign(bytes, format.bitsPerSample == 8 ? 0x80 : 0x00);
  filled.frequency = static_cast<int>(format.samplesPerSec);
  MixerLock lock;
  d.buffers[free] = std::move(filled);
  return free + 1;
}

void ReleaseSoundBuffer(SoundBuffer buffer) {
  MixerLock lock;
  if (BufferRecord* b = Find(buffer)) *b = BufferRecord{};
}

bool LockSoundBuffer(SoundBuffer buffer, std::uint32_t offset, std::uint32_t bytes, void*& memory,
                     std::uint32_t& lockedBytes) {
  MixerLock lock;
  memory = nullptr;
  lockedBytes = 0;
  BufferRecord* b = Find(buffer);
  if (b == nullptr || b->locked || offset >= b->data.size()) return false;
  b->locked = true;
  memory = b->data.data() + offset;
  lockedBytes = std::min<std::uint32_t>(bytes, static_cast<std::uint32_t>(b->data.size()) - offset);
  return true;
}

bool UnlockSoundBuffer(SoundBuffer buffer) {
  MixerLock lock;
  BufferRecord* b = Find(buffer);
  if (b == nullptr || !b->locked) return false;
  b->locked = false;
  return true;
}

bool PlaySoundBuffer(SoundBuffer buffer, bool looping) {
  MixerLock lock;
  BufferRecord* b = Find(buffer);
  if (b == nullptr) return false;
  b->playing = true;
  b->looping = looping;
  return true;
}

bool StopSoundBuffer(SoundBuffer buffer) {
  MixerLock lock;
  BufferRecord* b = Find(buffer);
  if (b == nullptr) return false;
  b->playing = false;
  return true;
}

bool SetSoundBufferPosition(SoundBuffer buffer, std::uint32_t byteOffset) {
  MixerLock lock;
  BufferRecord* b = Find(buffer);
  if (b == nullptr) return false;
  const std::uint32_t frame = byteOffset / static_cast<std::uint32_t>(b->channels * b->bytesPerSample);
  if (frame >= b->frames) return false;
  b->position = static_cast<std::uint64_t>(frame) << 32;
  return true;
}

bool GetSoundBufferFrequency(SoundBuffer buffer, int& frequency) {
  MixerLock lock;
  BufferRecord* b = Find(buffer);
  frequency = b != nullptr ? b->frequency : 0;
  return b != nullptr;
}

bool SoundBufferPlaying(SoundBuffer buffer) {
  MixerLock lock;
  BufferRecord* b = Find(buffer);
  return b != nullptr && b->playing;
}

float SoftLimit(float v) {
  if (std::isnan(v)) return 0.0f;
  const float size = std::fabs(v);
  if (size <= kKneeLevel) return v;
  const float room = kCeiling - kKneeLevel;
  const float bent = kKneeLevel + room * std::tanh((size - kKneeLevel) / room);
  return v < 0.0f ? -bent : bent;
}

void Mix(std::int16_t* out, int frames) {
  DeviceState& d = D();
  float mix[kMixChunk * kOutputChannels];
  while (frames > 0) {
    const int n = std::min(frames, kMixChunk);
    std::fill(mix, mix + n * kOutputChannels, 0.0f);
    {
      std::lock_guard<std::mutex> lock(d.mutex);
      for (BufferRecord& b : d.buffers) {
        if (b.used && b.playing && !b.locked && b.frames > 0) MixBuffer(b, mix, n);
      }
    }
    // Outside the lock: a sound call on the main thread never waits for the synthesizer. A render
    // that was given up for stuck while inside it leaves the rest of this mix alone: the sounds have
    // gone on on another device since, and its own output has nobody listening.
    if (!sequencer::RenderAdd(mix, n)) {
      std::fill(out, out + frames * kOutputChannels, std::int16_t{0});
      return;
    }
    for (int i = 0; i < n * kOutputChannels; ++i) {
      out[i] = static_cast<std::int16_t>(std::lrint(SoftLimit(mix[i]) * 32767.0f));
    }
    out += n * kOutputChannels;
    frames -= n;
  }
}

void ResetAll() {
  sequencer::Reset();
  ReleaseSoundDevice();
  DeviceState& d = D();
  while (d.outputUsers > 0) ReleaseOutput();
  sequencer::Reset();  // every output closed: nothing renders now
}

}  // namespace plat::audio
