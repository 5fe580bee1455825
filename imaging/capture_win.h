#pragma once
// Screen capture of the browser pane into a frame image.
#include "imaging/frame_image.h"

// Frees previous (the current output frame, or nullptr), copies what the
// screen shows over browserHostWindow, less the pane's 18 rightmost
// columns, into a new frame and composes it with the current shift, format
// and eye swap. Returns the new output frame, owned by the caller, or
// nullptr (a pane of 18 columns or less, an empty pair, no memory).
FrameImage* CaptureBrowserPane(FrameImage* previous);
