// The headless host's sound output: the mixer rendered into memory on the virtual clock. Whenever the
// host pumps events (every pass of the main loop) or a sound call changes the mix, the samples due up to
// the virtual present are rendered.
#include <algorithm>
#include <cstdio>
#include <vector>

#include "platform/audio_output.h"
#include "platform/mci.h"
#include "platform/headless/headless_host.h"
#include "platform/midi_sequencer.h"
#include "platform/sound_device.h"

namespace plat::headless {
namespace {

constexpr int kChunkFrames = 1024;

struct AudioHost {
  bool devicePresent = true;
  bool open = false;
  bool silent = false;             // no device: rendered on the clock, nothing kept
  std::int64_t renderedFrames = 0;  // frames of the host's clock (from its time 0) rendered so far
  std::int64_t keepFrames = 120LL * plat::audio::kOutputRate;
  bool rendering = true;
  std::vector<std::int16_t> samples;  // interleaved stereo, from the opening on; room for keepFrames
  std::vector<std::string> commands;   // "command -> result answer"
};

AudioHost& A() {
  static AudioHost host;
  return host;
}

void RecordCommand(const char* command, std::uint32_t result, const char* answer);

struct ObserverInstaller {
  ObserverInstaller() { plat::SetMciObserver(RecordCommand); }
};
const ObserverInstaller observerInstaller;

// The output's frames count from the clock's time 0, not from the opening, so a piece opened at the
// same moment is cut into the same blocks whether or not a sound device opened the output earlier.
std::int64_t DueFrames() {
  return plat::audio::output::FramesIn(std::max<std::int64_t>(0, Nanoseconds()), 1000000000);
}

// Music keeps its voices only where its samples are kept: otherwise the soundfont (most of the
// program's memory) is never loaded, and the piece plays for its timing alone.
void ApplyVoices() {
  const AudioHost& a = A();
  plat::audio::sequencer::SetVoices(a.rendering && a.keepFrames > 0);
}

void RecordCommand(const char* command, std::uint32_t result, const char*) {
  A().commands.push_back(std::string(command) + (result == 0 ? "" : " -> error"));
}

}  // namespace

const std::vector<std::string>& MciCommands() { return A().commands; }
void ClearMciCommands() { A().commands.clear(); }

void SetAudioDevice(bool present) { A().devicePresent = present; }
bool AudioOutputOpen() { return A().open; }

const std::vector<std::int16_t>& RenderedAudio() {
  plat::audio::output::CatchUp();
  return A().samples;
}

void SetAudioKeepSeconds(int seconds) {
  A().keepFrames = static_cast<std::int64_t>(std::max(seconds, 0)) * plat::audio::kOutputRate;
  ApplyVoices();
}

void SetAudioRendering(bool on) {
  A().rendering = on;
  ApplyVoices();
}

bool WriteRenderedAudio(const std::string& path) {
  const std::vector<std::int16_t>& s = RenderedAudio();
  if (static_cast<std::int64_t>(s.size() / 2) > kWavMaxFrames) return false;
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (f == nullptr) return false;
  const auto dataBytes = static_cast<std::uint32_t>(s.size() * sizeof(std::int16_t));
  const std::uint32_t rate = plat::audio::kOutputRate;
  const std::uint32_t byteRate = rate * 4;
  const std::uint32_t riffSize = 36 + dataBytes;
  const std::uint32_t fmtSize = 16;
  const std::uint16_t pcm = 1, channels = 2, blockAlign = 4, bits = 16;
  bool ok = std::fwrite("RIFF", 1, 4, f) == 4;
  ok = ok && std::fwrite(&riffSize, 4, 1, f) == 1 && std::fwrite("WAVEfmt ", 1, 8, f) == 8;
  ok = ok && std::fwrite(&fmtSize, 4, 1, f) == 1 && std::fwrite(&pcm, 2, 1, f) == 1;
  ok = ok && std::fwrite(&channels, 2, 1, f) == 1 && std::fwrite(&rate, 4, 1, f) == 1;
  ok = ok && std::fwrite(&byteRate, 4, 1, f) == 1 && std::fwrite(&blockAlign, 2, 1, f) == 1;
  ok = ok && std::fwrite(&bits, 2, 1, f) == 1 && std::fwrite("data", 1, 4, f) == 4;
  ok = ok && std::fwrite(&dataBytes, 4, 1, f) == 1;
  ok = ok && (s.empty() || std::fwrite(s.data(), sizeof(std::int16_t), s.size(), f) == s.size());
  return std::fclose(f) == 0 && ok;
}

void ResetAudio() {
  plat::audio::ResetAll();
  plat::audio::sequencer::SetSoundFontPath(nullptr);
  AudioHost& a = A();
  const std::int64_t keep = a.keepFrames;
  const bool rendering = a.rendering;
  a = AudioHost{};
  a.keepFrames = keep;
  a.rendering = rendering;
}

void SetSoundFont(const std::string& path) {
  plat::audio::sequencer::SetSoundFontPath(path.empty() ? nullptr : path.c_str());
}

}  // namespace plat::headless

namespace plat::audio::output {
using plat::headless::A;
using plat::headless::kChunkFrames;

bool Open(bool silentIfNone) {
  auto& a = A();
  if (!a.devicePresent && !silentIfNone) return false;
  a.open = true;
  a.silent = !a.devicePresent;
  a.renderedFrames = plat::headless::DueFrames();
  // Room for the first two minutes kept, at once, so that a short run never copies what it kept in
  // the middle of a frame; a longer one grows the room as it goes (doubling it, so it copies seldom)
  // and never takes room for sound it does not render. Pages are only touched as samples arrive.
  std::vector<std::int16_t>().swap(a.samples);
  const std::int64_t firstRoom = std::min<std::int64_t>(a.keepFrames, 120LL * kOutputRate);
  if (a.rendering && !a.silent) a.samples.reserve(static_cast<std::size_t>(firstRoom) * kOutputChannels);
  return true;
}

bool Silent() { return A().silent; }

void Close() {
  CatchUp();
  A().open = false;
  A().silent = false;
}

void CatchUp() {
  auto& a = A();
  if (!a.open) return;
  const std::int64_t due = plat::headless::DueFrames();
  if (!a.rendering) {
    a.renderedFrames = std::max(a.renderedFrames, due);
    return;
  }
  std::int16_t chunk[kChunkFrames * kOutputChannels];
  while (a.renderedFrames < due) {
    const int n = static_cast<int>(std::min<std::int64_t>(kChunkFrames, due - a.renderedFrames));
    plat::audio::Mix(chunk, n);
    a.renderedFrames += n;
    if (a.silent) continue;
    const std::int64_t room = a.keepFrames - static_cast<std::int64_t>(a.samples.size() / kOutputChannels);
    const std::int64_t kept = std::clamp<std::int64_t>(room, 0, n);
    a.samples.insert(a.samples.end(), chunk, chunk + kept * kOutputChannels);
  }
}

}  // namespace plat::audio::output
