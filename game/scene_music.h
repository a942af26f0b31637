// The music of a scene: the piece starts on the scene's first counted frame and again only after the
// frame counter wraps.
#pragma once

#include "framework/el_sound.h"
#include "game/game_state.h"

constexpr int kMusicCounterWrap = 100999999;
constexpr const char* kStageMusic = "MIDI/QMX1.MID";
constexpr const char* kEndingMusic = "MIDI/QMX2.MID";

inline void CountSceneMusic(const char* piece) {
  if (++GameState.musicCounter == 1) elSound::PlayMusic(piece, 1);
  if (GameState.musicCounter >= kMusicCounterWrap) GameState.musicCounter = 0;
}
