// The MIDI sequencer device and its command strings. The commands run on the main thread and only
// ever hold the mailbox lock for a copy; whoever renders the mix (see midi_sequencer.h) owns the
// synthesizer's player, starts it over, plays, stops and notes the end of the piece, which
// DeliverNotifications (main thread, from the event pump) turns into MM_MCINOTIFY.
//
// Everything a render touches (synthesizer, player, the renderer's own state) lives in one engine.
// When a render is judged stuck, its engine is abandoned: kept, never freed nor handed to another
// thread, until the process ends, and the music is silent from then on.
#include <fluidsynth.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "platform/audio_output.h"
#include "platform/mci.h"
#include "platform/midi_file.h"
#include "platform/midi_sequencer.h"
#include "platform/regular_file.h"
#include "platform/sound_device.h"
#include "platform/window_system.h"

namespace plat::audio::sequencer {
namespace {

constexpr double kSynthGain = 0.6;
constexpr int kMaxTokens = 8;
constexpr std::size_t kTokenSize = 512;
// The end of a piece is looked for every this many frames of the synthesizer's own output, so it is
// found at the same sample however the mix is cut into chunks.
constexpr std::uint64_t kEndCheckFrames = 256;
constexpr std::int64_t kStuckMilliseconds = 1000;
// An engine's renderingSince while the render inside it has been given up for stuck and not left yet.
constexpr std::int64_t kGivenUp = -1;

using Tune = std::shared_ptr<const std::vector<std::uint8_t>>;

enum SynthState : int { kNoSynth = 0, kLoading = 1, kReady = 2, kFailed = -1 };

// What the commands want; the renderer takes a copy before each block it renders.
struct Mailbox {
  std::uint32_t epoch = 0;  // a new epoch starts the piece over (open, seek, close)
  bool open = false;
  bool play = false;
  std::uint32_t playSerial = 0;  // one per play command that starts the piece moving
  Tune tune;
  std::uint32_t ticks = 0;  // the tune's length (its longest track)
};

// The renderer's own state: only the thread that renders touches it.
struct Renderer {
  std::uint32_t epoch = 0;
  std::uint32_t serial = 0;
  bool playing = false;
  bool atEnd = false;
  fluid_player_t* player = nullptr;
  Tune tune;
  std::uint32_t ticks = 0;
  std::uint64_t frames = 0;  // rendered through the synthesizer so far
};

// What one synthesizer's renders touch. Made by Start on the main thread, freed by FreeSynth when
// nothing can be rendering, or abandoned for good when a render inside it is stuck.
struct Engine {
  fluid_settings_t* settings = nullptr;
  fluid_synth_t* synth = nullptr;
  Renderer renderer;
  // When the render inside the synthesizer began; 0 when none is inside, kGivenUp once it is judged
  // stuck (for good: the engine is abandoned with the mark on it). The render stores its time on
  // entering, when the value is 0: one thread renders an engine at a time, and an engine given up is
  // never rendered again. From then on each side changes it only by a compare-and-swap from the value
  // it read: the render back to 0 from its own time, StopRendering to kGivenUp from the time it judged
  // stuck. So exactly one of them decides whether a render that ends just as it is judged stuck was
  // given up.
  std::atomic<std::int64_t> renderingSince{0};
};

struct SequencerState {
  // Main thread only.
  std::string soundFontPath = kDefaultSoundFont;
  bool voices = true;
  std::thread loader;
  char alias[64] = {};
  bool open = false;
  bool outputHeld = false;
  bool playing = false;
  std::uint32_t playSerial = 0;
  WindowHandle notifyWindow = kNoWindow;  // the running play's notice goes here
  WindowHandle endNotice = kNoWindow;     // an end seen, not yet posted
  Engine* stuckEngine = nullptr;  // abandoned, kept for the rest of the process
  GiveUpHook giveUpHook = nullptr;
  // Shared.
  std::atomic<int> synthState{kNoSynth};
  std::atomic<Engine*> engine{nullptr};
  std::atomic<bool> renderingAllowed{true};
  std::atomic<RenderHook> renderHook{nullptr};
  std::mutex mailLock;
  Mailbox mail;
  std::atomic<std::uint32_t> endedSerial{0};
};

// Never destroyed: an audio thread may still be rendering while the program exits.
SequencerState& S() {
  static SequencerState* state = new SequencerState;
  return *state;
}

void QuietLog(int, const char*, void*) {}

std::int64_t NowMilliseconds() {
  return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

void JoinLoader() {
  SequencerState& s = S();
  if (s.loader.joinable()) s.loader.join();
}

bool WaitForSynth() {
  Start();
  JoinLoader();
  return S().synthState.load() == kReady;
}

void DropPlayer(Engine& e);

// Frees the engine; only when nothing can be rendering. An abandoned engine is not ours to free.
void FreeSynth() {
  SequencerState& s = S();
  JoinLoader();
  if (Engine* e = s.engine.exchange(nullptr)) {
    if (e->synth != nullptr) {
      DropPlayer(*e);
      delete_fluid_synth(e->synth);
    }
    if (e->settings != nullptr) delete_fluid_settings(e->settings);
    delete e;
  }
  s.synthState.store(kNoSynth);
}

template <typename Change>
void Post(Change change) {
  SequencerState& s = S();
  std::lock_guard<std::mutex> lock(s.mailLock);
  change(s.mail);
}

// ---- the renderer's side ------------------------------------------------------------------------

// Stops the piece where it is and silences what still sounds.
void StopPlayer(Engine& e) {
  fluid_player_stop(e.renderer.player);
  fluid_synth_all_notes_off(e.synth, -1);
  e.renderer.playing = false;
}

void DropPlayer(Engine& e) {
  Renderer& r = e.renderer;
  if (r.player != nullptr) {
    fluid_player_stop(r.player);
    delete_fluid_player(r.player);
    fluid_synth_all_notes_off(e.synth, -1);
  }
  r.player = nullptr;
  r.tune.reset();
  r.playing = false;
  r.atEnd = false;
}

// A fresh player at the start of the tune; none when the player refuses it (the piece then stays
// silent and never ends, so nothing starts it over and over).
void BuildPlayer(Engine& e, const Tune& tune, std::uint32_t ticks) {
  Renderer& r = e.renderer;
  r.tune = tune;
  r.ticks = ticks;
  r.player = new_fluid_player(e.synth);
  if (r.player == nullptr) return;
  if (fluid_player_add_mem(r.player, tune->data(), tune->size()) != FLUID_OK) {
    delete_fluid_player(r.player);
    r.player = nullptr;
  }
}

// The piece is over once the player's tick reaches the tune's length as the check measured it. The
// player's own count of ticks reads 0 until it has read the tune, and its "done" waits for every voice
// to die away (never, for a held note): both would make the end depend on whether notes sound.
bool PieceEnded(const Renderer& r) {
  return static_cast<std::int64_t>(fluid_player_get_current_tick(r.player)) >= static_cast<std::int64_t>(r.ticks);
}

void ApplyMail(Engine& e, const Mailbox& m) {
  SequencerState& s = S();
  Renderer& r = e.renderer;
  if (m.epoch != r.epoch) {
    r.epoch = m.epoch;
    DropPlayer(e);
    if (m.open && m.tune) BuildPlayer(e, m.tune, m.ticks);
  }
  if (r.player == nullptr) return;
  if (m.play && m.playSerial != r.serial) {
    r.serial = m.playSerial;
    if (r.atEnd) {
      s.endedSerial.store(r.serial);  // playing from the end finishes at once
    } else if (!r.playing && fluid_player_play(r.player) == FLUID_OK) {
      r.playing = true;
    }
  } else if (!m.play && r.playing) {
    StopPlayer(e);
  }
}

// ---- the main thread's side ---------------------------------------------------------------------

// Takes an end the renderer noted for the running play.
void NoteEnd() {
  SequencerState& s = S();
  if (!s.playing || s.endedSerial.load() != s.playSerial) return;
  s.playing = false;
  if (s.notifyWindow != kNoWindow) s.endNotice = s.notifyWindow;
  s.notifyWindow = kNoWindow;
}

// Cuts the running play off; its pending notice (returned) becomes an abort.
WindowHandle Halt() {
  SequencerState& s = S();
  NoteEnd();
  const WindowHandle window = s.notifyWindow;
  s.notifyWindow = kNoWindow;
  s.playing = false;
  return window;
}

void Notify(WindowHandle window, WParam code) {
  if (window != kNoWindow) plat::PostMessage(window, MM_MCINOTIFY, code, static_cast<LParam>(kMciDeviceId));
}

bool ReadMidiFile(const char* path, std::vector<std::uint8_t>& out) {
  std::FILE* f = OpenRegularFile(path);
  if (f == nullptr) return false;
  out.clear();
  std::uint8_t block[4096];
  std::size_t n = 0;
  bool ok = true;
  while ((n = std::fread(block, 1, sizeof block, f)) > 0) {
    if (out.size() + n > midi::kMaxFileBytes) {
      ok = false;
      break;
    }
    out.insert(out.end(), block, block + n);
  }
  std::fclose(f);
  return ok;
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
  auto tune = std::make_shared<std::vector<std::uint8_t>>();
  midi::MidiFileFacts facts;
  if (!midi::PlayableMidiFile(file.data(), file.size(), *tune, &facts)) return MCIERR_INVALID_FILE;
  if (!WaitForSynth()) return MCIERR_HARDWARE;
  // The sequencer keeps time without a sound device too: its notices drive the game's looping.
  if (!AcquireOutput(true)) return MCIERR_HARDWARE;
  output::CatchUp();
  Post([&](Mailbox& m) {
    ++m.epoch;
    m.open = true;
    m.play = false;
    m.tune = std::move(tune);
    m.ticks = facts.ticks;
  });
  std::strcpy(s.alias, alias);
  s.open = true;
  s.playing = false;
  s.outputHeld = true;
  return 0;
}

void CloseDevice(WindowHandle& aborted) {
  SequencerState& s = S();
  output::CatchUp();
  aborted = Halt();
  Post([](Mailbox& m) {
    ++m.epoch;
    m.open = false;
    m.play = false;
    m.tune.reset();
  });
  s.open = false;
  s.alias[0] = '\0';
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
  if (Is(verb, "seek")) {
    if (c.count != 4 || !Is(c.tokens[2], "to") || !Is(c.tokens[3], "start")) return MCIERR_UNRECOGNIZED_COMMAND;
    output::CatchUp();
    aborted = Halt();
    Post([](Mailbox& m) {
      ++m.epoch;
      m.play = false;
    });
  } else if (Is(verb, "play")) {
    const bool notify = c.count == 3 && Is(c.tokens[2], "notify");
    if (c.count > 3 || (c.count == 3 && !notify)) return MCIERR_UNRECOGNIZED_COMMAND;
    output::CatchUp();
    NoteEnd();
    WindowHandle superseded = kNoWindow;
    if (notify) {
      superseded = s.notifyWindow;
      s.notifyWindow = notifyWindow;
    }
    if (!s.playing) {
      s.playing = true;
      const std::uint32_t serial = ++s.playSerial;
      Post([serial](Mailbox& m) {
        m.play = true;
        m.playSerial = serial;
      });
    }
    Notify(superseded, MCI_NOTIFY_SUPERSEDED);
  } else if (Is(verb, "status")) {
    if (c.count != 3 || !Is(c.tokens[2], "mode")) return MCIERR_UNRECOGNIZED_COMMAND;
    output::CatchUp();
    NoteEnd();
    return Answer(answer, answerSize, s.playing ? "playing" : "stopped");
  } else if (Is(verb, "stop")) {
    if (c.count != 2) return MCIERR_UNRECOGNIZED_COMMAND;
    output::CatchUp();
    aborted = Halt();
    Post([](Mailbox& m) { m.play = false; });
  } else if (Is(verb, "close")) {
    if (c.count != 2) return MCIERR_UNRECOGNIZED_COMMAND;
    CloseDevice(aborted);
  } else {
    return MCIERR_UNRECOGNIZED_COMMAND;
  }
  Notify(aborted, MCI_NOTIFY_ABORTED);
  return 0;
}

}  // namespace

void Start() {
  SequencerState& s = S();
  if (s.synthState.load() != kNoSynth) return;
  if (s.stuckEngine != nullptr) {
    s.synthState.store(kFailed);  // a synthesizer was left to a stuck render: no music from here on
    return;
  }
  for (int level : {FLUID_PANIC, FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG}) {
    fluid_set_log_function(level, QuietLog, nullptr);  // a bad file is our refusal, not a message
  }
  std::FILE* probe = OpenRegularFile(s.soundFontPath.c_str());
  if (probe == nullptr) {
    s.synthState.store(kFailed);
    return;
  }
  std::fclose(probe);
  auto* e = new Engine;
  s.engine.store(e);
  e->settings = new_fluid_settings();
  if (e->settings != nullptr) {
    fluid_settings_setnum(e->settings, "synth.sample-rate", kOutputRate);
    fluid_settings_setnum(e->settings, "synth.gain", kSynthGain);
    fluid_settings_setint(e->settings, "synth.cpu-cores", 1);
    if (!s.voices) {
      // Keeping time alone plays no note: no room for voices or effects.
      fluid_settings_setint(e->settings, "synth.polyphony", 1);
      fluid_settings_setint(e->settings, "synth.reverb.active", 0);
      fluid_settings_setint(e->settings, "synth.chorus.active", 0);
    }
    // Making the synthesizer draws numbers from the C library's generator; that happens here, before
    // the game seeds it.
    e->synth = new_fluid_synth(e->settings);
  }
  if (e->synth == nullptr) {
    s.synthState.store(kFailed);
    return;
  }
  if (!s.voices) {
    s.synthState.store(kReady);  // the player keeps time without any instrument to play
    return;
  }
  s.synthState.store(kLoading);
  static bool joinAtExit = false;
  if (!joinAtExit) {
    joinAtExit = true;
    std::atexit(JoinLoader);
  }
  s.loader = std::thread([path = s.soundFontPath, synth = e->synth]() {
    const bool loaded = fluid_synth_sfload(synth, path.c_str(), 1) != FLUID_FAILED;
    S().synthState.store(loaded ? kReady : kFailed);
  });
}

bool RenderAdd(float* mix, int frames) {
  SequencerState& s = S();
  if (s.synthState.load() != kReady) return true;
  Engine* engine = s.engine.load();
  if (engine == nullptr) return true;
  Engine& e = *engine;
  // Marked inside before the door is looked at, so StopRendering either sees this render or it sees
  // the door shut.
  const std::int64_t since = NowMilliseconds();
  e.renderingSince.store(since);
  // Leaving: false when this render was given up meanwhile (the mark then stays).
  const auto leave = [&e, since] {
    std::int64_t mine = since;
    return e.renderingSince.compare_exchange_strong(mine, 0);
  };
  if (!s.renderingAllowed.load()) return leave();
  Mailbox mail;
  {
    std::lock_guard<std::mutex> lock(s.mailLock);
    mail = s.mail;
  }
  Renderer& r = e.renderer;
  ApplyMail(e, mail);
  float left[kEndCheckFrames];
  float right[kEndCheckFrames];
  while (mail.open && frames > 0) {
    const auto room = static_cast<int>(kEndCheckFrames - r.frames % kEndCheckFrames);
    const int n = frames < room ? frames : room;
    fluid_synth_write_float(e.synth, n, left, 0, 1, right, 0, 1);
    if (const RenderHook hook = s.renderHook.load()) hook();
    if (e.renderingSince.load() == kGivenUp) break;  // nothing of it goes on, not even the end
    for (int i = 0; i < n; ++i) {
      mix[2 * i] += left[i];
      mix[2 * i + 1] += right[i];
    }
    mix += 2 * n;
    frames -= n;
    r.frames += static_cast<std::uint64_t>(n);
    if (!r.playing || r.frames % kEndCheckFrames != 0 || !PieceEnded(r)) continue;
    StopPlayer(e);
    r.atEnd = true;
    s.endedSerial.store(r.serial);
  }
  return leave();
}

namespace {
bool Stuck(std::int64_t since) { return since > 0 && NowMilliseconds() - since > kStuckMilliseconds; }
}  // namespace

bool StopRendering() {
  SequencerState& s = S();
  s.renderingAllowed.store(false);
  Engine* e = s.engine.load();
  if (e == nullptr) return true;
  for (std::int64_t since = e->renderingSince.load(); since != 0; since = e->renderingSince.load()) {
    if (Stuck(since) && e->renderingSince.compare_exchange_strong(since, kGivenUp)) {
      // Left to the stuck thread for good: the engine is kept, and nothing makes another one.
      s.stuckEngine = e;
      s.engine.store(nullptr);
      s.synthState.store(kFailed);
      if (s.giveUpHook != nullptr) s.giveUpHook();
      return false;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  return true;
}

void AllowRendering() { S().renderingAllowed.store(true); }

void SetRenderHook(RenderHook hook) { S().renderHook.store(hook); }

void SetGiveUpHook(GiveUpHook hook) { S().giveUpHook = hook; }

void Reset() {
  SequencerState& s = S();
  WindowHandle ignored = kNoWindow;
  if (s.open) CloseDevice(ignored);
  s.endNotice = kNoWindow;
  s.playing = false;
  // Nobody renders once every output is closed: the player can go from here.
  Engine* e = s.engine.load();
  if (!OutputRunning() && s.synthState.load() == kReady && e != nullptr) DropPlayer(*e);
}

namespace {
// Closes the piece and frees the synthesizer; the next Start makes it anew with the new settings.
void RemakeSynthLater() {
  Reset();
  FreeSynth();
}
}  // namespace

void SetSoundFontPath(const char* path) {
  SequencerState& s = S();
  const std::string wanted = path != nullptr ? path : kDefaultSoundFont;
  if (wanted == s.soundFontPath) return;
  RemakeSynthLater();
  s.soundFontPath = wanted;
}

void SetVoices(bool on) {
  SequencerState& s = S();
  if (on == s.voices) return;
  RemakeSynthLater();
  s.voices = on;
}

}  // namespace plat::audio::sequencer

namespace plat::audio {

void DeliverNotifications() {
  output::CatchUp();
  sequencer::SequencerState& s = sequencer::S();
  sequencer::NoteEnd();
  const WindowHandle window = s.endNotice;
  s.endNotice = kNoWindow;
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

void PrepareSequencer() { audio::sequencer::Start(); }

void SetMciObserver(MciObserver newObserver) { observer = newObserver; }

std::uint32_t MciSendString(const char* command, char* answer, std::size_t answerSize, WindowHandle notifyWindow) {
  if (answer != nullptr && answerSize > 0) answer[0] = '\0';
  const std::uint32_t result = Run(command, answer, answerSize, notifyWindow);
  if (observer != nullptr) observer(command != nullptr ? command : "", result, answer != nullptr ? answer : "");
  return result;
}

}  // namespace plat
