// The MIDI sequencer device and its command strings. Commands run on the main thread under the mixer's
// lock; the mixer renders the synthesizer on the audio thread and only notes the end of a piece in an
// atomic, which DeliverNotifications (main thread, from the event pump) turns into MM_MCINOTIFY.
#include <fluidsynth.h>

#include <atomic>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "platform/audio_output.h"
#include "platform/mci.h"
#include "platform/midi_sequencer.h"
#include "platform/sound_device.h"
#include "platform/window_system.h"

namespace plat::audio::sequencer {
namespace {

constexpr std::size_t kMaxMidiFileBytes = 4u << 20;
constexpr double kSynthGain = 0.6;
constexpr int kMaxTokens = 8;
constexpr std::size_t kTokenSize = 512;

struct SequencerState {
  // Main thread only.
  std::string soundFontPath = kDefaultSoundFont;
  fluid_settings_t* settings = nullptr;
  fluid_synth_t* synth = nullptr;
  std::vector<std::uint8_t> file;
  char alias[64] = {};
  bool outputHeld = false;
  // Shared with the mixer (under its lock).
  bool open = false;
  fluid_player_t* player = nullptr;
  bool playing = false;
  bool atEnd = false;
  WindowHandle notifyWindow = kNoWindow;  // the pending play's notice goes here
  // Set by the mixer, taken by DeliverNotifications.
  std::atomic<WindowHandle> endedWindow{kNoWindow};
};

SequencerState& S() {
  static SequencerState state;
  return state;
}

void QuietLog(int, const char*, void*) {}

bool LoadSynth() {
  SequencerState& s = S();
  if (s.synth != nullptr) return true;
  std::FILE* probe = std::fopen(s.soundFontPath.c_str(), "rb");
  if (probe == nullptr) return false;
  std::fclose(probe);
  fluid_set_log_function(FLUID_WARN, QuietLog, nullptr);
  fluid_set_log_function(FLUID_INFO, QuietLog, nullptr);
  fluid_set_log_function(FLUID_DBG, QuietLog, nullptr);
  s.settings = new_fluid_settings();
  if (s.settings == nullptr) return false;
  fluid_settings_setnum(s.settings, "synth.sample-rate", kOutputRate);
  fluid_settings_setnum(s.settings, "synth.gain", kSynthGain);
  fluid_settings_setint(s.settings, "synth.cpu-cores", 1);
  s.synth = new_fluid_synth(s.settings);
  if (s.synth == nullptr || fluid_synth_sfload(s.synth, s.soundFontPath.c_str(), 1) == FLUID_FAILED) {
    if (s.synth != nullptr) delete_fluid_synth(s.synth);
    delete_fluid_settings(s.settings);
    s.synth = nullptr;
    s.settings = nullptr;
    return false;
  }
  return true;
}

// A fresh player at the start of the piece (lock held).
bool Rewind() {
  SequencerState& s = S();
  if (s.player != nullptr) delete_fluid_player(s.player);
  s.player = new_fluid_player(s.synth);
  if (s.player == nullptr) return false;
  if (fluid_player_add_mem(s.player, s.file.data(), s.file.size()) != FLUID_OK) {
    delete_fluid_player(s.player);
    s.player = nullptr;
    return false;
  }
  s.playing = false;
  s.atEnd = false;
  return true;
}

// Cuts the running play off (lock held); the pending notice becomes `code`.
WindowHandle Halt(WindowHandle& noticeWindow) {
  SequencerState& s = S();
  if (s.playing && s.player != nullptr) fluid_player_stop(s.player);
  if (s.synth != nullptr) fluid_synth_all_notes_off(s.synth, -1);
  s.playing = false;
  noticeWindow = s.notifyWindow;
  s.notifyWindow = kNoWindow;
  return noticeWindow;
}

void Notify(WindowHandle window, WParam code) {
  if (window != kNoWindow) plat::PostMessage(window, MM_MCINOTIFY, code, static_cast<LParam>(kMciDeviceId));
}

bool ReadMidiFile(const char* path, std::vector<std::uint8_t>& out) {
  std::FILE* f = std::fopen(path, "rb");
  if (f == nullptr) return false;
  out.clear();
  std::uint8_t block[4096];
  std::size_t n = 0;
  bool ok = true;
  while ((n = std::fread(block, 1, sizeof block, f)) > 0) {
    if (out.size() + n > kMaxMidiFileBytes) {
      ok = false;
      break;
    }
    out.insert(out.end(), block, block + n);
  }
  std::fclose(f);
  return ok;
}

bool LooksLikeMidi(const std::vector<std::uint8_t>& file) {
  return file.size() >= 14 && std::memcmp(file.data(), "MThd", 4) == 0;
}

// ---- command strings ----------------------------------------------------------------------------

struct Command {
  char tokens[kMaxTokens][kTokenSize] = {};
  int count = 0;
};

// Words separated by blanks; a double-quoted word may hold blanks. False when it does not fit.
bool Tokenize(const char* text, Command& command) {
  const char* p = text;
  while (*p != '\0') {
    while (*p == ' ' || *p == '\t') ++p;
    if (*p == '\0') break;
    if (command.count == kMaxTokens) return false;
    char* out = command.tokens[command.count++];
    std::size_t length = 0;
    const bool quoted = *p == '"';
    if (quoted) ++p;
    while (*p != '\0' && (quoted ? *p != '"' : (*p != ' ' && *p != '\t'))) {
      if (length + 1 >= kTokenSize) return false;
      out[length++] = *p++;
    }
    if (quoted) {
      if (*p != '"') return false;
      ++p;
    }
  }
  return true;
}

bool Is(const char* a, const char* b) { return strcasecmp(a, b) == 0; }

std::uint32_t Answer(char* answer, std::size_t size, const char* text) {
  if (answer == nullptr || size == 0) return 0;
  if (std::strlen(text) + 1 > size) {
    answer[0] = '\0';
    return MCIERR_PARAM_OVERFLOW;
  }
  std::strcpy(answer, text);
  return 0;
}

std::uint32_t Open(const Command& c) {
  SequencerState& s = S();
  // open <file> [type sequencer] [alias <name>]
  const char* alias = c.tokens[1];
  for (int i = 2; i < c.count; i += 2) {
    if (i + 1 >= c.count) return MCIERR_MISSING_PARAMETER;
    if (Is(c.tokens[i], "type")) {
      if (!Is(c.tokens[i + 1], "sequencer")) return MCIERR_INVALID_DEVICE_NAME;
    } else if (Is(c.tokens[i], "alias")) {
      alias = c.tokens[i + 1];
    } else {
      return MCIERR_UNRECOGNIZED_COMMAND;
    }
  }
  if (std::strlen(alias) >= sizeof s.alias) return MCIERR_PARAM_OVERFLOW;
  if (s.open) return Is(alias, s.alias) ? MCIERR_DUPLICATE_ALIAS : MCIERR_HARDWARE;
  std::vector<std::uint8_t> file;
  if (!ReadMidiFile(c.tokens[1], file)) return MCIERR_FILE_NOT_FOUND;
  if (!LooksLikeMidi(file)) return MCIERR_INVALID_FILE;
  if (!AcquireOutput()) return MCIERR_HARDWARE;
  if (!LoadSynth()) {
    ReleaseOutput();
    return MCIERR_HARDWARE;
  }
  bool ready = false;
  {
    MixerLock lock;
    s.file = std::move(file);
    ready = Rewind();
    if (ready) {
      std::strcpy(s.alias, alias);
      s.open = true;
    } else {
      s.file.clear();
    }
  }
  if (!ready) {
    ReleaseOutput();  // outside the lock: closing a device waits for its audio thread
    return MCIERR_INVALID_FILE;
  }
  s.outputHeld = true;
  return 0;
}

void CloseDevice(WindowHandle& aborted) {
  SequencerState& s = S();
  {
    MixerLock lock;
    Halt(aborted);
    if (s.player != nullptr) delete_fluid_player(s.player);
    s.player = nullptr;
    s.open = false;
    s.atEnd = false;
    s.alias[0] = '\0';
    s.file.clear();
    s.file.shrink_to_fit();
  }
  if (s.outputHeld) ReleaseOutput();
  s.outputHeld = false;
}

std::uint32_t Execute(const Command& c, char* answer, std::size_t answerSize, WindowHandle notifyWindow) {
  SequencerState& s = S();
  if (c.count < 2) return c.count == 0 ? MCIERR_UNRECOGNIZED_COMMAND : MCIERR_MISSING_PARAMETER;
  const char* verb = c.tokens[0];
  if (Is(verb, "open")) return Open(c);
  if (!s.open || !Is(c.tokens[1], s.alias)) return MCIERR_INVALID_DEVICE_NAME;
  WindowHandle aborted = kNoWindow;
  std::uint32_t result = 0;
  if (Is(verb, "seek")) {
    if (c.count != 4 || !Is(c.tokens[2], "to") || !Is(c.tokens[3], "start")) return MCIERR_UNRECOGNIZED_COMMAND;
    MixerLock lock;
    Halt(aborted);
    if (!Rewind()) result = MCIERR_HARDWARE;
  } else if (Is(verb, "play")) {
    const bool notify = c.count == 3 && Is(c.tokens[2], "notify");
    if (c.count > 3 || (c.count == 3 && !notify)) return MCIERR_UNRECOGNIZED_COMMAND;
    WindowHandle superseded = kNoWindow;
    {
      MixerLock lock;
      if (notify) {
        superseded = s.notifyWindow;
        s.notifyWindow = notifyWindow;
      }
      if (s.atEnd) {
        // Playing from the end finishes at once.
        if (s.notifyWindow != kNoWindow) s.endedWindow.store(s.notifyWindow);
        s.notifyWindow = kNoWindow;
      } else if (!s.playing) {
        if (s.player == nullptr || fluid_player_play(s.player) != FLUID_OK) {
          result = MCIERR_HARDWARE;
        } else {
          s.playing = true;
        }
      }
    }
    Notify(superseded, MCI_NOTIFY_SUPERSEDED);
  } else if (Is(verb, "status")) {
    if (c.count != 3 || !Is(c.tokens[2], "mode")) return MCIERR_UNRECOGNIZED_COMMAND;
    MixerLock lock;
    return Answer(answer, answerSize, s.playing ? "playing" : "stopped");
  } else if (Is(verb, "stop")) {
    if (c.count != 2) return MCIERR_UNRECOGNIZED_COMMAND;
    MixerLock lock;
    Halt(aborted);
  } else if (Is(verb, "close")) {
    if (c.count != 2) return MCIERR_UNRECOGNIZED_COMMAND;
    CloseDevice(aborted);
  } else {
    return MCIERR_UNRECOGNIZED_COMMAND;
  }
  Notify(aborted, MCI_NOTIFY_ABORTED);
  return result;
}

}  // namespace

void RenderAdd(float* mix, int frames) {
  SequencerState& s = S();
  if (!s.open || s.synth == nullptr) return;
  float left[512];
  float right[512];
  while (frames > 0) {
    const int n = frames < 512 ? frames : 512;
    fluid_synth_write_float(s.synth, n, left, 0, 1, right, 0, 1);
    for (int i = 0; i < n; ++i) {
      mix[2 * i] += left[i];
      mix[2 * i + 1] += right[i];
    }
    mix += 2 * n;
    frames -= n;
    if (!s.playing || s.player == nullptr) continue;
    const int total = fluid_player_get_total_ticks(s.player);
    const bool ended = (total > 0 && fluid_player_get_current_tick(s.player) >= total) ||
                       fluid_player_get_status(s.player) == FLUID_PLAYER_DONE;
    if (!ended) continue;
    fluid_player_stop(s.player);
    fluid_synth_all_notes_off(s.synth, -1);
    s.playing = false;
    s.atEnd = true;
    if (s.notifyWindow != kNoWindow) s.endedWindow.store(s.notifyWindow);
    s.notifyWindow = kNoWindow;
  }
}

void Reset() {
  SequencerState& s = S();
  WindowHandle ignored = kNoWindow;
  CloseDevice(ignored);
  s.endedWindow.store(kNoWindow);
  if (s.synth != nullptr) delete_fluid_synth(s.synth);
  if (s.settings != nullptr) delete_fluid_settings(s.settings);
  s.synth = nullptr;
  s.settings = nullptr;
}

void SetSoundFontPath(const char* path) {
  SequencerState& s = S();
  const std::string wanted = path != nullptr ? path : kDefaultSoundFont;
  if (wanted == s.soundFontPath) return;
  Reset();
  s.soundFontPath = wanted;
}

}  // namespace plat::audio::sequencer

