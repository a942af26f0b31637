#include "music.h"

#include <algorithm>
#include <string>

namespace assetgen {

namespace {

constexpr int kPpq = 480;
constexpr int kBar = kPpq * 4;
constexpr int kStep = kPpq / 4;  // a sixteenth
constexpr int kDrumChannel = 9;

struct Event {
  int tick;
  int order;  // at one tick: note-offs first, then set-up, then note-ons
  std::vector<uint8_t> bytes;
};

class Track {
 public:
  Track(const char* name, int channel, int program, int volume, int pan) : channel_(channel) {
    std::vector<uint8_t> meta = {0xFF, 0x03, uint8_t(std::string(name).size())};
    meta.insert(meta.end(), name, name + std::string(name).size());
    events_.push_back({0, 1, meta});
    if (channel != kDrumChannel) events_.push_back({0, 1, {uint8_t(0xC0 | channel), uint8_t(program)}});
    events_.push_back({0, 1, {uint8_t(0xB0 | channel), 7, uint8_t(volume)}});
    events_.push_back({0, 1, {uint8_t(0xB0 | channel), 10, uint8_t(pan)}});
    events_.push_back({0, 1, {uint8_t(0xB0 | channel), 91, 40}});
  }
  void Meta(std::vector<uint8_t> bytes) { events_.push_back({0, 1, std::move(bytes)}); }
  void Note(int tick, int length, int pitch, int velocity) {
    pitch = std::clamp(pitch, 0, 127);
    events_.push_back({tick, 2, {uint8_t(0x90 | channel_), uint8_t(pitch), uint8_t(std::clamp(velocity, 1, 127))}});
    events_.push_back({tick + length, 0, {uint8_t(0x80 | channel_), uint8_t(pitch), 0}});
  }
  // The chunk, ending with end-of-track exactly at `end`.
  std::vector<uint8_t> Chunk(int end) const {
    std::vector<Event> ev = events_;
    std::stable_sort(ev.begin(), ev.end(), [](const Event& a, const Event& b) {
      return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
    });
    std::vector<uint8_t> body;
    int now = 0;
    for (const Event& e : ev) {
      const int tick = std::min(e.tick, end);
      PutVarLen(body, uint32_t(tick - now));
      now = tick;
      body.insert(body.end(), e.bytes.begin(), e.bytes.end());
    }
    PutVarLen(body, uint32_t(end - now));
    body.insert(body.end(), {0xFF, 0x2F, 0x00});
    std::vector<uint8_t> chunk = {'M', 'T', 'r', 'k'};
    Put32(chunk, uint32_t(body.size()));
    chunk.insert(chunk.end(), body.begin(), body.end());
    return chunk;
  }
  static void Put32(std::vector<uint8_t>& out, uint32_t v) {
    for (int s = 24; s >= 0; s -= 8) out.push_back(uint8_t(v >> s));
  }

