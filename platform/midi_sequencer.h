// The MIDI sequencer behind the command strings (mci.h): one standard MIDI file played by FluidSynth
// with the General MIDI soundfont, rendered by the mixer into the common stream.
//
// Threads: the commands run on the main thread; the synthesizer and its player belong to whoever
// renders the mix (SDL's audio thread, or the main thread for the headless host and for a silent
// output). The two meet only in a small mailbox guarded by a lock that neither holds for longer than a
// copy, so no command ever waits for the synthesizer.
#pragma once
#include <cstddef>
#include <cstdint>

#include "platform/win_types.h"

namespace plat::audio::sequencer {

constexpr const char* kDefaultSoundFont = "/usr/share/sounds/sf2/TimGM6mb.sf2";

// Makes the synthesizer (on the calling thread) and starts loading the soundfont on a thread of its
// own. Idempotent; the first open does it when nobody did.
void Start();

// Called by the mixer, outside its lock: adds `frames` interleaved stereo frames of the playing piece
// into `mix`, and notes the end of the piece. False when this render was given up for stuck while it
// was inside the synthesizer (see StopRendering): the mix it was called from must end at once and
// touch nothing shared.
bool RenderAdd(float* mix, int frames);

// Before an output that renders on a thread of its own stops: no render starts from now on, and one
// under way is waited for, up to the second that judges it stuck. True when no render is left inside
// the synthesizer. False when one is stuck there: the synthesizer, its player and everything else that
// render can touch are abandoned (kept, never freed nor used again, until the process ends), the music
// stays silent from then on, and the output must neither wait for that thread nor hand its mix to it.
// The thread may come back the moment its render is given up: an output whose own thread renders cuts
// that thread off from the mixer before it calls this.
bool StopRendering();
// Lets renders start again (an output opens).
void AllowRendering();

// For tests: called after every block the synthesizer renders, on the rendering thread. A hook that
// blocks stands for a synthesizer caught in a malformed file.
using RenderHook = void (*)();
void SetRenderHook(RenderHook hook);
// For tests: called on the thread that stops rendering, the moment StopRendering has given a stuck
// render up (before it returns false).
using GiveUpHook = void (*)();
void SetGiveUpHook(GiveUpHook hook);

// Closes the piece (headless host: the main thread renders, so its player goes too).
void Reset();

// The soundfont to load (tests point it at a missing file); the default is kDefaultSoundFont.
// Only with no output open.
void SetSoundFontPath(const char* path);

// With voices off the synthesizer loads no soundfont: the piece is played for its timing alone (its
// end is noted at the same sample) and renders silence. For a host that keeps none of the sound; the
// default is on. Only with no output open.
void SetVoices(bool on);

}  // namespace plat::audio::sequencer
