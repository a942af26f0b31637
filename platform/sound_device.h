// The sound device: static sound buffers (each with its own sample format and frequency, always at
// full volume and centred) mixed together with the music synthesizer into one stereo 16-bit stream at
// kOutputRate. The mixer runs on the audio thread (SDL) or inside the headless host; every call here
// takes the mixer's lock.
// A buffer handle is > 0; 0 is "no buffer".
#pragma once
#include <cstddef>
#include <cstdint>

namespace plat::audio {

constexpr int kOutputRate = 44100;
constexpr int kOutputChannels = 2;
constexpr int kMaxSoundBuffers = 1024;

constexpr std::uint16_t kWaveFormatPcm = 1;

// The 16-byte PCM part of a wave format, then the size of the extra bytes (18 bytes in a file).
struct WaveFormat {
  std::uint16_t formatTag = 0;
  std::uint16_t channels = 0;
  std::uint32_t samplesPerSec = 0;
  std::uint32_t avgBytesPerSec = 0;
  std::uint16_t blockAlign = 0;
  std::uint16_t bitsPerSample = 0;
  std::uint16_t extraSize = 0;
};

// Buffer flags the framework passes (frequency control, static).
constexpr std::uint32_t kBufferCtrlFrequency = 0x20;
constexpr std::uint32_t kBufferStatic = 0x02;

using SoundBuffer = int;

// The device: opens the audio output. False when there is no output (the game then runs silent).
bool CreateSoundDevice();
// Stops and frees every buffer and lets the output go (unless the music still holds it).
void ReleaseSoundDevice();

// A static buffer of `bytes` bytes in `format` (PCM, 8 or 16 bits, 1 or 2 channels, whole frames).
// 0 when the format or size is refused, there is no device, or the pool is full.
SoundBuffer CreateSoundBuffer(const WaveFormat& format, std::uint32_t bytes, std::uint32_t flags);
void ReleaseSoundBuffer(SoundBuffer buffer);
// Gives the buffer's memory from `offset` for filling; the mixer leaves a locked buffer alone.
bool LockSoundBuffer(SoundBuffer buffer, std::uint32_t offset, std::uint32_t bytes, void*& memory,
                     std::uint32_t& lockedBytes);
bool UnlockSoundBuffer(SoundBuffer buffer);
bool PlaySoundBuffer(SoundBuffer buffer, bool looping);
bool StopSoundBuffer(SoundBuffer buffer);
bool SetSoundBufferPosition(SoundBuffer buffer, std::uint32_t byteOffset);
bool GetSoundBufferFrequency(SoundBuffer buffer, int& frequency);
bool SoundBufferPlaying(SoundBuffer buffer);

// ---- the mixer, for the outputs and the sequencer ------------------------------------------------
// Fills `frames` stereo frames (interleaved) with everything that plays, and advances it all. The
// sounds are summed under the mixer's lock, the music is added outside it, and a soft limiter bends
// the loudest samples so that the sum stays under full scale.
void Mix(std::int16_t* out, int frames);

// The output is opened by the first user (the sound device or the sequencer) and closed with the last.
// The sound device needs a real device; the sequencer takes a silent output when there is none.
bool AcquireOutput(bool silentIfNone = false);
void ReleaseOutput();
bool OutputRunning();

// Holds the mixer's lock (after letting a virtual output catch up to the present).
class MixerLock {
 public:
  MixerLock();
  ~MixerLock();
  MixerLock(const MixerLock&) = delete;
  MixerLock& operator=(const MixerLock&) = delete;
};

// Called by the backends' event pump on the main thread: posts the music end notice that the mixer
// noted, if any, to its window's queue.
void DeliverNotifications();

// Everything back to the first state: sequencer closed, buffers freed, output closed (headless host).
void ResetAll();

}  // namespace plat::audio