namespace plat::audio {

void DeliverNotifications() {
  output::CatchUp();
  const WindowHandle window = sequencer::S().endedWindow.exchange(kNoWindow);
  if (window != kNoWindow) plat::PostMessage(window, MM_MCINOTIFY, MCI_NOTIFY_SUCCESSFUL, kMciDeviceId);
}

}  // namespace plat::audio

namespace plat {
namespace {
MciObserver observer = nullptr;

std::uint32_t Run(const char* command, char* answer, std::size_t answerSize, WindowHandle notifyWindow) {
  if (command == nullptr) return MCIERR_UNRECOGNIZED_COMMAND;
  static audio::sequencer::Command parsed;  // fixed storage: commands are small and come one at a time
  parsed = audio::sequencer::Command{};
  if (!audio::sequencer::Tokenize(command, parsed)) return MCIERR_PARAM_OVERFLOW;
  return audio::sequencer::Execute(parsed, answer, answerSize, notifyWindow);
}
}  // namespace

void SetMciObserver(MciObserver newObserver) { observer = newObserver; }

std::uint32_t MciSendString(const char* command, char* answer, std::size_t answerSize, WindowHandle notifyWindow) {
  if (answer != nullptr && answerSize > 0) answer[0] = '\0';
  const std::uint32_t result = Run(command, answer, answerSize, notifyWindow);
  if (observer != nullptr) observer(command != nullptr ? command : "", result, answer != nullptr ? answer : "");
  return result;
}

}  // namespace plat
