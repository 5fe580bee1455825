#include "shell/main_window.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

struct RescaleCase {
  const char* name;
  int32_t shiftX;
  int32_t w;
  int32_t viewWidth;
  int32_t expected;
};

class RescaledShiftTest : public testing::TestWithParam<RescaleCase> {};

TEST_P(RescaledShiftTest, KeepsTheShiftProportionalToThePane) {
  const RescaleCase& c = GetParam();
  EXPECT_EQ(RescaledShift(c.shiftX, c.w, c.viewWidth), c.expected);
}

const RescaleCase kRescaleCases[] = {
    {"Wider", 25, 1200, 1000, 30},
    // -3.5 truncates toward zero.
    {"NarrowerNegative", -7, 500, 1000, -3},
    {"PositiveTruncates", 7, 500, 1000, 3},
    {"ViewWidth100Unchanged", 25, 1200, 100, 25},
    {"ViewWidthZeroUnchanged", 25, 1200, 0, 25},
    {"ViewWidthNegativeUnchanged", 25, 1200, -5000, 25},
    {"ViewWidth101Scales", 101, 202, 101, 202},
    {"ShiftZeroUnchanged", 0, 1200, 1000, 0},
    // Minimising sends 0 x 0.
    {"MinimisedToZero", 25, 0, 1000, 0},
    {"MinimisedNegativeToZero", -25, 0, 1000, 0},
    // The low word of WM_SIZE reaches 65535; the product needs 64 bits.
    {"LargeShiftWideWindow", INT32_MAX, 65535, 1000, INT32_MAX},
    {"SmallestShiftWideWindow", INT32_MIN, 65535, 1000, INT32_MIN},
    {"ProductBeyond32BitsFits", 40000, 65535, 60000, 43690},
    {"ExtremeShiftSameWidth", INT32_MIN, 1000, 1000, INT32_MIN},
    {"ExtremeViewWidth", INT32_MAX, 1, INT32_MAX, 1},
};
INSTANTIATE_TEST_SUITE_P(Sizes, RescaledShiftTest, testing::ValuesIn(kRescaleCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct SplitCase {
  const char* name;
  int32_t w;
  int32_t h;
  int32_t half;
};

class SplitClientAreaTest : public testing::TestWithParam<SplitCase> {};

TEST_P(SplitClientAreaTest, ViewAboveBrowserHalfEach) {
  const SplitCase& c = GetParam();
  const PaneLayout layout = SplitClientArea(c.w, c.h);
  EXPECT_EQ(layout.view.x, 0);
  EXPECT_EQ(layout.view.y, 0);
  EXPECT_EQ(layout.view.width, c.w);
  EXPECT_EQ(layout.view.height, c.half);
  EXPECT_EQ(layout.browser.x, 0);
  EXPECT_EQ(layout.browser.y, c.half);
  EXPECT_EQ(layout.browser.width, c.w);
  EXPECT_EQ(layout.browser.height, c.half);
}

const SplitCase kSplitCases[] = {
    {"EvenHeight", 1280, 1000, 500},
    // The bottom row stays uncovered.
    {"OddHeight", 1280, 1001, 500},
    {"Minimised", 0, 0, 0},
    {"OneRow", 640, 1, 0},
    {"Largest", 65535, 65535, 32767},
};
INSTANTIATE_TEST_SUITE_P(Sizes, SplitClientAreaTest, testing::ValuesIn(kSplitCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
