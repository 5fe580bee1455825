#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>

#include "imaging/view_caption.h"

namespace {

const char kPattern[] = "Vexoscope (dx=%d,dy=%d,%s,rev=%d)";

struct NameIdCase {
  const char* name;
  int32_t format;
  uint32_t expected;  // 0: no string-table name
};

class CaptionFormatNameIdTest : public testing::TestWithParam<NameIdCase> {};

TEST_P(CaptionFormatNameIdTest, NamesOnlyTheKnownFormats) {
  EXPECT_EQ(CaptionFormatNameId(GetParam().format), GetParam().expected);
}

const NameIdCase kNameIdCases[] = {
    {"side_by_side", 0, 4020},
    {"color_anaglyph", 3, 4023},
    {"dlp_tv", 9, 4029},
    {"column_interleave", 80, 4100},
    // 4020 + 10 and up would reach unrelated strings (16 gives 4036, a menu text).
    {"ten", 10, 0},
    {"sixteen", 16, 0},
    {"seventy_nine", 79, 0},
    {"eighty_one", 81, 0},
    {"minus_one", -1, 0},
    {"int_min", INT_MIN, 0},
    {"int_max", INT_MAX, 0},
};
INSTANTIATE_TEST_SUITE_P(Formats, CaptionFormatNameIdTest, testing::ValuesIn(kNameIdCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct CaptionCase {
  const char* name;
  int32_t shiftX, shiftY, format;
  const char* tableName;  // what the string table gave, nullptr when not asked
  int32_t swapEyes;
  const char* expected;
};

class BuildViewCaptionTest : public testing::TestWithParam<CaptionCase> {};

TEST_P(BuildViewCaptionTest, FillsTheCaptionPattern) {
  const CaptionCase& c = GetParam();
  char caption[kCaptionBytes];
  std::memset(caption, 'x', sizeof caption);
  BuildViewCaption(caption, kPattern, c.shiftX, c.shiftY, c.format, c.tableName, c.swapEyes);
  EXPECT_STREQ(caption, c.expected);
}

const CaptionCase kCaptionCases[] = {
    // The first run: no shift, format 3, eyes not swapped.
    {"first_run", 0, 0, 3, "Color Anaglyph", 0,
     "Vexoscope (dx=0,dy=0,Color Anaglyph,rev=0)"},
    {"dlp_tv_swapped", 0, 0, 9, "3D DSP TV", 1, "Vexoscope (dx=0,dy=0,3D DSP TV,rev=1)"},
    {"negative_shifts", -45, -7, 0, "Side-by-side", 0,
     "Vexoscope (dx=-45,dy=-7,Side-by-side,rev=0)"},
    {"column_interleave", 12, 3, 80, "Column Interleave", 1,
     "Vexoscope (dx=12,dy=3,Column Interleave,rev=1)"},
    // Formats without a name show their number, never an empty name.
    {"unnamed_format", 0, 0, 12, nullptr, 0, "Vexoscope (dx=0,dy=0,12,rev=0)"},
    {"negative_format", 0, 0, -1, nullptr, 0, "Vexoscope (dx=0,dy=0,-1,rev=0)"},
    {"missing_table_entry", 0, 0, 4, "", 0, "Vexoscope (dx=0,dy=0,4,rev=0)"},
    {"extremes", INT_MIN, INT_MAX, INT_MIN, nullptr, 1,
     "Vexoscope (dx=-2147483648,dy=2147483647,-2147483648,rev=1)"},
};
INSTANTIATE_TEST_SUITE_P(Captions, BuildViewCaptionTest, testing::ValuesIn(kCaptionCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(BuildViewCaptionLimits, LongResultIsCutToTheBuffer) {
  const std::string longName(400, 'n');
  char caption[kCaptionBytes];
  BuildViewCaption(caption, kPattern, 1, 2, 3, longName.c_str(), 0);
  const std::string expected = ("Vexoscope (dx=1,dy=2," + longName).substr(0, kCaptionBytes - 1);
  EXPECT_EQ(std::string(caption), expected);
}

TEST(BuildViewCaptionLimits, NoPatternGivesAnEmptyCaption) {
  char caption[kCaptionBytes] = "old";
  BuildViewCaption(caption, nullptr, 1, 2, 3, "Color Anaglyph", 0);
  EXPECT_STREQ(caption, "");
}

struct TakeCase {
  const char* name;
  const char* last;
  const char* caption;
  bool changed;
};

class TakeNewCaptionTest : public testing::TestWithParam<TakeCase> {};

TEST_P(TakeNewCaptionTest, ReportsAChangeAndKeepsTheCaption) {
  const TakeCase& c = GetParam();
  char last[kCaptionBytes] = {};
  char caption[kCaptionBytes] = {};
  std::strcpy(last, c.last);
  std::strcpy(caption, c.caption);
  EXPECT_EQ(TakeNewCaption(last, caption), c.changed);
  EXPECT_STREQ(last, c.caption);
  // Taking the same caption again is never a change.
  EXPECT_FALSE(TakeNewCaption(last, caption));
}

const TakeCase kTakeCases[] = {
    // lastTitle is empty until the first paint with a frame.
    {"first_paint", "", "Vexoscope (dx=0,dy=0,Color Anaglyph,rev=0)", true},
    {"unchanged", "Vexoscope (dx=1,dy=0,Mirror,rev=0)", "Vexoscope (dx=1,dy=0,Mirror,rev=0)",
     false},
    {"shift_changed", "Vexoscope (dx=1,dy=0,Mirror,rev=0)", "Vexoscope (dx=2,dy=0,Mirror,rev=0)",
     true},
    {"prefix_is_a_change", "Vexoscope (dx=1", "Vexoscope (dx=10", true},
    {"shorter_is_a_change", "Vexoscope (dx=10", "Vexoscope (dx=1", true},
    {"case_is_a_change", "vexoscope", "Vexoscope", true},
};
INSTANTIATE_TEST_SUITE_P(Captions, TakeNewCaptionTest, testing::ValuesIn(kTakeCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct PlacementCase {
  const char* name;
  int32_t paneWidth;
  uint16_t frameWidth;
  int32_t expected;
};

class PicturePlacementTest : public testing::TestWithParam<PlacementCase> {};

TEST_P(PicturePlacementTest, CentresOnThePaneLessItsMargin) {
  const PlacementCase& c = GetParam();
  EXPECT_EQ(PicturePlacementX(c.paneWidth, c.frameWidth), c.expected);
}

const PlacementCase kPlacementCases[] = {
    // A 1280-wide pane captures 1262 columns; an anaglyph of it is 631 wide.
    {"anaglyph", 1280, 631, 315},
    {"side_by_side_fills", 1280, 1262, 0},
    {"odd_room_rounds_down", 1281, 631, 316},
    // Negative room truncates toward zero: -3 gives -1, not -2.
    {"minus_three", 1000, 985, -1},
    {"minus_four", 1000, 986, -2},
    {"wider_than_pane", 500, 1262, -390},
    {"no_pane", 0, 0, -9},
    {"widest_frame", 0, 65535, -32776},
    {"extreme_pane", INT_MIN, 65535, -1073774600},
    {"extreme_pane_max", INT_MAX, 0, 1073741814},
};
INSTANTIATE_TEST_SUITE_P(Placement, PicturePlacementTest, testing::ValuesIn(kPlacementCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct DragCase {
  const char* name;
  int32_t shiftAtPress;
  int16_t xAtPress, x;
  int32_t expected;
};

class DragShiftTest : public testing::TestWithParam<DragCase> {};

TEST_P(DragShiftTest, ShiftFollowsTheMouse) {
  const DragCase& c = GetParam();
  EXPECT_EQ(DragShift(c.shiftAtPress, c.xAtPress, c.x), c.expected);
}

const DragCase kDragCases[] = {
    {"right_40_from_5", 5, 300, 340, 45},
    {"left_40_from_5", 5, 300, 260, -35},
    {"no_move", 7, 300, 300, 7},
    // Past the window's left edge the coordinates are negative.
    {"past_left_edge", 0, 10, -30, -40},
    {"full_range", 0, -32768, 32767, 65535},
    {"saturates_high", INT_MAX - 5, 0, 100, INT_MAX},
    {"saturates_low", INT_MIN + 5, 100, 0, INT_MIN},
};
INSTANTIATE_TEST_SUITE_P(Drags, DragShiftTest, testing::ValuesIn(kDragCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
