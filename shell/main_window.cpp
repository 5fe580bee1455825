#include "shell/main_window.h"

PaneLayout SplitClientArea(int32_t w, int32_t h) {
  const int32_t half = h / 2;
  return PaneLayout{{0, 0, w, half}, {0, half, w, half}};
}

int32_t RescaledShift(int32_t shiftX, int32_t w, int32_t viewWidth) {
  if (shiftX == 0 || viewWidth <= 100) {
    return shiftX;
  }
  // C++ division truncates toward zero, as the rule asks.
  const int64_t scaled = static_cast<int64_t>(w) * shiftX / viewWidth;
  if (scaled > INT32_MAX) {
    return INT32_MAX;
  }
  if (scaled < INT32_MIN) {
    return INT32_MIN;
  }
  return static_cast<int32_t>(scaled);
}
