// The parameters text of a favourite: formatting it from the view, restoring
// the view from it, and the favourite's page address.
#include "favorites/favorite_params.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

constexpr int32_t kMax = INT32_MAX;
constexpr int32_t kMin = INT32_MIN;

// --- ParseSaturatedInt ------------------------------------------------------

struct ParseCase {
  const char* label;
  const char* text;
  int32_t value;
};

const ParseCase kParseCases[] = {
    {"Empty", "", 0},
    {"Plain", "42", 42},
    {"SpaceSignAndTail", "  -17px", -17},
    {"PlusSign", "+5", 5},
    {"AllWhiteSpace", "\t\n\v\f\r 8", 8},
    {"LineFeedAfter", "40\n", 40},
    {"SignOnly", "-", 0},
    {"NoDigits", "x1", 0},
    {"Largest", "2147483647", kMax},
    {"OnePastLargest", "2147483648", kMax},
    {"Smallest", "-2147483648", kMin},
    {"OnePastSmallest", "-2147483649", kMin},
    {"FarTooLarge", "99999999999999999999999999", kMax},
    {"FarTooSmall", "-99999999999999999999999999", kMin},
    {"LeadingZeros", "000000000000000000012", 12},
};

class ParseSaturatedIntTest : public testing::TestWithParam<ParseCase> {};

