// The check every tune passes before the synthesizer sees it: the whole Standard MIDI File is read
// and anything the player could misread is refused, so a damaged file means "no music", never a hang.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

namespace plat::midi {

// The largest tune we read (a few minutes of music is a few tens of kilobytes).
constexpr std::size_t kMaxFileBytes = 4u << 20;
// More tracks than the synthesizer's player takes.
constexpr int kMaxTracks = 128;
// The longest track we accept, in ticks (the player keeps ticks in an int).
constexpr std::uint32_t kMaxTrackTicks = 1u << 30;

struct MidiFileFacts {
  int format = 0;
  int tracks = 0;
  int division = 0;          // ticks per quarter note
  std::uint32_t ticks = 0;   // length of the longest track
  std::uint32_t events = 0;  // every event of every track
};

// True when `data` is a well-formed format 0 or 1 file with ticks-per-quarter timing: a six-byte
// header, chunks that tile the file, exactly the header's number of "MTrk" chunks (others are skipped
// by the player and by us), and every track made of complete events (delta times of at most four
// bytes, running status only after a channel message, meta and system-exclusive lengths inside the
// track, tempo and the other fixed-size metas at their size) ending with its end-of-track.
bool CheckMidiFile(const std::uint8_t* data, std::size_t size, MidiFileFacts* facts = nullptr);

// Checks the file and gives what the player is handed: the header and the "MTrk" chunks alone, each
// escaped system-exclusive packet (F7) put as an empty sequencer-specific meta at the same time.
bool PlayableMidiFile(const std::uint8_t* data, std::size_t size, std::vector<std::uint8_t>& playable,
                      MidiFileFacts* facts = nullptr);

}  // namespace plat::midi
