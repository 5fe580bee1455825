#pragma once
// The double-precision colour rules of the anaglyph formats, in the exact
// order of evaluation. Each product is an exact integer channel value times
// a double coefficient; every sum is rounded as IEEE double and then cut
// toward zero, so the order of the additions decides the last bit and with
// it the pixel. Do not reorder, fuse or factor these expressions.
#include <cstdint>

// Grey value: trunc((green * 0.587 + blue * 0.114) + red * 0.299).
constexpr double kGrayGreen = 0.587;
constexpr double kGrayBlue = 0.114;
constexpr double kGrayRed = 0.299;

// Dubois matrix, by output channel, each in the order its sum applies the
// terms. The sign of each term is written in the sum, not in the value.
constexpr double kDuboisRedLRed = 0.4561;
constexpr double kDuboisRedLBlue = 0.176381;
constexpr double kDuboisRedLGreen = 0.500484;
constexpr double kDuboisRedRRed = 0.0434706;
constexpr double kDuboisRedRGreen = 0.0879388;
constexpr double kDuboisRedRBlue = 0.00155529;

constexpr double kDuboisGreenRRed = 0.378476;
constexpr double kDuboisGreenLGreen = 0.0378246;
constexpr double kDuboisGreenLBlue = 0.0157589;
constexpr double kDuboisGreenLRed = 0.0400822;
constexpr double kDuboisGreenRGreen = 0.73364;
constexpr double kDuboisGreenRBlue = 0.0184503;

constexpr double kDuboisBlueRBlue = 1.2264;
constexpr double kDuboisBlueLGreen = 0.0205971;
constexpr double kDuboisBlueRGreen = 0.112961;
constexpr double kDuboisBlueRRed = 0.0721527;
constexpr double kDuboisBlueLRed = 0.0152161;
constexpr double kDuboisBlueLBlue = 0.00546856;

inline uint8_t GrayValue(double blue, double green, double red) {
  const double sum = (green * kGrayGreen + blue * kGrayBlue) + red * kGrayRed;
  return static_cast<uint8_t>(static_cast<int>(sum));  // always 0 to 255
}

inline double DuboisRedSum(double lr, double lg, double lb, double rr, double rg, double rb) {
  return ((((lr * kDuboisRedLRed + lb * kDuboisRedLBlue) + lg * kDuboisRedLGreen) -
           rr * kDuboisRedRRed) -
          rg * kDuboisRedRGreen) -
         rb * kDuboisRedRBlue;
}

inline double DuboisGreenSum(double lr, double lg, double lb, double rr, double rg, double rb) {
  return ((rr * kDuboisGreenRRed -
           ((lg * kDuboisGreenLGreen + lb * kDuboisGreenLBlue) + lr * kDuboisGreenLRed)) +
          rg * kDuboisGreenRGreen) -
         rb * kDuboisGreenRBlue;
}

inline double DuboisBlueSum(double lr, double lg, double lb, double rr, double rg, double rb) {
  return rb * kDuboisBlueRBlue -
         ((((lg * kDuboisBlueLGreen + rg * kDuboisBlueRGreen) + rr * kDuboisBlueRRed) +
           lr * kDuboisBlueLRed) +
          lb * kDuboisBlueLBlue);
}

// Cut toward zero, then clamp to 0..255. The sums of the Dubois matrix lie
// well inside the int range for 8-bit inputs.
inline uint8_t ClampChannel(double sum) {
  const int value = static_cast<int>(sum);
  return static_cast<uint8_t>(value < 0 ? 0 : (value > 255 ? 255 : value));
}

inline void DuboisValue(const uint8_t* left, const uint8_t* right, uint8_t* out) {
  const double lb = left[0], lg = left[1], lr = left[2];
  const double rb = right[0], rg = right[1], rr = right[2];
  out[0] = ClampChannel(DuboisBlueSum(lr, lg, lb, rr, rg, rb));
  out[1] = ClampChannel(DuboisGreenSum(lr, lg, lb, rr, rg, rb));
  out[2] = ClampChannel(DuboisRedSum(lr, lg, lb, rr, rg, rb));
}
