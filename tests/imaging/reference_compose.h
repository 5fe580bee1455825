#pragma once
// An independent, pixel-by-pixel statement of every format rule, used as
// the oracle for the kernels. It follows the rules literally (one output
// pixel at a time, doubles evaluated as written) and is slow on purpose.
#include <cstdint>
#include <optional>
#include <vector>

#include "tests/imaging/frame_fixture.h"

struct ReferenceImage {
  int width = 0;
  int height = 0;
  std::vector<Rgb> pixels;  // row 0 first (bottom row)
  Rgb At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

namespace reference {

inline int Trunc(double v) { return static_cast<int>(v); }
inline uint8_t Clamp(int v) { return static_cast<uint8_t>(v < 0 ? 0 : v > 255 ? 255 : v); }

inline uint8_t Gray(Rgb p) {
  double sum = p.green * 0.587;
  sum = sum + p.blue * 0.114;
  sum = sum + p.red * 0.299;
  return static_cast<uint8_t>(Trunc(sum));
}

inline Rgb Dubois(Rgb l, Rgb r) {
  double red = l.red * 0.4561;
  red = red + l.blue * 0.176381;
  red = red + l.green * 0.500484;
  red = red - r.red * 0.0434706;
  red = red - r.green * 0.0879388;
  red = red - r.blue * 0.00155529;

  double leftPart = l.green * 0.0378246;
  leftPart = leftPart + l.blue * 0.0157589;
  leftPart = leftPart + l.red * 0.0400822;
  double green = r.red * 0.378476 - leftPart;
  green = green + r.green * 0.73364;
  green = green - r.blue * 0.0184503;

  double rest = l.green * 0.0205971;
  rest = rest + r.green * 0.112961;
  rest = rest + r.red * 0.0721527;
  rest = rest + l.red * 0.0152161;
  rest = rest + l.blue * 0.00546856;
  double blue = r.blue * 1.2264 - rest;

  return Rgb{Clamp(Trunc(red)), Clamp(Trunc(green)), Clamp(Trunc(blue))};
}

inline Rgb Avg(Rgb a, Rgb b) {
  return Rgb{static_cast<uint8_t>((a.red + b.red) / 2),
             static_cast<uint8_t>((a.green + b.green) / 2),
             static_cast<uint8_t>((a.blue + b.blue) / 2)};
}

// The composition of a captured frame, or nothing where the viewer makes
// no output frame.
inline std::optional<ReferenceImage> Compose(const FrameImage* captured, int64_t dx, int64_t dy,
                                             int format, int swapEyes) {
  const int64_t W = FrameWidth(captured), H = FrameHeight(captured);
  auto clamp = [](int64_t shift, int64_t size) {
    if (shift != 0 && (shift < 0 ? -shift : shift) > size - 10)
      return (shift < 0 ? -1 : 1) * (size - 10);
    return shift;
  };
  dx = clamp(dx, W);
  dy = clamp(dy, H);
  const int64_t posX = dx > 0 ? dx : 0, negX = dx < 0 ? -dx : 0;
  const int64_t posY = dy > 0 ? dy : 0, negY = dy < 0 ? -dy : 0;
  const int64_t half = W / 2;
  const int64_t eyeWidth = half - posX - negX;
  const int64_t outHeight = H - posY - negY;
  if (eyeWidth < 1 || outHeight < 0) return std::nullopt;
  const int64_t leftCol = swapEyes == 0 ? negX : half + posX;
  const int64_t rightCol = swapEyes == 0 ? half + posX : negX;
  const int64_t leftRow = negY, rightRow = posY;
  auto L = [&](int64_t x, int64_t y) {
    return PixelAt(captured, static_cast<int>(leftCol + x), static_cast<int>(leftRow + y));
  };
  auto R = [&](int64_t x, int64_t y) {
    return PixelAt(captured, static_cast<int>(rightCol + x), static_cast<int>(rightRow + y));
  };

  ReferenceImage out;
  const bool doubleWidth = format <= 1;
  out.width = static_cast<int>(doubleWidth ? 2 * eyeWidth : eyeWidth);
  out.height = static_cast<int>(outHeight);
  out.pixels.assign(static_cast<size_t>(out.width) * out.height, Rgb{0, 0, 0});
  auto O = [&](int64_t x, int64_t y) -> Rgb& {
    return out.pixels[static_cast<size_t>(y * out.width + x)];
  };
  const int64_t w = eyeWidth, h = outHeight;
  for (int64_t y = 0; y < h; ++y) {
    for (int64_t x = 0; x < w; ++x) {
      const Rgb l = L(x, y), r = R(x, y);
      switch (format) {
        case 0: O(x, y) = l; O(w + x, y) = r; break;
        case 1: O(w - 1 - x, y) = l; O(w + x, y) = r; break;
        case 2: O(x, y) = Rgb{Gray(l), Gray(r), Gray(r)}; break;
        case 3: O(x, y) = Rgb{l.red, r.green, r.blue}; break;
        case 4: O(x, y) = Rgb{Gray(l), r.green, r.blue}; break;
        case 5: O(x, y) = Dubois(l, r); break;
        case 6: O(x, y) = Rgb{l.red, l.green, r.blue}; break;
        case 7: {
          const int64_t highestOdd = h % 2 == 0 ? h - 1 : h - 2;
          if (y % 2 == 0) {
            O(x, y) = (y == h - 1) ? l : Avg(l, L(x, y + 1));
          } else {
            O(x, y) = (y == highestOdd) ? r : Avg(r, R(x, y + 1));
          }
          break;
        }
        case 8: {
          if (x % 2 == 0 && x + 1 < w) {
            uint8_t greenBefore = 0;
            if (x >= 2) {
              greenBefore = R(x - 2, y).green;
            } else if (posX > 0 && rightCol - 2 >= 0) {
              greenBefore = PixelAt(captured, static_cast<int>(rightCol - 2),
                                    static_cast<int>(rightRow + y)).green;
            }
            O(x, y) = Rgb{l.red, greenBefore, l.blue};
            O(x + 1, y) = Rgb{r.red, l.green, r.blue};
          }
          break;
        }
        case 9: {
          const int64_t eyeRow = y - (y % 2);
          O(x, y) = (x + y) % 2 == 0 ? L(x, eyeRow) : R(x, eyeRow);
          break;
        }
        case 80: {
          const int64_t highestOdd = w % 2 == 0 ? w - 1 : w - 2;
          if (x % 2 == 0) {
            O(x, y) = (x == w - 1) ? l : Avg(l, L(x + 1, y));
          } else {
            O(x, y) = (x == highestOdd) ? r : Avg(r, R(x + 1, y));
          }
          break;
        }
        default: break;
      }
    }
  }
  return out;
}

}  // namespace reference

inline ReferenceImage ToReference(const FrameImage* frame) {
  ReferenceImage image;
  image.width = FrameWidth(frame);
  image.height = FrameHeight(frame);
  for (int y = 0; y < image.height; ++y)
    for (int x = 0; x < image.width; ++x) image.pixels.push_back(PixelAt(frame, x, y));
  return image;
}
