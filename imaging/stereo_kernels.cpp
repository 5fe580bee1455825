#include "imaging/stereo_kernels.h"

#include <cstring>

#include "imaging/colour_rules.h"
#include "imaging/simd_rows.h"

namespace {

constexpr int kGreen = 1;

const uint8_t* Row(const uint8_t* base, ptrdiff_t stride, int32_t y) { return base + stride * y; }
uint8_t* Row(uint8_t* base, ptrdiff_t stride, int32_t y) { return base + stride * y; }

void CopyPixel(uint8_t* dst, const uint8_t* src) {
  dst[0] = src[0];
  dst[1] = src[1];
  dst[2] = src[2];
}

// Byte masks of the formats that pick each channel from one eye: 0xFF takes
// the byte from the left eye, 0 from the right eye. 48 bytes are 16 pixels,
// a whole number of every period used here (3 and 6 bytes).
struct PickMask {
  uint8_t bytes[kPickPeriod];
};

PickMask MaskOfPixelPattern(const bool leftChannel[], int periodBytes) {
  PickMask mask{};
  for (int i = 0; i < kPickPeriod; ++i) mask.bytes[i] = leftChannel[i % periodBytes] ? 0xFF : 0;
  return mask;
}

void PickRows(OutRows out, const uint8_t* left, const uint8_t* right, ptrdiff_t stride,
              int32_t width, int32_t height, const PickMask& mask) {
  const size_t bytes = static_cast<size_t>(width) * 3;
  for (int32_t y = 0; y < height; ++y) {
    PickRow(Row(out.pixels, out.stride, y), Row(left, stride, y), Row(right, stride, y), bytes,
            mask.bytes);
  }
}

}  // namespace

uint8_t GrayOf(uint8_t blue, uint8_t green, uint8_t red) { return GrayValue(blue, green, red); }

void DuboisPixel(const uint8_t* leftBgr, const uint8_t* rightBgr, uint8_t* outBgr) {
  DuboisValue(leftBgr, rightBgr, outBgr);
}

void ComposeSideBySide(OutRows out, EyePair eyes, int32_t width, int32_t height) {
  const size_t bytes = static_cast<size_t>(width) * 3;
  for (int32_t y = 0; y < height; ++y) {
    uint8_t* dst = Row(out.pixels, out.stride, y);
    std::memcpy(dst, Row(eyes.left, eyes.stride, y), bytes);
    std::memcpy(dst + bytes, Row(eyes.right, eyes.stride, y), bytes);
  }
}

void ComposeMirror(OutRows out, EyePair eyes, int32_t width, int32_t height) {
  const size_t bytes = static_cast<size_t>(width) * 3;
  for (int32_t y = 0; y < height; ++y) {
    uint8_t* dst = Row(out.pixels, out.stride, y);
    MirrorRow(dst, Row(eyes.left, eyes.stride, y), width);
    std::memcpy(dst + bytes, Row(eyes.right, eyes.stride, y), bytes);
  }
}

void ComposeAnaglyph(OutRows out, EyePair eyes, int32_t width, int32_t height) {
  for (int32_t y = 0; y < height; ++y) {
    AnaglyphRow(Row(out.pixels, out.stride, y), Row(eyes.left, eyes.stride, y),
                Row(eyes.right, eyes.stride, y), width);
  }
}

void ComposeColorAnaglyph(OutRows out, EyePair eyes, int32_t width, int32_t height) {
  // Red from the left eye, green and blue from the right eye.
  static const bool kLeft[3] = {false, false, true};
  static const PickMask kMask = MaskOfPixelPattern(kLeft, 3);
  PickRows(out, eyes.left, eyes.right, eyes.stride, width, height, kMask);
}

void ComposeHalfColorAnaglyph(OutRows out, EyePair eyes, int32_t width, int32_t height) {
  for (int32_t y = 0; y < height; ++y) {
    HalfColorAnaglyphRow(Row(out.pixels, out.stride, y), Row(eyes.left, eyes.stride, y),
                         Row(eyes.right, eyes.stride, y), width);
  }
}

void ComposeDuboisAnaglyph(OutRows out, EyePair eyes, int32_t width, int32_t height) {
  for (int32_t y = 0; y < height; ++y) {
    DuboisRow(Row(out.pixels, out.stride, y), Row(eyes.left, eyes.stride, y),
              Row(eyes.right, eyes.stride, y), width);
  }
}

