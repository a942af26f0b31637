// The state the runner writes for every frame: one table of named fields, so each part of the game
// adds its own rows.
#pragma once
#include <string>

namespace runner {

// Starts listening to what the game plays, for the lines that follow (the music commands sent
// before are dropped).
void StartTrace();
// Appends one JSON object (no newline) describing the frame that just finished, with the sounds played
// since the previous line and the music commands in the host's log, which the caller empties after
// each frame.
void AppendTraceLine(std::string& out, int frame);

}  // namespace runner
