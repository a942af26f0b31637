// The tune check: good files pass whole, and every kind of damage the player could misread is refused
// before it gets there; a refused tune is music that never starts, with no box and no retries.
#include "platform/midi_file.h"

#include <fstream>
#include <iterator>

#include "sound_test_support.h"

namespace sound_test {
namespace {

// The header of a one-track file (480 ticks a quarter) around a track body.
Bytes WithTrack(const Bytes& body, int format = 0, int tracks = 1, int division = 480) {
  Bytes file;
  const auto be = [&file](std::uint32_t v, int bytes) {
    for (int i = bytes - 1; i >= 0; --i) file.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
  };
  PutTag(file, "MThd");
  be(6, 4);
  be(static_cast<std::uint32_t>(format), 2);
  be(static_cast<std::uint32_t>(tracks), 2);
  be(static_cast<std::uint32_t>(division), 2);
  PutTag(file, "MTrk");
  be(static_cast<std::uint32_t>(body.size()), 4);
  file.insert(file.end(), body.begin(), body.end());
  return file;
}

bool Accepted(const Bytes& file) { return plat::midi::CheckMidiFile(file.data(), file.size()); }

const Bytes kEnd = {0x00, 0xFF, 0x2F, 0x00};

Bytes Then(Bytes events, const Bytes& more = kEnd) {
  events.insert(events.end(), more.begin(), more.end());
  return events;
}

// The damaged file that once froze the game: a good header, then a chunk that runs off the end.
const Bytes kFrozeTheGame = {0x4d, 0x54, 0x68, 0x64, 0x00, 0x00, 0x00, 0x06, 0x00, 0x00, 0x00, 0x01, 0x00, 0x60,
                             0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x01, 0xff, 0xff, 0xff, 0xff, 0xf3};

TEST(MidiFileTest, WellFormedTunesPassAndThePlayerGetsOnlyTheirTracks) {
  plat::midi::MidiFileFacts facts;
  const Bytes ours = MidiFile(3, 240);
  ASSERT_TRUE(plat::midi::CheckMidiFile(ours.data(), ours.size(), &facts));
  EXPECT_EQ(facts.tracks, 1);
  EXPECT_EQ(facts.ticks, 720u);
  // Running status, system exclusive, a tempo and a text meta.
  EXPECT_TRUE(Accepted(WithTrack(Then({0x00, 0x90, 0x40, 0x70, 0x10, 0x40, 0x00, 0x00, 0xF0, 0x02, 0x7E, 0xF7,
                                       0x00, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20, 0x00, 0xFF, 0x01, 0x02, 'h', 'i'}))));
  for (const char* name : {"MIDI/QMX1.MID", "MIDI/QMX2.MID"}) {
    std::ifstream in(testing_support::BuildDir() + "/" + name, std::ios::binary);
    const Bytes tune((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_TRUE(Accepted(tune)) << name;
  }

  // A chunk of another kind is walked over and left out of what the player gets.
  Bytes withForeign = ours;
  const Bytes foreign = {'X', 'F', 'I', 'H', 0, 0, 0, 4, 1, 2, 3, 4};
  withForeign.insert(withForeign.begin() + 14, foreign.begin(), foreign.end());
  Bytes playable;
  ASSERT_TRUE(plat::midi::PlayableMidiFile(withForeign.data(), withForeign.size(), playable));
  EXPECT_EQ(playable, ours);
}

TEST(MidiFileTest, DamageAnywhereInTheFileIsRefused) {
  const Bytes good = MidiFile(2, 240);
  const auto changed = [&good](std::size_t at, std::uint8_t value) {
    Bytes b = good;
    b[at] = value;
    return b;
  };
  const std::vector<std::pair<const char*, Bytes>> damaged = {
      {"the tune that froze the game", kFrozeTheGame},
      {"too short for a header", Bytes(good.begin(), good.begin() + 13)},
      {"not MThd", changed(0, 'X')},
      {"header length 7", changed(7, 7)},
      {"format 2", changed(9, 2)},
      {"no track", changed(11, 0)},
      {"format 0 with two tracks", changed(11, 2)},
      {"two tracks declared, one there", WithTrack(kEnd, 1, 2)},
      {"division 0", WithTrack(kEnd, 0, 1, 0)},
      {"SMPTE timing", WithTrack(kEnd, 0, 1, 0xE728)},
      {"track longer than the file", changed(21, 0xFF)},
      {"bytes after the last chunk", Then(good, Bytes{0, 0, 0})},
      {"no end of track", WithTrack({0x00, 0x90, 0x40, 0x70})},
      {"events after the end of track", WithTrack(Then(kEnd, {0x00, 0x80, 0x40, 0x00}))},
      {"a delta time of five bytes", WithTrack(Then({0x81, 0x81, 0x81, 0x81, 0x01, 0x90, 0x40, 0x70}))},
      {"a delta time cut off by the end", WithTrack({0x00, 0x90, 0x40, 0x70, 0x81})},
      {"running status with nothing to run on", WithTrack(Then({0x00, 0x40, 0x70}))},
      {"running status after a meta", WithTrack(Then({0x00, 0x90, 0x40, 0x70, 0x00, 0xFF, 0x01, 0x00, 0x00, 0x40, 0x00}))},
      {"a data byte with the top bit", WithTrack(Then({0x00, 0x90, 0x40, 0x90}))},
      {"a note cut off by the end", WithTrack({0x00, 0x90, 0x40})},
      {"a meta longer than its track", WithTrack({0x00, 0xFF, 0x01, 0x7F, 'x'})},
      {"a system exclusive longer than its track", WithTrack({0x00, 0xF0, 0x40, 0x01})},
      {"a tempo of two bytes", WithTrack(Then({0x00, 0xFF, 0x51, 0x02, 0x07, 0xA1}))},
      {"a tempo of zero", WithTrack(Then({0x00, 0xFF, 0x51, 0x03, 0x00, 0x00, 0x00}))},
      {"a system common byte", WithTrack(Then({0x00, 0xF3, 0x01}))},
      {"an end of track with a length", WithTrack({0x00, 0xFF, 0x2F, 0x01, 0x00})},
      {"a track of more ticks than the player counts",
       WithTrack(Then({0xFF, 0xFF, 0xFF, 0x7F, 0xFF, 0x01, 0x00, 0xFF, 0xFF, 0xFF, 0x7F, 0xFF, 0x01, 0x00,
                       0xFF, 0xFF, 0xFF, 0x7F, 0xFF, 0x01, 0x00, 0xFF, 0xFF, 0xFF, 0x7F, 0xFF, 0x01, 0x00,
                       0xFF, 0xFF, 0xFF, 0x7F, 0xFF, 0x01, 0x00}))},
  };
  ASSERT_TRUE(Accepted(good));
  for (const auto& [what, file] : damaged) EXPECT_FALSE(Accepted(file)) << what;
}

// A valid tune with every kind of event a file may hold: every channel message (each also under
// running status), the common metas, and system exclusive in both its forms. At 120 beats a minute:
// a piano chord and a string note held for a second, then half a second of rest.
Bytes EveryEventKind() {
  return WithTrack({
      0x00, 0xFF, 0x00, 0x02, 0x00, 0x01,                          // sequence number
      0x00, 0xFF, 0x01, 0x04, 't', 'e', 'x', 't',                  // text
      0x00, 0xFF, 0x02, 0x01, 'c',                                 // copyright
      0x00, 0xFF, 0x03, 0x04, 'n', 'a', 'm', 'e',                  // track name
      0x00, 0xFF, 0x04, 0x05, 'p', 'i', 'a', 'n', 'o',             // instrument name
      0x00, 0xFF, 0x05, 0x02, 'l', 'a',                            // lyric
      0x00, 0xFF, 0x06, 0x01, 'A',                                 // marker
      0x00, 0xFF, 0x07, 0x03, 'c', 'u', 'e',                       // cue point
      0x00, 0xFF, 0x20, 0x01, 0x00,                                // channel prefix
      0x00, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20,                    // tempo: 500000 us a quarter
      0x00, 0xFF, 0x54, 0x05, 0x60, 0x00, 0x00, 0x00, 0x00,        // SMPTE offset
      0x00, 0xFF, 0x58, 0x04, 0x04, 0x02, 0x18, 0x08,              // time signature 4/4
      0x00, 0xFF, 0x59, 0x02, 0x00, 0x00,                          // key signature C major
      0x00, 0xFF, 0x7F, 0x03, 0x00, 0x00, 0x41,                    // sequencer-specific
      0x00, 0xF0, 0x05, 0x7E, 0x7F, 0x09, 0x01, 0xF7,              // system exclusive: general MIDI on
      0x00, 0xF7, 0x02, 0x43, 0x10,                                // an escaped packet
      0x00, 0xC0, 0x00,                                            // program: piano
      0x00, 0x00,                                                  //   running
      0x00, 0xC1, 0x30,                                            // program on channel 2: strings
      0x00, 0xB0, 0x07, 0x64,                                      // control: volume
      0x00, 0x0A, 0x40,                                            //   running: pan
      0x00, 0xE0, 0x00, 0x40,                                      // pitch bend, centred
      0x00, 0x00, 0x40,                                            //   running
      0x00, 0x90, 0x3C, 0x64,                                      // note on
      0x00, 0x40, 0x64,                                            //   running
      0x00, 0xA0, 0x3C, 0x50,                                      // key pressure
      0x00, 0x40, 0x48,                                            //   running
      0x00, 0xD0, 0x60,                                            // channel pressure
      0x00, 0x50,                                                  //   running
      0x00, 0x91, 0x43, 0x64,                                      // note on, channel 2
      0x87, 0x40, 0x80, 0x3C, 0x40,                                // 960 ticks on: note off
      0x00, 0x40, 0x40,                                            //   running
      0x00, 0x81, 0x43, 0x40,                                      // note off, channel 2
      0x83, 0x60, 0xFF, 0x2F, 0x00,                                // end of track 480 ticks later
  });
}

TEST(MidiFileTest, ATuneWithEveryKindOfEventPassesWhole) {
  plat::midi::MidiFileFacts facts;
  const Bytes tune = EveryEventKind();
  ASSERT_TRUE(plat::midi::CheckMidiFile(tune.data(), tune.size(), &facts));
  EXPECT_EQ(facts.events, 34u);  // each event read once, at its own length
  EXPECT_EQ(facts.ticks, 1440u);
  // The player gets it whole but for the escaped packet: an empty meta at the same time in its place.
  Bytes playable;
  ASSERT_TRUE(plat::midi::PlayableMidiFile(tune.data(), tune.size(), playable));
  Bytes expected = tune;
  const Bytes escape = {0x00, 0xF7, 0x02, 0x43, 0x10};
  auto at = std::search(expected.begin(), expected.end(), escape.begin(), escape.end());
  ASSERT_NE(at, expected.end());
  at = expected.erase(at + 1, at + 5);
  expected.insert(at, {0xFF, 0x7F, 0x00});
  expected[21] -= 1;  // the track a byte shorter
  EXPECT_EQ(playable, expected);
  // The fuzzers start from the same bytes.
  const std::filesystem::path corpus =
      std::filesystem::path(__FILE__).parent_path().parent_path() / "fuzz/corpus/tune/good-every-event-kind.mid";
  std::ifstream in(corpus, std::ios::binary);
  EXPECT_EQ(Bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>()), tune);
}

using DamagedTuneTest = SoundTest;

TEST_F(DamagedTuneTest, ATuneWithEveryKindOfEventIsHeard) {
  ASSERT_EQ(StartSound(), 1);
  Write("MIDI/QMX1.MID", EveryEventKind());
  elSound::PlayMusic("MIDI/QMX1.MID", 0);
  Pump(2.5);
  EXPECT_EQ(plat::headless::MciCommands().front().find(" -> error"), std::string::npos);
  const std::vector<std::int16_t>& s = plat::headless::RenderedAudio();
  // The chord sounds for its second; the piece ends at 1.5 s and closes (it does not loop).
  EXPECT_GT(Rms(s, FrameAt(0.1) * 2, FrameAt(0.9) * 2), 300.0);
  EXPECT_EQ(CountCommand("close midi"), 1);
}

TEST_F(DamagedTuneTest, ARefusedTuneIsMusicThatNeverStartsAndIsNeverRetried) {
  ASSERT_EQ(StartSound(), 1);
  Write("MIDI/QMX1.MID", kFrozeTheGame);
  elSound::PlayMusic("MIDI/QMX1.MID", 1);
  Pump(2.0);
  // The open fails, so the seek and play fail too; no end notice ever comes to ask again.
  EXPECT_EQ(plat::headless::MciCommands().size(), 3u);
  EXPECT_EQ(CountCommand("status midi mode"), 0);
  EXPECT_TRUE(plat::headless::MessageBoxes().empty());
  const std::vector<std::int16_t>& s = plat::headless::RenderedAudio();
  EXPECT_EQ(Rms(s, 0, s.size()), 0.0);
  // A good tune after it plays as usual.
  Write("MIDI/QMX2.MID", MidiFile(2, 240));
  elSound::PlayMusic("MIDI/QMX2.MID", 1);
  Pump(0.4);
  EXPECT_GT(Rms(plat::headless::RenderedAudio(), FrameAt(2.1) * 2, FrameAt(2.4) * 2), 300.0);
}

}  // namespace
}  // namespace sound_test
