// The Standard MIDI File check: a walk over every chunk and every event, each read bounded by the end
// of its track.
#include "platform/midi_file.h"

#include <cstring>

namespace plat::midi {
namespace {

constexpr std::size_t kHeaderBytes = 14;
constexpr std::size_t kChunkHeaderBytes = 8;

std::uint32_t Be32(const std::uint8_t* p) {
  return (static_cast<std::uint32_t>(p[0]) << 24) | (static_cast<std::uint32_t>(p[1]) << 16) |
         (static_cast<std::uint32_t>(p[2]) << 8) | static_cast<std::uint32_t>(p[3]);
}
int Be16(const std::uint8_t* p) { return (p[0] << 8) | p[1]; }

// One track's bytes, read front to back; every read fails rather than pass the end.
struct TrackReader {
  const std::uint8_t* p;
  const std::uint8_t* end;

  bool Byte(std::uint8_t& out) {
    if (p == end) return false;
    out = *p++;
    return true;
  }
  // A variable-length number of at most four bytes (up to 0x0FFFFFFF).
  bool Number(std::uint32_t& out) {
    out = 0;
    for (int i = 0; i < 4; ++i) {
      std::uint8_t b = 0;
      if (!Byte(b)) return false;
      out = (out << 7) | (b & 0x7Fu);
      if ((b & 0x80u) == 0) return true;
    }
    return false;
  }
  bool Skip(std::uint32_t bytes) {
    if (bytes > static_cast<std::size_t>(end - p)) return false;
    p += bytes;
    return true;
  }
};

// Data bytes that follow each channel status (note off .. pitch bend).
int ChannelDataBytes(std::uint8_t status) {
  const std::uint8_t kind = status & 0xF0;
  return (kind == 0xC0 || kind == 0xD0) ? 1 : 2;
}

// Metas the player reads at a fixed size; -1: any size.
int MetaSize(std::uint8_t type) {
  switch (type) {
    case 0x2F: return 0;  // end of track
    case 0x51: return 3;  // tempo
    case 0x54: return 5;  // SMPTE offset
    case 0x58: return 4;  // time signature
    case 0x59: return 2;  // key signature
    case 0x20: return 1;  // channel prefix
    default: return -1;
  }
}

// The synthesizer's player refuses a whole file for one escaped packet (an F7 event), which carries no
// note: what it is handed has an empty sequencer-specific meta in its place, at the same time.
const std::uint8_t kEscapeStandIn[] = {0xFF, 0x7F, 0x00};

void Append(std::vector<std::uint8_t>* out, const std::uint8_t* from, const std::uint8_t* to) {
  if (out != nullptr) out->insert(out->end(), from, to);
}

// Walks one track; with `out`, also appends its events as the player is to get them.
bool CheckTrack(const std::uint8_t* data, std::uint32_t length, MidiFileFacts& facts, std::vector<std::uint8_t>* out) {
  TrackReader r{data, data + length};
  std::uint8_t running = 0;  // the last channel status; 0 after a meta or system-exclusive event
  std::uint64_t ticks = 0;
  while (true) {
    const std::uint8_t* event = r.p;
    std::uint32_t delta = 0;
    if (!r.Number(delta)) return false;
    ticks += delta;
    if (ticks > kMaxTrackTicks) return false;
    ++facts.events;
    std::uint8_t status = 0;
    if (!r.Byte(status)) return false;
    if (status < 0x80) {
      if (running == 0) return false;  // a data byte with no status to run on
      --r.p;
      status = running;
    }
    if (status < 0xF0) {
      running = status;
      for (int i = 0; i < ChannelDataBytes(status); ++i) {
        std::uint8_t value = 0;
        if (!r.Byte(value) || value >= 0x80) return false;
      }
      Append(out, event, r.p);
      continue;
    }
    running = 0;
    if (status == 0xF0 || status == 0xF7) {
      const std::uint8_t* statusByte = r.p - 1;
      std::uint32_t bytes = 0;
      if (!r.Number(bytes) || !r.Skip(bytes)) return false;
      if (status == 0xF0) {
        Append(out, event, r.p);
      } else {
        Append(out, event, statusByte);
        Append(out, kEscapeStandIn, kEscapeStandIn + sizeof kEscapeStandIn);
      }
      continue;
    }
    if (status != 0xFF) return false;  // system common and real-time bytes have no place in a file
    std::uint8_t type = 0;
    std::uint32_t bytes = 0;
    if (!r.Byte(type) || type >= 0x80 || !r.Number(bytes)) return false;
    const int fixed = MetaSize(type);
    if (fixed >= 0 && bytes != static_cast<std::uint32_t>(fixed)) return false;
    const std::uint8_t* body = r.p;
    if (!r.Skip(bytes)) return false;
    if (type == 0x51 && (body[0] | body[1] | body[2]) == 0) return false;  // a tempo of zero stops time
    Append(out, event, r.p);
    if (type == 0x2F) {
      if (r.p != r.end) return false;  // nothing may follow the end of the track
      break;
    }
  }
  if (ticks > facts.ticks) facts.ticks = static_cast<std::uint32_t>(ticks);
  return true;
}

bool Walk(const std::uint8_t* data, std::size_t size, std::vector<std::uint8_t>* playable, MidiFileFacts& facts) {
  if (data == nullptr || size < kHeaderBytes || size > kMaxFileBytes) return false;
  if (std::memcmp(data, "MThd", 4) != 0 || Be32(data + 4) != 6) return false;
  facts.format = Be16(data + 8);
  facts.tracks = Be16(data + 10);
  facts.division = Be16(data + 12);
  if (facts.format != 0 && facts.format != 1) return false;
  if (facts.tracks < 1 || facts.tracks > kMaxTracks || (facts.format == 0 && facts.tracks != 1)) return false;
  if (facts.division == 0 || (facts.division & 0x8000) != 0) return false;  // ticks per quarter only
  if (playable != nullptr) playable->assign(data, data + kHeaderBytes);
  int tracks = 0;
  std::size_t at = kHeaderBytes;
  while (at < size) {
    if (size - at < kChunkHeaderBytes) return false;
    const std::uint32_t length = Be32(data + at + 4);
    if (length > size - at - kChunkHeaderBytes) return false;
    if (std::memcmp(data + at, "MTrk", 4) == 0) {
      if (++tracks > facts.tracks) return false;
      const std::size_t header = playable != nullptr ? playable->size() : 0;
      Append(playable, data + at, data + at + kChunkHeaderBytes);
      if (!CheckTrack(data + at + kChunkHeaderBytes, length, facts, playable)) return false;
      if (playable != nullptr) {
        // The stand-ins may change the track's length: written back into its header.
        const std::size_t bytes = playable->size() - header - kChunkHeaderBytes;
        for (int i = 0; i < 4; ++i) (*playable)[header + 4 + i] = static_cast<std::uint8_t>(bytes >> (24 - 8 * i));
      }
    }
    at += kChunkHeaderBytes + length;
  }
  return tracks == facts.tracks;
}

}  // namespace

bool CheckMidiFile(const std::uint8_t* data, std::size_t size, MidiFileFacts* facts) {
  MidiFileFacts local;
  const bool ok = Walk(data, size, nullptr, facts != nullptr ? *facts : local);
  return ok;
}

bool PlayableMidiFile(const std::uint8_t* data, std::size_t size, std::vector<std::uint8_t>& playable,
                      MidiFileFacts* facts) {
  MidiFileFacts local;
  if (Walk(data, size, &playable, facts != nullptr ? *facts : local)) return true;
  playable.clear();
  return false;
}

}  // namespace plat::midi
