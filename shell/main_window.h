#pragma once
// The main window's layout rules: the two panes and the shift rescaling.
#include <cstdint>

struct PaneRect {
  int32_t x;
  int32_t y;
  int32_t width;
  int32_t height;
};

struct PaneLayout {
  PaneRect view;     // upper half: the stereo view window
  PaneRect browser;  // lower half: the browser pane
};

// Splits a client area of width w and height h: the view window gets the
// upper h/2 rows, the browser pane the h/2 rows below them (an odd height
// leaves the bottom row to the main window's background).
PaneLayout SplitClientArea(int32_t w, int32_t h);

// The horizontal shift after a resize to client width w: (w * shiftX) /
// viewWidth truncated toward zero, only when shiftX is not 0 and viewWidth
// is above 100; otherwise shiftX unchanged. Computed in 64 bits and clamped
// to the 32-bit range, so no input overflows.
int32_t RescaledShift(int32_t shiftX, int32_t w, int32_t viewWidth);
