// The whole game state at one moment as a JSON document: every record of every pool, by name.
#pragma once
#include <string>

namespace runner {

// Appends the document for the frame that just finished.
void AppendStateDump(std::string& out, int frame);

}  // namespace runner
