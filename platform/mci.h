// Multimedia command strings for MIDI music: one sequencer device opened under an alias.
//   open "<path>" type sequencer alias <name>
//   seek <name> to start
//   play <name> [notify]
//   status <name> mode          (answer: "playing" or "stopped")
//   stop <name>
//   close <name>
// "notify" on play asks for MM_MCINOTIFY in `notifyWindow`'s queue when the play ends: wParam
// MCI_NOTIFY_SUCCESSFUL at the end of the piece, MCI_NOTIFY_ABORTED when a seek, stop or close cuts it
// off, MCI_NOTIFY_SUPERSEDED when another play with notify replaces it. lParam is the device id.
// Returns 0 on success, else one of the error codes below (the answer is then empty).
#pragma once
#include <cstddef>
#include <cstdint>

#include "platform/win_types.h"

namespace plat {

enum MciError : std::uint32_t {
  MCIERR_UNRECOGNIZED_COMMAND = 261,
  MCIERR_HARDWARE = 262,
  MCIERR_INVALID_DEVICE_NAME = 263,
  MCIERR_FILE_NOT_FOUND = 275,
  MCIERR_MISSING_PARAMETER = 273,
  MCIERR_DUPLICATE_ALIAS = 289,
  MCIERR_INVALID_FILE = 296,
  MCIERR_PARAM_OVERFLOW = 266,
};

constexpr std::uint32_t kMciDeviceId = 1;

// Sees every command with its result and answer (the headless host records them).
using MciObserver = void (*)(const char* command, std::uint32_t result, const char* answer);
void SetMciObserver(MciObserver observer);

// Gets the sequencer ready ahead of the first open: makes its synthesizer now and loads the soundfont
// in the background. Without it the first open does this itself.
void PrepareSequencer();

std::uint32_t MciSendString(const char* command, char* answer, std::size_t answerSize, WindowHandle notifyWindow);

}  // namespace plat
