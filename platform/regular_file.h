// Opening a file the game reads (a picture, a sound, a tune, the soundfont): only a regular file is
// opened, a link to one included. A named pipe, a device or a folder in its place is refused at once,
// as a missing file is, instead of waiting for a writer that never comes or reading without end.
#pragma once
#include <cstdio>

namespace plat {

// The file open for reading in binary, or null when it is missing, unreadable or not a regular file.
std::FILE* OpenRegularFile(const char* path);

}  // namespace plat