 private:
  static void PutVarLen(std::vector<uint8_t>& out, uint32_t v) {
    uint8_t buf[5];
    int n = 0;
    buf[n++] = uint8_t(v & 0x7F);
    while (v >>= 7) buf[n++] = uint8_t(0x80 | (v & 0x7F));
    while (n) out.push_back(buf[--n]);
  }
  int channel_;
  std::vector<Event> events_;
};

std::vector<uint8_t> SmfFile(const std::vector<Track>& tracks, int end) {
  std::vector<uint8_t> out = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 1};
  out.push_back(uint8_t(tracks.size() >> 8));
  out.push_back(uint8_t(tracks.size()));
  out.push_back(uint8_t(kPpq >> 8));
  out.push_back(uint8_t(kPpq & 0xFF));
  for (const Track& t : tracks) {
    const auto chunk = t.Chunk(end);
    out.insert(out.end(), chunk.begin(), chunk.end());
  }
  return out;
}

Track Conductor(const char* title, int bpm) {
  Track t(title, 0, 0, 100, 64);
  const uint32_t usPerBeat = uint32_t(60000000 / bpm);
  t.Meta({0xFF, 0x51, 0x03, uint8_t(usPerBeat >> 16), uint8_t(usPerBeat >> 8), uint8_t(usPerBeat)});
  t.Meta({0xFF, 0x58, 0x04, 4, 2, 24, 8});
  return t;
}

// A diatonic key: scale degree (any integer) to a MIDI pitch.
struct Key {
  int tonic;           // MIDI pitch of degree 0
  int steps[7];        // semitones of the scale
  int leadingDegree;   // degree raised a semitone over the dominant chord (-1: none)
  int Pitch(int degree, bool dominant = false) const {
    const int oct = degree >= 0 ? degree / 7 : -((6 - degree) / 7);
    const int d = degree - oct * 7;
    int p = tonic + oct * 12 + steps[d];
    if (dominant && d == leadingDegree) ++p;
    return p;
  }
};

constexpr Key kAMinor{57, {0, 2, 3, 5, 7, 8, 10}, 6};
constexpr Key kCMajor{60, {0, 2, 4, 5, 7, 9, 11}, -1};

// Melody motif over two bars: start and length in sixteenths, degree above the bar's chord root.
struct MotifNote {
  int step, length, degree;
};

struct Section {
  int bars;
  const int* chords;  // chord root degree per bar, cycled
  int chordCount;
  const MotifNote* motif;
  int motifCount;
  int energy;  // 0 sparse .. 2 full
};

template <size_t N>
constexpr int Count(const MotifNote (&)[N]) {
  return int(N);
}

// Melody over a section: the motif repeats every two bars, each note placed on its bar's chord;
// the last pair lifts the motif a step for a lift into the next section.
void PlayMelody(Track& track, const Key& key, const Section& s, int startBar, int octave, int velocity, int dominantRoot) {
  if (!s.motif) return;
  for (int pair = 0; pair < s.bars / 2; ++pair)
    for (int i = 0; i < s.motifCount; ++i) {
      const MotifNote& m = s.motif[i];
      const int bar = pair * 2 + m.step / 16;
      const int root = s.chords[bar % s.chordCount];
      const int lift = (pair == s.bars / 2 - 1 && m.step >= 16) ? 1 : 0;
      const int tick = (startBar + pair * 2) * kBar + m.step * kStep;
      const int accent = (m.step % 4 == 0) ? 10 : 0;
      track.Note(tick, m.length * kStep - 20, key.Pitch(root + m.degree + lift, root == dominantRoot) + 12 * octave,
                 velocity + accent);
    }
}

// ---- stage tune --------------------------------------------------------------------------------

constexpr int kVerseChords[] = {0, 5, 2, 6, 0, 5, 6, 4};    // Am F C G | Am F G E
constexpr int kChorusChords[] = {5, 6, 4, 0, 3, 4, 5, 6};   // F G E Am | Dm E F G
constexpr int kBridgeChords[] = {3, 0, 5, 4, 3, 0, 6, 4};   // Dm Am F E | Dm Am G E
constexpr MotifNote kVerseMotif[] = {{0, 4, 4}, {4, 2, 2}, {6, 2, 4}, {8, 4, 7}, {12, 4, 6},
                                     {16, 6, 4}, {22, 2, 2}, {24, 8, 0}};
constexpr MotifNote kChorusMotif[] = {{0, 6, 7}, {6, 2, 6}, {8, 8, 4}, {16, 4, 5}, {20, 4, 4}, {24, 8, 2}};
constexpr MotifNote kBridgeMotif[] = {{0, 3, 0}, {3, 3, 2}, {6, 2, 4}, {8, 4, 4}, {12, 4, 2},
                                      {16, 3, 7}, {19, 3, 6}, {22, 2, 4}, {24, 8, 2}};

}  // namespace

std::vector<uint8_t> ComposeStageTune() {
  const Section sections[] = {
      {8, kVerseChords, 8, nullptr, 0, 0},                                  // intro: drums and bass
      {8, kVerseChords, 8, kVerseMotif, Count(kVerseMotif), 1},             // verse
      {8, kVerseChords, 8, kVerseMotif, Count(kVerseMotif), 2},             // verse, full band
      {8, kChorusChords, 8, kChorusMotif, Count(kChorusMotif), 2},          // chorus
      {8, kChorusChords, 8, kChorusMotif, Count(kChorusMotif), 2},          // chorus
      {8, kBridgeChords, 8, kBridgeMotif, Count(kBridgeMotif), 1},          // bridge
      {8, kVerseChords, 8, kVerseMotif, Count(kVerseMotif), 2},             // last verse, back to the top
  };
  constexpr int kDominant = 4;  // E major over A minor
  Track conductor = Conductor("Tessivane stage", 150);
  Track lead("Lead", 0, 81, 100, 64);      // saw lead
  Track strings("Strings", 1, 48, 72, 40);  // string ensemble
  Track guitar("Guitar", 2, 29, 78, 88);    // overdriven guitar
  Track bass("Bass", 3, 38, 105, 64);       // synth bass
  Track drums("Drums", kDrumChannel, 0, 110, 64);
  int bar0 = 0;
  for (const Section& s : sections) {
    PlayMelody(lead, kAMinor, s, bar0, 1, 92, kDominant);
    for (int b = 0; b < s.bars; ++b) {
      const int bar = bar0 + b, tick = bar * kBar;
      const int root = s.chords[b % s.chordCount];
      const bool dom = root == kDominant;
      // Bass: driving eighths with an octave kick on the off-beats of beats 2 and 4.
      for (int e = 0; e < 8; ++e)
        bass.Note(tick + e * 2 * kStep, 2 * kStep - 30, kAMinor.Pitch(root, dom) - 24 + ((e == 3 || e == 7) ? 12 : 0),
                  e % 2 == 0 ? 100 : 84);
      if (s.energy >= 1) {
        for (int v = 0; v < 3; ++v) strings.Note(tick, kBar - 10, kAMinor.Pitch(root + 2 * v, dom), 70);
      }
      if (s.energy >= 2) {  // power chords in a pushed rhythm
        constexpr int kHits[] = {0, 3, 6, 8, 11, 14};
        for (int h : kHits) {
          guitar.Note(tick + h * kStep, 2 * kStep - 20, kAMinor.Pitch(root, dom) - 12, 90);
          guitar.Note(tick + h * kStep, 2 * kStep - 20, kAMinor.Pitch(root, dom) - 5, 86);
        }
      }
      // Drums.
      const bool fill = b == s.bars - 1;
      if (b == 0 && s.energy > 0) drums.Note(tick, kStep * 4, 49, 110);
      for (int st = 0; st < 16; ++st) {
        const int t = tick + st * kStep;
        if (fill && st >= 12) {
          drums.Note(t, kStep, st % 2 ? 45 : 38, 90 + st * 2);
          continue;
        }
        if (st == 0 || st == 6 || st == 8 || (s.energy >= 2 && st == 10)) drums.Note(t, kStep, 36, 115);
        if ((st == 4 || st == 12) && (s.energy > 0 || b >= 4)) drums.Note(t, kStep, 38, 108);
        if (st % 2 == 0) drums.Note(t, kStep, st == 14 && s.energy >= 2 ? 46 : 42, st % 4 == 0 ? 90 : 70);
      }
    }
    bar0 += s.bars;
  }
  return SmfFile({conductor, lead, strings, guitar, bass, drums}, bar0 * kBar);
}

