#include <gtest/gtest.h>

#include <climits>

#include "imaging/stereo_compose.h"
#include "tests/imaging/frame_fixture.h"

namespace {

struct ShiftCase {
  const char* name;
  uint16_t width, height;
  int32_t dx, dy;
  PairOffsets expected;  // posX, posY, negX, negY
};

class SplitShiftTest : public testing::TestWithParam<ShiftCase> {};

TEST_P(SplitShiftTest, ClampsAndSplitsBySign) {
  const ShiftCase& c = GetParam();
  const PairOffsets o = SplitShift(c.width, c.height, c.dx, c.dy);
  EXPECT_EQ(o.posX, c.expected.posX);
  EXPECT_EQ(o.posY, c.expected.posY);
  EXPECT_EQ(o.negX, c.expected.negX);
  EXPECT_EQ(o.negY, c.expected.negY);
}

const ShiftCase kShiftCases[] = {
    {"no_shift", 1000, 600, 0, 0, {0, 0, 0, 0}},
    {"right_30", 1000, 600, 30, 0, {30, 0, 0, 0}},
    {"left_30", 1000, 600, -30, 0, {0, 0, 30, 0}},
    {"up_5", 1000, 600, 0, 5, {0, 5, 0, 0}},
    {"down_5", 1000, 600, 0, -5, {0, 0, 0, 5}},
    // The limit is W - 10, taken from the whole width; equal is kept.
    {"x_995_clamped", 1000, 600, 995, 0, {990, 0, 0, 0}},
    {"x_990_kept", 1000, 600, 990, 0, {990, 0, 0, 0}},
    {"x_minus_2000", 1000, 600, -2000, 0, {0, 0, 990, 0}},
    {"y_700_clamped", 1000, 600, 0, 700, {0, 590, 0, 0}},
    // Below 10 pixels the limit is negative and flips the shift.
    {"w8_x1_flips", 8, 600, 1, 0, {0, 0, 2, 0}},
    {"w8_x_minus_1_flips", 8, 600, -1, 0, {2, 0, 0, 0}},
    {"h3_y1_flips", 1000, 3, 0, 1, {0, 0, 0, 7}},
    {"w0_x0_stays", 0, 0, 0, 0, {0, 0, 0, 0}},
    {"int_min", 1000, 600, INT_MIN, INT_MIN, {0, 0, 990, 590}},
    {"int_max", 1000, 600, INT_MAX, INT_MAX, {990, 590, 0, 0}},
    {"int_min_tiny", 1, 1, INT_MIN, INT_MAX, {9, 0, 0, 9}},
};
INSTANTIATE_TEST_SUITE_P(Shifts, SplitShiftTest, testing::ValuesIn(kShiftCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct LayoutCase {
  const char* name;
  uint16_t width, height;
  int32_t dx, dy, format, swapEyes;
  PairLayout expected;  // half, eyeWidth, outHeight, outWidth, lCol, rCol, lRow, rRow
};

class LayoutPairTest : public testing::TestWithParam<LayoutCase> {};

TEST_P(LayoutPairTest, EyeImagesAndOutputSize) {
  const LayoutCase& c = GetParam();
  const PairLayout got =
      LayoutPair(c.width, c.height, SplitShift(c.width, c.height, c.dx, c.dy), c.format,
                 c.swapEyes);
  EXPECT_EQ(got.halfWidth, c.expected.halfWidth);
  EXPECT_EQ(got.eyeWidth, c.expected.eyeWidth);
  EXPECT_EQ(got.outHeight, c.expected.outHeight);
  EXPECT_EQ(got.outWidth, c.expected.outWidth);
  EXPECT_EQ(got.leftColumn, c.expected.leftColumn);
  EXPECT_EQ(got.rightColumn, c.expected.rightColumn);
  EXPECT_EQ(got.leftRow, c.expected.leftRow);
  EXPECT_EQ(got.rightRow, c.expected.rightRow);
}

const LayoutCase kLayoutCases[] = {
    {"plain", 1000, 600, 0, 0, 3, 0, {500, 500, 600, 500, 0, 500, 0, 0}},
    {"odd_width_drops_last_column", 1001, 600, 0, 0, 3, 0, {500, 500, 600, 500, 0, 500, 0, 0}},
    {"right_30", 1000, 600, 30, 0, 3, 0, {500, 470, 600, 470, 0, 530, 0, 0}},
    {"left_30", 1000, 600, -30, 0, 3, 0, {500, 470, 600, 470, 30, 500, 0, 0}},
    {"up_5", 1000, 600, 0, 5, 3, 0, {500, 500, 595, 500, 0, 500, 0, 5}},
    {"swapped_30_5", 1000, 600, 30, 5, 3, 1, {500, 470, 595, 470, 530, 0, 0, 5}},
    {"side_by_side_double", 1000, 600, 30, 0, 0, 0, {500, 470, 600, 940, 0, 530, 0, 0}},
    {"mirror_double", 1000, 600, 30, 0, 1, 0, {500, 470, 600, 940, 0, 530, 0, 0}},
    {"negative_format_double", 1000, 600, 0, 0, -1, 0, {500, 500, 600, 1000, 0, 500, 0, 0}},
    {"format_12_single", 1000, 600, 0, 0, 12, 0, {500, 500, 600, 500, 0, 500, 0, 0}},
    {"w2_one_pixel_eyes", 2, 600, 0, 0, 3, 0, {1, 1, 600, 1, 0, 1, 0, 0}},
    {"w3_one_pixel_eyes", 3, 600, 0, 0, 3, 0, {1, 1, 600, 1, 0, 1, 0, 0}},
};
INSTANTIATE_TEST_SUITE_P(Layouts, LayoutPairTest, testing::ValuesIn(kLayoutCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct NoOutputCase {
  const char* name;
  int width, height;
  int32_t dx, dy;
};

class NoOutputTest : public testing::TestWithParam<NoOutputCase> {};

// Shifts of half the width or more, a one-column capture, and negative
// heights from a vertical shift under 10 rows give no frame for any format.
TEST_P(NoOutputTest, NoFrameForAnyFormat) {
  const NoOutputCase& c = GetParam();
  for (int format : {-1, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 80}) {
    UniqueFrame captured(CreateFrameImage(c.width, c.height));
    ASSERT_NE(captured, nullptr);
    EXPECT_EQ(ComposeStereo(captured.get(), SplitShift(c.width, c.height, c.dx, c.dy), format, 0),
              nullptr)
        << "format " << format;
  }
}

const NoOutputCase kNoOutputCases[] = {
    {"shift_995_of_1000", 1000, 60, 995, 0},
    {"shift_500_of_1000", 1000, 60, 500, 0},
    {"shift_minus_500", 1000, 60, -500, 0},
    {"width_1", 1, 60, 0, 0},
    {"height_3_shift_1", 100, 3, 0, 1},
};
INSTANTIATE_TEST_SUITE_P(Captures, NoOutputTest, testing::ValuesIn(kNoOutputCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ComposeStereoTest, ZeroHeightOutputIsAnEmptyFrame) {
  // H = 5 with dy 1: the limit is -5, the shift becomes -5 and outHeight 0.
  UniqueFrame captured(CreateFrameImage(40, 5));
  UniqueFrame out(ComposeStereo(captured.get(), SplitShift(40, 5, 0, 1), 3, 0));
  ASSERT_NE(out, nullptr);
  EXPECT_EQ(FrameWidth(out.get()), 20);
  EXPECT_EQ(FrameHeight(out.get()), 0);
}

TEST(ComposeStereoTest, UnknownFormatsGiveBlackFramesOfTheTableSize) {
  UniqueFrame captured = MakeFrame(40, 6, [](int, int) { return Rgb{200, 150, 100}; });
  for (int format : {12, -1, 10, 79, 81, INT_MAX, INT_MIN}) {
    UniqueFrame out(ComposeStereo(captured.get(), SplitShift(40, 6, 0, 0), format, 0));
    ASSERT_NE(out, nullptr);
    EXPECT_EQ(FrameWidth(out.get()), format < 0 ? 40 : 20) << format;
    EXPECT_EQ(FrameHeight(out.get()), 6);
    for (int y = 0; y < 6; ++y)
      for (int x = 0; x < FrameWidth(out.get()); ++x)
        ASSERT_EQ(PixelAt(out.get(), x, y), (Rgb{0, 0, 0})) << format;
  }
}

TEST(ComposeStereoTest, InvalidOffsetsAndNoSourceGiveNothing) {
  UniqueFrame captured(CreateFrameImage(40, 6));
  EXPECT_EQ(ComposeStereo(nullptr, PairOffsets{}, 3, 0), nullptr);
  EXPECT_EQ(ComposeStereo(captured.get(), PairOffsets{-1, 0, 0, 0}, 3, 0), nullptr);
  EXPECT_EQ(ComposeStereo(captured.get(), PairOffsets{0, 0, INT_MAX, INT_MAX}, 3, 0), nullptr);
  EXPECT_EQ(ComposeCaptured(nullptr, 0, 0, 3, 0), nullptr);
}

TEST(ComposeStereoTest, EyeImagesAreWindowsIntoTheCapture) {
  // Side-by-side of a tagged capture shows exactly which columns and rows
  // each eye image starts at, with the eyes swapped and shifted.
  UniqueFrame captured = MakeFrame(30, 20, Tagged);
  UniqueFrame out(ComposeStereo(captured.get(), SplitShift(30, 20, 3, 2), 0, 1));
  ASSERT_NE(out, nullptr);
  ASSERT_EQ(FrameWidth(out.get()), 24);
  ASSERT_EQ(FrameHeight(out.get()), 18);
  EXPECT_EQ(PixelAt(out.get(), 0, 0), Tagged(18, 0));   // left eye: right half + posX
  EXPECT_EQ(PixelAt(out.get(), 11, 17), Tagged(29, 17));
  EXPECT_EQ(PixelAt(out.get(), 12, 0), Tagged(0, 2));   // right eye: rows from posY
  EXPECT_EQ(PixelAt(out.get(), 23, 17), Tagged(11, 19));
}

}  // namespace
