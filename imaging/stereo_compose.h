#pragma once
// Stereo pair geometry and the composition driver.
//
// The captured frame shows the left-eye view in its left half and the
// right-eye view in its right half. SplitShift limits the user's parallax
// shift to the captured size; PairLayout turns it into the two eye images,
// which are windows into the captured frame (never copies); ComposeStereo
// builds the output frame by the rule of the format.
#include <cstdint>

#include "imaging/frame_image.h"

// The clamped shift split by sign; each field is 0 or positive, and at most
// one of posX/negX and one of posY/negY is non-zero.
struct PairOffsets {
  int32_t posX;
  int32_t posY;
  int32_t negX;
  int32_t negY;
};

// Everything one composition needs, worked out once. Columns count from the
// left and rows from the bottom of the captured frame.
struct PairLayout {
  int32_t halfWidth;
  int32_t eyeWidth;   // below 1: nothing is composed
  int32_t outHeight;  // below 0: nothing is composed; 0: an empty frame
  int32_t outWidth;
  int32_t leftColumn;
  int32_t rightColumn;
  int32_t leftRow;
  int32_t rightRow;
};

// Clamps dx to |W - 10| and dy to |H - 10| (keeping the sign rules of the
// viewer: a negative limit flips a small shift) and splits them by sign.
// Any 32-bit shift is accepted.
PairOffsets SplitShift(uint16_t width, uint16_t height, int32_t dx, int32_t dy);

PairLayout LayoutPair(uint16_t width, uint16_t height, PairOffsets offsets, int32_t format,
                      int32_t swapEyes);

// A new output frame owned by the caller, or nullptr when there is no
// source, the eye images are empty or the output cannot be allocated.
// Format numbers without a rule give a black frame of the table's size.
FrameImage* ComposeStereo(const FrameImage* source, PairOffsets offsets, int32_t format,
                          int32_t swapEyes);

// Splits the shift, composes, and frees the captured frame in every case.
FrameImage* ComposeCaptured(FrameImage* captured, int32_t dx, int32_t dy, int32_t format,
                            int32_t swapEyes);
