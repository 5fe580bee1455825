#pragma once
// Small helpers for building and reading frame images in tests.
#include <cstdint>
#include <functional>
#include <ostream>

#include "imaging/frame_image.h"

struct Rgb {
  uint8_t red, green, blue;
  bool operator==(const Rgb& o) const {
    return red == o.red && green == o.green && blue == o.blue;
  }
  bool operator!=(const Rgb& o) const { return !(*this == o); }
};

inline std::ostream& operator<<(std::ostream& out, const Rgb& p) {
  return out << "(" << int(p.red) << "," << int(p.green) << "," << int(p.blue) << ")";
}

inline Rgb PixelAt(const FrameImage* frame, int x, int y) {
  const uint8_t* p =
      FramePixels(frame) + FrameRowStride(FrameWidth(frame)) * y + 3 * static_cast<int64_t>(x);
  return Rgb{p[2], p[1], p[0]};
}

inline void SetPixel(FrameImage* frame, int x, int y, Rgb c) {
  uint8_t* p =
      FramePixels(frame) + FrameRowStride(FrameWidth(frame)) * y + 3 * static_cast<int64_t>(x);
  p[0] = c.blue;
  p[1] = c.green;
  p[2] = c.red;
}

// A frame whose pixel (x, y) (y from the bottom) is paint(x, y).
inline UniqueFrame MakeFrame(int width, int height, const std::function<Rgb(int, int)>& paint) {
  UniqueFrame frame(CreateFrameImage(width, height));
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) SetPixel(frame.get(), x, y, paint(x, y));
  return frame;
}

// A pixel that tells where it came from: red = column, green = row,
// blue = a tag per half (so left, right and shifted reads differ).
inline Rgb Tagged(int x, int y) {
  return Rgb{static_cast<uint8_t>(x * 7 + 3), static_cast<uint8_t>(y * 11 + 5),
             static_cast<uint8_t>((x * 13 + y * 17) ^ 0x5A)};
}
