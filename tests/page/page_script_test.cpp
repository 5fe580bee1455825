// The page's script texts: the search script with its text escaped so the
// page receives exactly what was typed, the stereo base script, the toggle.
#include "page/page_script.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <limits>
#include <string>

namespace {

// A code-page-932-like lead-byte test: 0x81-0x9F and 0xE0-0xFC start a
// two-byte character whose second byte may be 0x5C (a backslash).
bool Cp932Lead(unsigned char byte) {
  return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

struct SearchCase {
  const char* name;
  const char* text;
  LeadBytePredicate lead;
  const char* script;
};

const SearchCase kSearchCases[] = {
    // Texts without special characters are sent exactly as plain formatting would.
    {"Plain", "Kampala, Uganda", nullptr, "javascript:moveAddress(\"Kampala, Uganda\");"},
    {"Empty", "", nullptr, "javascript:moveAddress(\"\");"},
    {"HashAndApostrophe", "O'Hare #2", nullptr, "javascript:moveAddress(\"O'Hare #2\");"},
    // A double quote would end the script's string: escaped.
    {"DoubleQuote", "a\"b", nullptr, "javascript:moveAddress(\"a\\\"b\");"},
    {"Injection", "\");alert(1);//", nullptr,
     "javascript:moveAddress(\"\\\");alert(1);//\");"},
    // A backslash would start an escape: doubled.
    {"Backslash", "C:\\x", nullptr, "javascript:moveAddress(\"C:\\\\x\");"},
    // A browser percent-decodes a javascript: URL, so "%" travels as "%25".
    {"Percent", "%22", nullptr, "javascript:moveAddress(\"%2522\");"},
    {"LineBreaks", "a\r\nb\tc", nullptr, "javascript:moveAddress(\"a\\r\\nb\\tc\");"},
    {"OtherControls", "\x01x\x1f\x7f", nullptr, "javascript:moveAddress(\"\\x01x\\x1F\\x7F\");"},
    // Bytes of a single-byte code page above 0x7F pass unchanged.
    {"AccentedLatin1", "Jos\xe9 M\xfcller", nullptr, "javascript:moveAddress(\"Jos\xe9 M\xfcller\");"},
    // With a single-byte predicate, 0x95 0x5C is two characters: the 0x5C is escaped.
    {"SingleByteTrailIsBackslash", "\x95\x5c", nullptr, "javascript:moveAddress(\"\x95\\\\\");"},
    // In a double-byte code page the second byte 0x5C belongs to the character.
    {"DoubleByteTrailKept", "\x95\x5c\"", Cp932Lead, "javascript:moveAddress(\"\x95\x5c\\\"\");"},
    // A lead byte just before the end stands alone.
    {"DanglingLeadByte", "a\x95", Cp932Lead, "javascript:moveAddress(\"a\x95\");"},
};

class SearchScriptTest : public testing::TestWithParam<SearchCase> {};

TEST_P(SearchScriptTest, EscapesOnlyWhatWouldChangeTheText) {
  const SearchCase& row = GetParam();
  char out[kSearchScriptSize];
  const size_t length = FormatSearchScript(row.text, row.lead, out, sizeof out);
  EXPECT_EQ(std::string(row.script), std::string(out));
  EXPECT_EQ(std::strlen(row.script), length);
}

INSTANTIATE_TEST_SUITE_P(Rows, SearchScriptTest, testing::ValuesIn(kSearchCases),
                         [](const testing::TestParamInfo<SearchCase>& info) {
                           return std::string(info.param.name);
                         });

struct LongCase {
  const char* name;
  char fill;           // the text is 254 of these
  size_t textLength;   // length of the script's text part
};

const LongCase kLongCases[] = {
    // 254 plain characters: the URL of 281 characters is sent whole.
    {"PlainLetters", 'a', 254},
    // Every byte escaped to its longest form still fits the buffer.
    {"ControlCharacters", '\x02', 254 * 4},
    {"Percents", '%', 254 * 3},
};

class LongSearchTest : public testing::TestWithParam<LongCase> {};

TEST_P(LongSearchTest, FitsTheBufferWhole) {
  const LongCase& row = GetParam();
  const std::string text(254, row.fill);
  char out[kSearchScriptSize];
  const size_t length = FormatSearchScript(text.c_str(), nullptr, out, sizeof out);
  EXPECT_EQ(27 + row.textLength, length);
  EXPECT_EQ(length, std::strlen(out));
  EXPECT_EQ(0, std::strncmp(out + length - 3, "\");", 3));
}

INSTANTIATE_TEST_SUITE_P(Rows, LongSearchTest, testing::ValuesIn(kLongCases),
                         [](const testing::TestParamInfo<LongCase>& info) {
                           return std::string(info.param.name);
                         });

struct BoundCase {
  const char* name;
  const char* text;
  size_t outSize;
  const char* script;  // what fits, always closed
};

const BoundCase kBoundCases[] = {
    {"Exact", "abc", 31, "javascript:moveAddress(\"abc\");"},
    {"OneShort", "abc", 30, "javascript:moveAddress(\"ab\");"},
    // An escape is never split: "\\\"" needs two bytes, only one is left.
    {"EscapeNotSplit", "a\"", 30, "javascript:moveAddress(\"a\");"},
    {"PercentNotSplit", "a%", 31, "javascript:moveAddress(\"a\");"},
    {"OnlyTheFrame", "abc", 28, "javascript:moveAddress(\"\");"},
    // Too small for the script itself: an empty text, never an overflow.
    {"TooSmall", "abc", 10, ""},
};

class BoundedSearchTest : public testing::TestWithParam<BoundCase> {};

TEST_P(BoundedSearchTest, NeverWritesPastTheBuffer) {
  const BoundCase& row = GetParam();
  char out[64];
  std::memset(out, '#', sizeof out);
  const size_t length = FormatSearchScript(row.text, nullptr, out, row.outSize);
  EXPECT_EQ(std::string(row.script), std::string(out));
  EXPECT_EQ(std::strlen(row.script), length);
  for (size_t i = row.outSize; i < sizeof out; ++i) ASSERT_EQ('#', out[i]) << "byte " << i;
}

INSTANTIATE_TEST_SUITE_P(Rows, BoundedSearchTest, testing::ValuesIn(kBoundCases),
                         [](const testing::TestParamInfo<BoundCase>& info) {
                           return std::string(info.param.name);
                         });

struct DivisorCase {
  const char* name;
  int32_t divisor;
  const char* script;
};

const DivisorCase kDivisorCases[] = {
    {"Default", 30, "javascript:SetDiv(\"30\");"},
    {"Zero", 0, "javascript:SetDiv(\"0\");"},
    {"Negative", -5, "javascript:SetDiv(\"-5\");"},
    {"Largest", std::numeric_limits<int32_t>::max(), "javascript:SetDiv(\"2147483647\");"},
    {"Smallest", std::numeric_limits<int32_t>::min(), "javascript:SetDiv(\"-2147483648\");"},
};

class StereoBaseScriptTest : public testing::TestWithParam<DivisorCase> {};

TEST_P(StereoBaseScriptTest, WritesTheDivisorInDecimal) {
  const DivisorCase& row = GetParam();
  char out[kStereoBaseScriptSize];
  EXPECT_EQ(std::strlen(row.script), FormatStereoBaseScript(row.divisor, out, sizeof out));
  EXPECT_STREQ(row.script, out);
}

INSTANTIATE_TEST_SUITE_P(Rows, StereoBaseScriptTest, testing::ValuesIn(kDivisorCases),
                         [](const testing::TestParamInfo<DivisorCase>& info) {
                           return std::string(info.param.name);
                         });

struct ToggleCase {
  const char* name;
  int32_t value;
  int32_t toggled;
};

const ToggleCase kToggleCases[] = {
    {"Zero", 0, 1},
    {"One", 1, 0},
    {"Two", 2, 1},
    {"Five", 5, 0},
    {"MinusOne", -1, 0},
    {"MinusTwo", -2, -1},
    {"Largest", std::numeric_limits<int32_t>::max(), 0},
    {"Smallest", std::numeric_limits<int32_t>::min(), -1},
};

class ToggleTest : public testing::TestWithParam<ToggleCase> {};

TEST_P(ToggleTest, RemainderTakesTheSignOfTheDividend) {
  EXPECT_EQ(GetParam().toggled, ToggleValue(GetParam().value));
}

INSTANTIATE_TEST_SUITE_P(Rows, ToggleTest, testing::ValuesIn(kToggleCases),
                         [](const testing::TestParamInfo<ToggleCase>& info) {
                           return std::string(info.param.name);
                         });

}  // namespace
