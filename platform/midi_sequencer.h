// The MIDI sequencer behind the command strings (mci.h): one standard MIDI file played by FluidSynth
// with the General MIDI soundfont, rendered by the mixer into the common stream.
#pragma once
#include <cstddef>
#include <cstdint>

#include "platform/win_types.h"

namespace plat::audio::sequencer {

constexpr const char* kDefaultSoundFont = "/usr/share/sounds/sf2/TimGM6mb.sf2";

// Called by the mixer with its lock held: adds `frames` interleaved stereo frames of the playing piece
// into `mix`, and notes the end of the piece.
void RenderAdd(float* mix, int frames);

// Closes the piece and frees the synthesizer (ResetAll).
void Reset();

// The soundfont to load (tests point it at a missing file); the default is kDefaultSoundFont.
void SetSoundFontPath(const char* path);

}  // namespace plat::audio::sequencer
