// Which display a copy of the game shows on, as a short name, and which video drivers show nothing.
// Copies of the game on one display find each other (the single-instance lock and the raise request
// carry this name); copies on different displays do not. No SDL here: the backend passes what SDL chose.
#pragma once
#include <string>

namespace plat::sdl {

// driver: the video driver SDL runs ("x11", "wayland", ...); xDisplay, waylandDisplay and runtimeDir:
// the DISPLAY, WAYLAND_DISPLAY and XDG_RUNTIME_DIR of the environment (null when unset). An X display
// is named by its host and number whatever the form: ":1", ":1.0" and "unix:1" are all "x11:1";
// display 1 reached over TCP ("localhost:1", "far:1") is "x11:localhost:1" or "x11:far:1". A Wayland
// display by its socket, a full path into the runtime folder written as the short name
// ("wayland:wayland-0" when unset); any other driver by its own name.
std::string DisplayName(const char* driver, const char* xDisplay, const char* waylandDisplay,
                        const char* runtimeDir);

// The drivers that make no visible window (SDL falls back to one of them when no display opens).
bool ShowsNothing(const char* driver);
// The driver is one of the comma-separated names of `asked` (SDL_VIDEODRIVER; null when unset).
bool AskedFor(const char* driver, const char* asked);

}  // namespace plat::sdl
