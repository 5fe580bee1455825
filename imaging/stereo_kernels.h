#pragma once
// Pixel kernels of the stereo formats.
//
// Every kernel gets the output rows and the two eye images as row pointers
// with strides: dst, left and right point at pixel (0, 0) of their image
// (the bottom-left pixel; rows go up by adding the stride). Pixels are
// 3 bytes, blue, green, red. width and height are the eye image's size,
// both at least 1. A kernel reads only width x height pixels of each eye
// image and writes only the output rows' pixel bytes; it allocates nothing.
#include <cstddef>
#include <cstdint>

struct EyePair {
  const uint8_t* left;
  const uint8_t* right;
  ptrdiff_t stride;  // of the captured frame, shared by both eye images
};

struct OutRows {
  uint8_t* pixels;
  ptrdiff_t stride;
};

// The grey value of formats 2 and 4: trunc((g*0.587 + b*0.114) + r*0.299)
// in IEEE double precision, in that order.
uint8_t GrayOf(uint8_t blue, uint8_t green, uint8_t red);

// One Dubois output pixel (blue, green, red) from a left and a right pixel.
void DuboisPixel(const uint8_t* leftBgr, const uint8_t* rightBgr, uint8_t* outBgr);

void ComposeSideBySide(OutRows out, EyePair eyes, int32_t width, int32_t height);
void ComposeMirror(OutRows out, EyePair eyes, int32_t width, int32_t height);
void ComposeAnaglyph(OutRows out, EyePair eyes, int32_t width, int32_t height);
void ComposeColorAnaglyph(OutRows out, EyePair eyes, int32_t width, int32_t height);
void ComposeHalfColorAnaglyph(OutRows out, EyePair eyes, int32_t width, int32_t height);
void ComposeDuboisAnaglyph(OutRows out, EyePair eyes, int32_t width, int32_t height);
void ComposeYellowBlueAnaglyph(OutRows out, EyePair eyes, int32_t width, int32_t height);
void ComposeInterlaced(OutRows out, EyePair eyes, int32_t width, int32_t height);
// rightBeforeStart: the captured pixel two columns left of the right-eye
// image on its row 0 (same stride), or nullptr when its green reads as 0.
void ComposeSharp3dLcd(OutRows out, EyePair eyes, int32_t width, int32_t height,
                       const uint8_t* rightBeforeStart);
void ComposeDlpCheckerboard(OutRows out, EyePair eyes, int32_t width, int32_t height);
void ComposeColumnInterleave(OutRows out, EyePair eyes, int32_t width, int32_t height);
