// Every capture size from 0 x 0 to 40 x 24, a spread of shifts up to the
// extreme 32-bit values, every format and some numbers without a rule, both
// eye orders: the output equals the pixel-by-pixel statement of the rules,
// nothing is read or written outside a frame (the sanitizers watch that),
// and the captured frame is always freed (the leak checker watches that).
#include <gtest/gtest.h>

#include <climits>

#include "imaging/simd_rows.h"
#include "imaging/stereo_compose.h"
#include "tests/imaging/frame_fixture.h"
#include "tests/imaging/reference_compose.h"

namespace {

struct FormatCase {
  const char* name;
  int format;
};

class ComposePropertyTest : public testing::TestWithParam<FormatCase> {};

TEST_P(ComposePropertyTest, MatchesTheRulesForEverySizeAndShift) {
  const int format = GetParam().format;
  for (int width = 0; width <= 40; ++width) {
    for (int height = 0; height <= 24; ++height) {
      const int32_t dxs[] = {0, 1, -1, 4, -7, width / 2, -(width / 2), width - 10, 10 - width,
                             INT_MIN, INT_MAX};
      const int32_t dys[] = {0, 3, -2, height - 10, INT_MIN, INT_MAX};
      for (int32_t dx : dxs) {
        for (int32_t dy : dys) {
          for (int swap = 0; swap < 2; ++swap) {
            UniqueFrame captured = width > 0 ? MakeFrame(width, height, Tagged) : nullptr;
            const auto expected = reference::Compose(captured.get(), dx, dy, format, swap);
            UniqueFrame out(ComposeCaptured(captured.release(), dx, dy, format, swap));
            const char* what = "";
            if (!expected) {
              if (out != nullptr) what = "unexpected frame";
            } else if (out == nullptr) {
              what = "missing frame";
            } else if (!(ToReference(out.get()).pixels == expected->pixels) ||
                       FrameWidth(out.get()) != expected->width ||
                       FrameHeight(out.get()) != expected->height) {
              what = "pixels differ";
            }
            ASSERT_STREQ(what, "") << width << "x" << height << " dx " << dx << " dy " << dy
                                   << " swap " << swap;
          }
        }
      }
    }
  }
}

const FormatCase kFormats[] = {
    {"side_by_side", 0}, {"mirror", 1},      {"anaglyph", 2},     {"color", 3},
    {"half_color", 4},   {"dubois", 5},      {"yellow_blue", 6},  {"interlaced", 7},
    {"sharp_lcd", 8},    {"dlp", 9},         {"columns", 80},     {"none_10", 10},
    {"none_minus_1", -1}, {"none_int_min", INT_MIN}, {"none_int_max", INT_MAX},
};
INSTANTIATE_TEST_SUITE_P(Formats, ComposePropertyTest, testing::ValuesIn(kFormats),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace

namespace {

// Wide rows reach the vector paths' full blocks (up to 96 bytes) and their
// tails; both the vector and the plain paths must give the rules' pixels.
TEST_P(ComposePropertyTest, WideRowsMatchTheRulesOnEveryPath) {
  const int format = GetParam().format;
  for (bool vector : {true, false}) {
    const bool was = UseVectorRows(vector);
    for (int width : {64, 97, 130, 203, 333, 401}) {
      for (int height : {11, 12}) {
        for (int32_t dx : {0, 3, -5, 17}) {
          for (int swap = 0; swap < 2; ++swap) {
            UniqueFrame captured = MakeFrame(width, height, [](int x, int y) {
              return Rgb{static_cast<uint8_t>(x * 37 + y * 101), static_cast<uint8_t>(x * 59 ^ y),
                         static_cast<uint8_t>(x * x + 7 * y)};
            });
            const auto expected = reference::Compose(captured.get(), dx, 1, format, swap);
            UniqueFrame out(ComposeCaptured(captured.release(), dx, 1, format, swap));
            ASSERT_TRUE(expected.has_value());
            ASSERT_NE(out, nullptr);
            ASSERT_TRUE(ToReference(out.get()).pixels == expected->pixels)
                << width << "x" << height << " dx " << dx << " swap " << swap << " vector "
                << vector;
          }
        }
      }
    }
    UseVectorRows(was);
  }
}

}  // namespace