TEST_P(ParseSaturatedIntTest, ReadsTheLeadingNumber) {
  EXPECT_EQ(ParseSaturatedInt(GetParam().text), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Favorites, ParseSaturatedIntTest, testing::ValuesIn(kParseCases),
                         [](const auto& info) { return std::string(info.param.label); });

// --- FormatFavoriteParams ---------------------------------------------------

struct FormatCase {
  const char* label;
  int32_t shiftX, viewWidth, shiftY, baseDivisor;
  const char* params;
};

const FormatCase kFormatCases[] = {
    {"Thousandths", 25, 1000, -2, 30, "1,25,-2,30"},
    // -7000 / 1920 = -3.6, truncated toward zero.
    {"TruncatesTowardZero", -7, 1920, 0, 30, "1,-3,0,30"},
    {"PositiveTruncated", 7, 1920, 3, 12, "1,3,3,12"},
    {"ZeroWidthStoresZero", 25, 0, 5, 30, "1,0,5,30"},
    // The product is formed in 64 bits and clamped to 32.
    {"LargeShiftClamped", kMax, 1000, 0, 30, "1,2147483647,0,30"},
    {"SmallShiftClamped", kMin, 1, 0, 30, "1,-2147483648,0,30"},
    {"SmallestOverMinusOne", kMin, -1, kMin, kMax, "1,2147483647,-2147483648,2147483647"},
};

class FormatFavoriteParamsTest : public testing::TestWithParam<FormatCase> {};

TEST_P(FormatFavoriteParamsTest, WritesMarkerShiftsAndDivisor) {
  const FormatCase& c = GetParam();
  char params[256] = "untouched";
  FormatFavoriteParams(c.shiftX, c.viewWidth, c.shiftY, c.baseDivisor, params, sizeof params);
  EXPECT_STREQ(params, c.params);
}

INSTANTIATE_TEST_SUITE_P(Favorites, FormatFavoriteParamsTest, testing::ValuesIn(kFormatCases),
                         [](const auto& info) { return std::string(info.param.label); });

// --- RestoreFavoriteParams --------------------------------------------------

struct RestoreCase {
  const char* label;
  const char* params;  // as read from the file, line feed included
  int32_t viewWidth;
  FavoriteView expected;  // starting from {11, 22, 33}
};

constexpr FavoriteView kBefore = {11, 22, 33};

const RestoreCase kRestoreCases[] = {
    // 500 thousandths of 1200 pixels.
    {"AllThree", "1,500,-3,40\n", 1200, {600, -3, 40}},
    {"FirstValueTwo", "2,500,-3,40\n", 1200, kBefore},
    {"Empty", "", 1200, kBefore},
    {"LineFeedOnly", "\n", 1200, kBefore},
    {"MarkerOnly", "1\n", 1200, kBefore},
    {"MarkerOnlyNoLineEnd", "1", 1200, kBefore},
    // Fields missing at the end keep their values.
    {"ShiftOnly", "1,250\n", 1000, {250, 22, 33}},
    {"ShiftAndDy", "1,250,7", 1000, {250, 7, 33}},
    // A run of commas is one separator: the later fields move up.
    {"EmptyField", "1,,5,6\n", 1000, {5, 6, 33}},
    // The first value is read at the very start of the text.
    {"LeadingComma", ",1,500,-3,40\n", 1200, kBefore},
    {"SpaceBeforeMarker", " 1,500,-3,40\n", 1200, {600, -3, 40}},
    {"SignedMarker", "+1,500,-3,40\n", 1200, {600, -3, 40}},
    {"ExtraFields", "1,500,-3,40,77,88\n", 1200, {600, -3, 40}},
    // Fields are read by their leading number; other text reads as 0.
    {"NotNumbers", "1,abc,x,y\n", 1200, {0, 0, 0}},
    {"TextAfterNumbers", "1,12px,7dy,9\r\n", 1000, {12, 7, 9}},
    // -3 * 1920 / 1000 = -5.76, truncated toward zero.
    {"NegativeTruncated", "1,-3,0,30\n", 1920, {-5, 0, 30}},
    {"ZeroWidth", "1,500,1,2\n", 0, {0, 1, 2}},
    // Hand-edited numbers beyond 32 bits saturate, products are clamped.
    {"HugeShiftClamped", "1,99999999999,2,3\n", 1200, {kMax, 2, 3}},
    {"TinyShiftClamped", "1,-99999999999,2,3\n", 1200, {kMin, 2, 3}},
    {"HugeDyAndDivisor", "1,0,99999999999,-99999999999\n", 1200, {0, kMax, kMin}},
    {"HugeMarker", "4294967297,500,-3,40\n", 1200, kBefore},
};

class RestoreFavoriteParamsTest : public testing::TestWithParam<RestoreCase> {};

TEST_P(RestoreFavoriteParamsTest, RestoresOnlyMarkedFields) {
  const RestoreCase& c = GetParam();
  FavoriteView view = kBefore;
  RestoreFavoriteParams(c.params, c.viewWidth, view);
  EXPECT_EQ(view.shiftX, c.expected.shiftX);
  EXPECT_EQ(view.shiftY, c.expected.shiftY);
  EXPECT_EQ(view.baseDivisor, c.expected.baseDivisor);
}

INSTANTIATE_TEST_SUITE_P(Favorites, RestoreFavoriteParamsTest, testing::ValuesIn(kRestoreCases),
                         [](const auto& info) { return std::string(info.param.label); });

// A stored text restores what was stored, in a pane of the same width.
struct RoundTripCase {
  const char* label;
  int32_t shiftX, viewWidth, shiftY, baseDivisor;
  FavoriteView expected;
};

const RoundTripCase kRoundTripCases[] = {
    {"ExactThousandths", 25, 1000, -2, 30, {25, -2, 30}},
    // 30 px of 1366: 21 thousandths, back to 28 px (two truncations).
    {"LosesUnderAThousandth", 30, 1366, 4, 12, {28, 4, 12}},
    {"ZeroWidth", 30, 0, 4, 12, {0, 4, 12}},
};

class FavoriteParamsRoundTripTest : public testing::TestWithParam<RoundTripCase> {};

TEST_P(FavoriteParamsRoundTripTest, RestoresWhatWasFormatted) {
  const RoundTripCase& c = GetParam();
  char params[256];
  FormatFavoriteParams(c.shiftX, c.viewWidth, c.shiftY, c.baseDivisor, params, sizeof params);
  FavoriteView view = {0, 0, 0};
  RestoreFavoriteParams((std::string(params) + "\n").c_str(), c.viewWidth, view);
  EXPECT_EQ(view.shiftX, c.expected.shiftX);
  EXPECT_EQ(view.shiftY, c.expected.shiftY);
  EXPECT_EQ(view.baseDivisor, c.expected.baseDivisor);
}

INSTANTIATE_TEST_SUITE_P(Favorites, FavoriteParamsRoundTripTest,
                         testing::ValuesIn(kRoundTripCases),
                         [](const auto& info) { return std::string(info.param.label); });

// --- BuildFavoriteUrl -------------------------------------------------------

struct UrlCase {
  const char* label;
  std::string base, position;
  size_t size;
  bool fits;
  std::string url;
};

const std::string kBase = "http://127.0.0.1:8470/eng/vexo/vexoearth.html?value=";

const UrlCase kUrlCases[] = {
    {"BaseAndPosition", kBase, "35.1,139.2,0,2", 768, true, kBase + "35.1,139.2,0,2"},
    // No row selected: the base address alone.
    {"NoPosition", kBase, "", 768, true, kBase},
    // The longest base and the longest line still fit the field.
    {"LongestFits", std::string(255, 'b'), std::string(511, 'p'), 768, true,
     std::string(255, 'b') + std::string(511, 'p')},
    // A buffer too small is cut, never overrun.
    {"CutToFit", "abc", "defgh", 6, false, "abcde"},
};

class BuildFavoriteUrlTest : public testing::TestWithParam<UrlCase> {};

TEST_P(BuildFavoriteUrlTest, JoinsBaseAndPosition) {
  const UrlCase& c = GetParam();
  std::string url(c.size + 8, '#');  // guard bytes after the field
  EXPECT_EQ(BuildFavoriteUrl(c.base.c_str(), c.position.c_str(), &url[0], c.size), c.fits);
  EXPECT_EQ(std::string(url.c_str()), c.url);
  EXPECT_EQ(url.substr(c.size), std::string(8, '#'));
}

INSTANTIATE_TEST_SUITE_P(Favorites, BuildFavoriteUrlTest, testing::ValuesIn(kUrlCases),
                         [](const auto& info) { return std::string(info.param.label); });

}  // namespace
