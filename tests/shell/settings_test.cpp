#include "shell/settings.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <map>
#include <string>

#include "shell/viewer_state.h"

namespace {

const std::string kNinetyNineNines(99, '9');

struct DecimalCase {
  const char* name;
  const char* text;
  int32_t value;
};

class DecimalValueTest : public testing::TestWithParam<DecimalCase> {};

TEST_P(DecimalValueTest, TakesTheLeadingNumber) {
  EXPECT_EQ(DecimalValue(GetParam().text), GetParam().value);
}

const DecimalCase kDecimalCases[] = {
    {"TrailingLetters", "12abc", 12},
    {"NoDigits", "abc", 0},
    {"LeadingSpace", " 7", 7},
    {"LeadingTabsAndNewlines", "\t\n\v\f\r 9", 9},
    {"SingleDigit", "2", 2},
    {"Negative", "-5", -5},
    {"PlusSign", "+42", 42},
    {"SignWithoutDigits", "-", 0},
    {"SpaceAfterSign", "- 5", 0},
    {"Empty", "", 0},
    {"LeadingZeros", "0030", 30},
    {"DigitsThenSpace", "30 40", 30},
    {"Int32Max", "2147483647", INT32_MAX},
    {"Int32Min", "-2147483648", INT32_MIN},
    {"JustAboveMax", "2147483648", INT32_MAX},
    {"JustBelowMin", "-2147483649", INT32_MIN},
    {"HugePositive", "99999999999", INT32_MAX},
    {"HugeNegative", "-99999999999", INT32_MIN},
    {"NinetyNineDigits", kNinetyNineNines.c_str(), INT32_MAX},
};
INSTANTIATE_TEST_SUITE_P(Texts, DecimalValueTest, testing::ValuesIn(kDecimalCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct FinishCase {
  const char* name;
  const char* stored;  // bytes the query put in the buffer (before the filler)
  size_t storedBytes;  // how many of them
  bool succeeded;
  size_t reportedBytes;
  const char* expected;
};

class FinishSettingTextTest : public testing::TestWithParam<FinishCase> {};

TEST_P(FinishSettingTextTest, LeavesATerminatedText) {
  const FinishCase& c = GetParam();
  char buffer[8];
  std::memset(buffer, 'x', sizeof buffer);  // what an unterminated read leaves
  std::memcpy(buffer, c.stored, c.storedBytes);
  FinishSettingText(buffer, sizeof buffer, c.succeeded, c.reportedBytes);
  EXPECT_STREQ(buffer, c.expected);
}

const FinishCase kFinishCases[] = {
    // A value stored with its terminator.
    {"Terminated", "12\0", 3, true, 3, "12"},
    // A value stored without one is cut after its bytes.
    {"Unterminated", "12", 2, true, 2, "12"},
    // An empty value: no bytes at all.
    {"NoBytes", "", 0, true, 0, ""},
    // Missing value or key: whatever is in the buffer is dropped.
    {"Failed", "12", 2, false, 0, ""},
    // Too long for the buffer: the registry reports more data.
    {"MoreData", "1234567", 7, false, 20, ""},
    // Fills the buffer with its terminator: read whole.
    {"ExactFit", "1234567\0", 8, true, 8, "1234567"},
    // Fills the buffer with no room for a terminator: absent.
    {"FillsWithoutTerminator", "12345678", 8, true, 8, ""},
    // A byte count beyond the buffer is never trusted.
    {"CountBeyondBuffer", "12", 2, true, 9, ""},
};
INSTANTIATE_TEST_SUITE_P(Reads, FinishSettingTextTest, testing::ValuesIn(kFinishCases),
                         [](const auto& info) { return std::string(info.param.name); });

// A fake settings store: values by name, read as the registry reader reads
// them (a value that does not fit is absent).
std::map<std::string, std::string> g_store;
std::map<std::string, size_t> g_limits;

void ReadFromStore(const char* name, char* buffer, size_t size) {
  g_limits[name] = size;
  buffer[0] = '\0';
  auto found = g_store.find(name);
  if (found == g_store.end() || found->second.size() + 1 > size) {
    return;
  }
  std::memcpy(buffer, found->second.c_str(), found->second.size() + 1);
}

struct StartupCase {
  const char* name;
  std::map<std::string, std::string> stored;
  int32_t stereoFormat;
  int32_t navigatorShown;
  int32_t baseDivisor;
  std::string searchText;
};

class StartupSettingsTest : public testing::TestWithParam<StartupCase> {};

TEST_P(StartupSettingsTest, ReadsValuesOrDefaults) {
  const StartupCase& c = GetParam();
  g_store = c.stored;
  g_limits.clear();
  ViewerState state;
  state.stereoFormat = -1;
  state.navigatorShown = -1;
  state.baseDivisor = -1;
  std::strcpy(state.searchText, "left over");
  ReadStartupSettings(state, ReadFromStore);
  EXPECT_EQ(state.stereoFormat, c.stereoFormat);
  EXPECT_EQ(state.navigatorShown, c.navigatorShown);
  EXPECT_EQ(state.baseDivisor, c.baseDivisor);
  EXPECT_EQ(std::string(state.searchText), c.searchText);
  // Numbers are read with the 100-byte limit, the search into its whole field.
  EXPECT_EQ(g_limits["StereoType"], kSettingReadLimit);
  EXPECT_EQ(g_limits["Navigation"], kSettingReadLimit);
  EXPECT_EQ(g_limits["Div"], kSettingReadLimit);
  EXPECT_EQ(g_limits["Search"], sizeof state.searchText);
}

const StartupCase kStartupCases[] = {
    // First run: no key at all.
    {"NothingStored", {}, 3, 0, 30, ""},
    {"AllStored",
     {{"StereoType", "5"}, {"Navigation", "1"}, {"Div", "45"}, {"Search", "Tokyo"}},
     5, 1, 45, "Tokyo"},
    // Texts as the standard conversion reads them.
    {"TrailingLetters", {{"StereoType", "12abc"}}, 12, 0, 30, ""},
    {"NotANumber", {{"StereoType", "abc"}}, 0, 0, 30, ""},
    {"LeadingSpace", {{"Div", " 7"}}, 3, 0, 7, ""},
    {"NavigationTwo", {{"Navigation", "2"}}, 3, 2, 30, ""},
    // An empty value counts as absent and takes the default.
    {"EmptyValues", {{"StereoType", ""}, {"Navigation", ""}, {"Div", ""}}, 3, 0, 30, ""},
    // 99 characters still fit the 100-byte limit; 100 do not.
    {"NinetyNineCharacters", {{"Div", "7" + std::string(98, ' ')}}, 3, 0, 7, ""},
    {"HundredCharacters", {{"Div", "7" + std::string(99, ' ')}}, 3, 0, 30, ""},
    // A hand-edited huge number saturates.
    {"Overflow", {{"Div", "99999999999"}, {"StereoType", "-99999999999"}}, INT32_MIN, 0,
     INT32_MAX, ""},
    // The longest search the dialog writes comes back whole.
    {"LongSearch", {{"Search", std::string(254, 's')}}, 3, 0, 30, std::string(254, 's')},
};
INSTANTIATE_TEST_SUITE_P(Stores, StartupSettingsTest, testing::ValuesIn(kStartupCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