namespace {

constexpr int kEndIntro[] = {0, 4, 5, 3};                 // C G Am F
constexpr int kEndVerse[] = {0, 4, 5, 2, 3, 0, 1, 4};     // C G Am Em | F C Dm G
constexpr int kEndChorus[] = {3, 4, 2, 5, 1, 4, 0, 0};    // F G Em Am | Dm G C C
constexpr int kEndOutro[] = {3, 4, 0, 0};                 // F G C C
constexpr MotifNote kEndMotifA[] = {{0, 8, 4}, {8, 4, 3}, {12, 4, 2}, {16, 12, 4}, {28, 4, 2}};
constexpr MotifNote kEndMotifB[] = {{0, 6, 7}, {6, 2, 6}, {8, 8, 4}, {16, 8, 2}, {24, 8, 4}};

}  // namespace

std::vector<uint8_t> ComposeEndingTune() {
  const Section sections[] = {
      {4, kEndIntro, 4, nullptr, 0, 0},
      {8, kEndVerse, 8, kEndMotifA, Count(kEndMotifA), 1},
      {8, kEndChorus, 8, kEndMotifB, Count(kEndMotifB), 2},
      {4, kEndOutro, 4, nullptr, 0, 1},
  };
  Track conductor = Conductor("Tessivane ending", 96);
  Track flute("Flute", 0, 73, 96, 70);
  Track piano("Piano", 1, 0, 92, 50);
  Track strings("Strings", 2, 49, 70, 80);  // slow strings
  Track bass("Bass", 3, 33, 96, 64);        // fingered bass
  Track drums("Drums", kDrumChannel, 0, 80, 64);
  int bar0 = 0;
  for (const Section& s : sections) {
    PlayMelody(flute, kCMajor, s, bar0, 1, 80, -1);
    for (int b = 0; b < s.bars; ++b) {
      const int bar = bar0 + b, tick = bar * kBar;
      const int root = s.chords[b % s.chordCount];
      const bool last = (bar0 + b) == 23;
      // Piano: rolling eighth-note arpeggio, root - fifth - octave - tenth.
      constexpr int kArp[] = {0, 4, 7, 9, 7, 4, 7, 9};
      for (int e = 0; e < (last ? 1 : 8); ++e)
        piano.Note(tick + e * 2 * kStep, last ? kBar - 10 : 3 * kStep, kCMajor.Pitch(root + kArp[e]) - 12, e == 0 ? 78 : 62);
      for (int v = 0; v < 3; ++v) strings.Note(tick, kBar - 10, kCMajor.Pitch(root + 2 * v), 60);
      bass.Note(tick, 6 * kStep, kCMajor.Pitch(root) - 24, 90);
      if (!last) bass.Note(tick + 8 * kStep, 6 * kStep, kCMajor.Pitch(root + (b % 2 ? 4 : 0)) - 24, 80);
      if (s.energy >= 1 && !last) {
        drums.Note(tick, kStep, 36, 80);
        drums.Note(tick + 8 * kStep, kStep, 36, 72);
        drums.Note(tick + 4 * kStep, kStep, 37, 60);
        drums.Note(tick + 12 * kStep, kStep, 37, 60);
        for (int e = 0; e < 8; ++e) drums.Note(tick + e * 2 * kStep, kStep, s.energy >= 2 ? 51 : 42, 46 + (e % 2 ? 0 : 10));
      }
    }
    bar0 += s.bars;
  }
  return SmfFile({conductor, flute, piano, strings, bass, drums}, bar0 * kBar);
}

}  // namespace assetgen
