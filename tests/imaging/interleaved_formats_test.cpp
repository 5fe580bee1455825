#include <gtest/gtest.h>

#include "imaging/stereo_compose.h"
#include "imaging/stereo_format.h"
#include "tests/imaging/frame_fixture.h"

namespace {

Rgb Avg(Rgb a, Rgb b) {
  return Rgb{static_cast<uint8_t>((a.red + b.red) / 2),
             static_cast<uint8_t>((a.green + b.green) / 2),
             static_cast<uint8_t>((a.blue + b.blue) / 2)};
}

// A capture of two eyes of eyeWidth x height, left half tagged per pixel,
// right half tagged differently, composed unshifted in format.
struct Composed {
  UniqueFrame captured, out;
  int eyeWidth;
  Rgb L(int x, int y) const { return PixelAt(captured.get(), x, y); }
  Rgb R(int x, int y) const { return PixelAt(captured.get(), eyeWidth + x, y); }
  Rgb O(int x, int y) const { return PixelAt(out.get(), x, y); }
};

Composed ComposeEyes(int eyeWidth, int height, int format) {
  Composed c;
  c.eyeWidth = eyeWidth;
  c.captured = MakeFrame(2 * eyeWidth, height, Tagged);
  c.out.reset(ComposeStereo(c.captured.get(), SplitShift(2 * eyeWidth, height, 0, 0), format, 0));
  EXPECT_NE(c.out, nullptr);
  EXPECT_EQ(FrameWidth(c.out.get()), eyeWidth);
  EXPECT_EQ(FrameHeight(c.out.get()), height);
  return c;
}

// Which source each output row of format 7 has, for one height.
enum RowRule { kAvgL, kAvgR, kCopyL, kCopyR };
struct InterlaceCase {
  const char* name;
  int height;
  std::vector<RowRule> rows;  // row 0 (bottom) first
};

class InterlacedTest : public testing::TestWithParam<InterlaceCase> {};

TEST_P(InterlacedTest, RowsAlternateAndAverageUpward) {
  const InterlaceCase& c = GetParam();
  Composed r = ComposeEyes(3, c.height, kInterlaced);
  for (int y = 0; y < c.height; ++y) {
    for (int x = 0; x < 3; ++x) {
      Rgb expected;
      switch (c.rows[y]) {
        case kAvgL: expected = Avg(r.L(x, y), r.L(x, y + 1)); break;
        case kAvgR: expected = Avg(r.R(x, y), r.R(x, y + 1)); break;
        case kCopyL: expected = r.L(x, y); break;
        case kCopyR: expected = r.R(x, y); break;
      }
      EXPECT_EQ(r.O(x, y), expected) << "row " << y << " column " << x;
    }
  }
}

const InterlaceCase kInterlaceCases[] = {
    {"h1_copies_left", 1, {kCopyL}},
    {"h2", 2, {kAvgL, kCopyR}},
    {"h3", 3, {kAvgL, kCopyR, kCopyL}},
    {"h8", 8, {kAvgL, kAvgR, kAvgL, kAvgR, kAvgL, kAvgR, kAvgL, kCopyR}},
    // Row 7 is the highest odd row: copied, not averaged with R row 8.
    {"h9", 9, {kAvgL, kAvgR, kAvgL, kAvgR, kAvgL, kAvgR, kAvgL, kCopyR, kCopyL}},
};
INSTANTIATE_TEST_SUITE_P(Heights, InterlacedTest, testing::ValuesIn(kInterlaceCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct ColumnCase {
  const char* name;
  int width;
  std::vector<RowRule> columns;  // column 0 first
};

class ColumnInterleaveTest : public testing::TestWithParam<ColumnCase> {};

TEST_P(ColumnInterleaveTest, ColumnsAlternateAndAverageRightward) {
  const ColumnCase& c = GetParam();
  Composed r = ComposeEyes(c.width, 2, kColumnInterleave);
  for (int y = 0; y < 2; ++y) {
    for (int x = 0; x < c.width; ++x) {
      Rgb expected;
      switch (c.columns[x]) {
        case kAvgL: expected = Avg(r.L(x, y), r.L(x + 1, y)); break;
        case kAvgR: expected = Avg(r.R(x, y), r.R(x + 1, y)); break;
        case kCopyL: expected = r.L(x, y); break;
        case kCopyR: expected = r.R(x, y); break;
      }
      EXPECT_EQ(r.O(x, y), expected) << "row " << y << " column " << x;
    }
  }
}

const ColumnCase kColumnCases[] = {
    {"w1_copies_left", 1, {kCopyL}},
    {"w2", 2, {kAvgL, kCopyR}},
    {"w3", 3, {kAvgL, kCopyR, kCopyL}},
    {"w8", 8, {kAvgL, kAvgR, kAvgL, kAvgR, kAvgL, kAvgR, kAvgL, kCopyR}},
    {"w9", 9, {kAvgL, kAvgR, kAvgL, kAvgR, kAvgL, kAvgR, kAvgL, kCopyR, kCopyL}},
};
INSTANTIATE_TEST_SUITE_P(Widths, ColumnInterleaveTest, testing::ValuesIn(kColumnCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(AverageTest, HalvingDropsTheRemainder) {
  // Rows of 255 and 254 average to 254; rows of 0 and 1 to 0.
  for (int format : {kInterlaced, kColumnInterleave}) {
    const bool byRows = format == kInterlaced;
    UniqueFrame captured = MakeFrame(4, 2, [&](int x, int y) {
      const int index = byRows ? y : x % 2;
      return index == 0 ? Rgb{255, 0, 255} : Rgb{254, 1, 254};
    });
    UniqueFrame out(ComposeCaptured(captured.release(), 0, 0, format, 0));
    ASSERT_NE(out, nullptr);
    EXPECT_EQ(PixelAt(out.get(), 0, 0), (Rgb{254, 0, 254})) << format;
  }
}

TEST(Sharp3dLcdTest, ChannelsAlternateAcrossThePair) {
  // L(0) = (10, 20, 30), R(0) = (40, 50, 60), no shift.
  UniqueFrame captured = MakeFrame(4, 1, [](int x, int) {
    const Rgb row[4] = {{10, 20, 30}, {1, 2, 3}, {40, 50, 60}, {4, 5, 6}};
    return row[x];
  });
  UniqueFrame out(ComposeCaptured(captured.release(), 0, 0, kSharp3dLcd, 0));
  ASSERT_NE(out, nullptr);
  EXPECT_EQ(PixelAt(out.get(), 0, 0), (Rgb{10, 0, 30}));
  EXPECT_EQ(PixelAt(out.get(), 1, 0), (Rgb{40, 20, 60}));
}

TEST(Sharp3dLcdTest, LaterPairsTakeGreenFromTwoColumnsBack) {
  Composed r = ComposeEyes(6, 2, kSharp3dLcd);
  for (int y = 0; y < 2; ++y) {
    for (int x = 2; x < 6; x += 2) {
      EXPECT_EQ(r.O(x, y), (Rgb{r.L(x, y).red, r.R(x - 2, y).green, r.L(x, y).blue}));
      EXPECT_EQ(r.O(x + 1, y), (Rgb{r.R(x, y).red, r.L(x, y).green, r.R(x, y).blue}));
    }
  }
}

TEST(Sharp3dLcdTest, OddLastColumnAndSingleColumnStayBlack) {
  Composed five = ComposeEyes(5, 2, kSharp3dLcd);
  EXPECT_NE(five.O(3, 0), (Rgb{0, 0, 0}));
  EXPECT_EQ(five.O(4, 0), (Rgb{0, 0, 0}));
  EXPECT_EQ(five.O(4, 1), (Rgb{0, 0, 0}));
  Composed one = ComposeEyes(1, 2, kSharp3dLcd);
  EXPECT_EQ(one.O(0, 0), (Rgb{0, 0, 0}));
}

TEST(Sharp3dLcdTest, FirstGreenWithShiftReadsLeftOfTheRightEye) {
  // W = 40, shiftX 3: halfWidth 20, right eye starts at column 23, and the
  // first green comes from column 21 of the right-eye row. With the eyes
  // swapped that column would lie left of the frame: green 0.
  UniqueFrame captured = MakeFrame(40, 12, Tagged);
  UniqueFrame out(ComposeStereo(captured.get(), SplitShift(40, 12, 3, 1), kSharp3dLcd, 0));
  ASSERT_NE(out, nullptr);
  EXPECT_EQ(PixelAt(out.get(), 0, 0).green, Tagged(21, 1).green);
  EXPECT_EQ(PixelAt(out.get(), 0, 4).green, Tagged(21, 5).green);
  UniqueFrame swapped(ComposeStereo(captured.get(), SplitShift(40, 12, 3, 1), kSharp3dLcd, 1));
  ASSERT_NE(swapped, nullptr);
  EXPECT_EQ(PixelAt(swapped.get(), 0, 0).green, 0);
}

TEST(DlpCheckerboardTest, ThreeByThree) {
  // Row 0: L R L from eye row 0; row 1: R L R from eye row 0; row 2: L R L
  // from eye row 2.
  Composed r = ComposeEyes(3, 3, kDlpCheckerboard);
  const char* kPattern[3] = {"LRL", "RLR", "LRL"};
  const int kEyeRow[3] = {0, 0, 2};
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 3; ++x) {
      const Rgb expected = kPattern[y][x] == 'L' ? r.L(x, kEyeRow[y]) : r.R(x, kEyeRow[y]);
      EXPECT_EQ(r.O(x, y), expected) << "row " << y << " column " << x;
    }
  }
}

TEST(DlpCheckerboardTest, SinglePixelIsLeft) {
  Composed r = ComposeEyes(1, 1, kDlpCheckerboard);
  EXPECT_EQ(r.O(0, 0), r.L(0, 0));
}

TEST(ColumnInterleaveTest, SwappedEyesAverageTheRightHalf) {
  UniqueFrame captured = MakeFrame(8, 1, Tagged);
  UniqueFrame out(ComposeCaptured(captured.release(), 0, 0, kColumnInterleave, 1));
  ASSERT_NE(out, nullptr);
  EXPECT_EQ(PixelAt(out.get(), 0, 0), Avg(Tagged(4, 0), Tagged(5, 0)));
  EXPECT_EQ(PixelAt(out.get(), 1, 0), Avg(Tagged(1, 0), Tagged(2, 0)));
}

}  // namespace
