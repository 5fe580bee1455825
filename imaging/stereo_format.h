#pragma once
// StereoFormat: the output format number of a composition. The numbers are
// stored in the settings, so they never change.
#include <cstdint>

enum StereoFormat : int32_t {
  kSideBySide = 0,
  kMirror = 1,
  kAnaglyph = 2,
  kColorAnaglyph = 3,
  kHalfColorAnaglyph = 4,
  kDuboisAnaglyph = 5,
  kYellowBlueAnaglyph = 6,
  kInterlaced = 7,
  kSharp3dLcd = 8,
  kDlpCheckerboard = 9,
  kColumnInterleave = 80,  // selected only by a stored setting; no menu entry
};

// True for the formats that place both eye images next to each other and
// so are twice as wide: 0, 1 and every negative number.
inline bool IsDoubleWidthFormat(int32_t format) { return format <= kMirror; }