void ComposeYellowBlueAnaglyph(OutRows out, EyePair eyes, int32_t width, int32_t height) {
  // Red and green from the left eye, blue from the right eye.
  static const bool kLeft[3] = {false, true, true};
  static const PickMask kMask = MaskOfPixelPattern(kLeft, 3);
  PickRows(out, eyes.left, eyes.right, eyes.stride, width, height, kMask);
}

void ComposeInterlaced(OutRows out, EyePair eyes, int32_t width, int32_t height) {
  // Even rows from the left eye, odd rows from the right eye, each averaged
  // with the row above it in its own eye image. The highest odd row and the
  // top row of an odd height are copied: an odd row never reaches past the
  // highest odd row, and the single row of a one-row output is the left
  // eye's row 0.
  const size_t bytes = static_cast<size_t>(width) * 3;
  const int32_t highestOdd = (height % 2 == 0) ? height - 1 : height - 2;
  for (int32_t y = 0; y < height; ++y) {
    const uint8_t* eye = (y % 2 == 0) ? eyes.left : eyes.right;
    const uint8_t* row = Row(eye, eyes.stride, y);
    uint8_t* dst = Row(out.pixels, out.stride, y);
    const bool copy = (y % 2 == 0) ? (y + 1 >= height) : (y == highestOdd);
    if (copy) {
      std::memcpy(dst, row, bytes);
    } else {
      AverageRows(dst, row, row + eyes.stride, bytes);
    }
  }
}

void ComposeSharp3dLcd(OutRows out, EyePair eyes, int32_t width, int32_t height,
                       const uint8_t* rightBeforeStart) {
  // Channels alternate between the eyes across each row: for the pair
  // (x, x + 1) the output takes L.red, R(x - 2).green, L.blue and then
  // R.red, L.green, R.blue, all from column x. An odd last column stays black.
  for (int32_t y = 0; y < height; ++y) {
    const uint8_t firstGreen = rightBeforeStart ? Row(rightBeforeStart, eyes.stride, y)[kGreen] : 0;
    Sharp3dLcdRow(Row(out.pixels, out.stride, y), Row(eyes.left, eyes.stride, y),
                  Row(eyes.right, eyes.stride, y), width, firstGreen);
  }
}

void ComposeDlpCheckerboard(OutRows out, EyePair eyes, int32_t width, int32_t height) {
  // Checkerboard over row pairs: both rows of a pair read the eye images'
  // even row; the bottom-left pixel is a left-eye pixel.
  static const bool kEvenRow[6] = {true, true, true, false, false, false};
  static const bool kOddRow[6] = {false, false, false, true, true, true};
  static const PickMask kEvenMask = MaskOfPixelPattern(kEvenRow, 6);
  static const PickMask kOddMask = MaskOfPixelPattern(kOddRow, 6);
  const size_t bytes = static_cast<size_t>(width) * 3;
  for (int32_t y = 0; y < height; ++y) {
    const int32_t eyeRow = y - (y % 2);
    PickRow(Row(out.pixels, out.stride, y), Row(eyes.left, eyes.stride, eyeRow),
            Row(eyes.right, eyes.stride, eyeRow), bytes,
            (y % 2 == 0) ? kEvenMask.bytes : kOddMask.bytes);
  }
}

void ComposeColumnInterleave(OutRows out, EyePair eyes, int32_t width, int32_t height) {
  // Format 7 turned on its side: even columns from the left eye, odd columns
  // from the right eye, each averaged with its right-hand neighbour. Columns
  // below `averaged` read their neighbour; the highest odd column is copied
  // from R and the last column of an odd width from L.
  const int32_t averaged = (width % 2 == 0) ? width - 1 : width - 2;
  static const bool kEvenColumn[6] = {true, true, true, false, false, false};
  static const PickMask kMask = MaskOfPixelPattern(kEvenColumn, 6);
  for (int32_t y = 0; y < height; ++y) {
    const uint8_t* left = Row(eyes.left, eyes.stride, y);
    const uint8_t* right = Row(eyes.right, eyes.stride, y);
    uint8_t* dst = Row(out.pixels, out.stride, y);
    if (averaged > 0) {
      AverageNeighbourPick(dst, left, right, static_cast<size_t>(averaged) * 3, kMask.bytes);
    }
    for (int32_t x = averaged < 0 ? 0 : averaged; x < width; ++x) {
      CopyPixel(dst + 3 * x, ((x % 2 == 0) ? left : right) + 3 * x);
    }
  }
}
