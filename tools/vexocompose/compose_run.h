#pragma once
// One run of vexocompose after its arguments are parsed: read the input,
// compose it as the live view composes a capture, write the output.
#include <string>

#include "tools/vexocompose/compose_options.h"

// Exit statuses.
constexpr int kExitDone = 0;
constexpr int kExitFailed = 1;    // out of memory, or the output cannot be written
constexpr int kExitBadInput = 2;  // bad arguments or a file that is not a usable image
constexpr int kExitNoFrame = 3;   // the shift leaves no picture

// Runs the composition and returns the exit status; for every status but
// kExitDone, *message is the one line to show.
int RunCompose(const ComposeOptions& options, std::string* message);
