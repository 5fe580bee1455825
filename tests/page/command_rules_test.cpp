// Rules of the command table and the context menu: which item carries a
// check mark in which state, the format commands and the shift steps.
#include "shell/commands.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "resources/resource.h"

namespace {

TEST(ContextMenuTable, ItemsInOrder) {
  const std::vector<std::pair<int, int>> expected = {
      {4004, 1000}, {4005, 3001}, {4036, 3016}, {4006, 3004}, {4007, 3005},
      {4008, 3002}, {4009, 3003}, {4012, 3007}, {4011, 3006}, {4016, 3008},
  };
  ASSERT_EQ(expected.size(), kContextMenuItemCount);
  for (size_t i = 0; i < kContextMenuItemCount; ++i) {
    EXPECT_EQ(expected[i].first, kContextMenuItems[i].stringId) << "position " << i + 1;
    EXPECT_EQ(expected[i].second, kContextMenuItems[i].command) << "position " << i + 1;
    EXPECT_EQ(i == 0, kContextMenuItems[i].submenu) << "position " << i + 1;
  }
}

struct CheckCase {
  const char* name;
  int32_t stereoFormat;
  int32_t swapEyes;
  int32_t navigatorShown;
  int32_t earthView;
  std::vector<int> checked;  // commands with a check mark, in menu order
};

const CheckCase kCheckCases[] = {
    {"FirstRun", 3, 0, 0, 1, {1003}},
    {"Format7AllOn", 7, 1, 1, 0, {1007, 3005, 3002, 3003}},
    {"FormatZero", 0, 0, 0, 1, {1000}},
    {"FormatNine", 9, 0, 0, 1, {1009}},
    // Formats outside 0..9 (possible through the stored setting) check no item.
    {"ColumnInterleave", 80, 0, 0, 1, {}},
    {"FormatTen", 10, 0, 0, 1, {}},
    {"NegativeFormat", -1, 0, 0, 1, {}},
    // Only the value 1 shows a check mark; 2 (a stored Navigation) does not.
    {"StoredNavigationTwo", 3, 0, 2, 1, {1003}},
    {"SwapTwo", 3, 2, 0, 1, {1003}},
    // The map view is earthView 0; any other value is not it.
    {"EarthViewTwo", 3, 0, 0, 2, {1003}},
};

class ContextMenuCheckTest : public testing::TestWithParam<CheckCase> {};

TEST_P(ContextMenuCheckTest, ChecksFollowTheState) {
  const CheckCase& row = GetParam();
  ViewerState state;
  state.stereoFormat = row.stereoFormat;
  state.swapEyes = row.swapEyes;
  state.navigatorShown = row.navigatorShown;
  state.earthView = row.earthView;
  std::vector<int> checked;
  for (size_t i = 0; i < kContextMenuItemCount; ++i) {
    const int command = CheckedCommand(kContextMenuItems[i], state);
    if (command != 0) checked.push_back(command);
  }
  EXPECT_EQ(row.checked, checked);
}

INSTANTIATE_TEST_SUITE_P(Rows, ContextMenuCheckTest, testing::ValuesIn(kCheckCases),
                         [](const testing::TestParamInfo<CheckCase>& info) {
                           return std::string(info.param.name);
                         });

struct FormatCommandCase {
  const char* name;
  int command;
  bool isFormat;
};

const FormatCommandCase kFormatCommandCases[] = {
    {"First", 1000, true}, {"Last", 1009, true},    {"Below", 999, false},
    {"Above", 1010, false}, {"Shift", 2000, false}, {"Zero", 0, false},
};

class FormatCommandTest : public testing::TestWithParam<FormatCommandCase> {};

TEST_P(FormatCommandTest, OnlyTheTenFormatCommands) {
  EXPECT_EQ(GetParam().isFormat, IsFormatCommand(GetParam().command));
}

INSTANTIATE_TEST_SUITE_P(Rows, FormatCommandTest, testing::ValuesIn(kFormatCommandCases),
                         [](const testing::TestParamInfo<FormatCommandCase>& info) {
                           return std::string(info.param.name);
                         });

struct ShiftCase {
  const char* name;
  int32_t value;
  int32_t delta;
  int32_t result;
};

const ShiftCase kShiftCases[] = {
    {"Up", 0, 1, 1},
    {"Down", 0, -1, -1},
    {"NegativeUp", -5, 1, -4},
    // The ends of the range hold instead of overflowing.
    {"AtLargest", std::numeric_limits<int32_t>::max(), 1, std::numeric_limits<int32_t>::max()},
    {"AtSmallest", std::numeric_limits<int32_t>::min(), -1, std::numeric_limits<int32_t>::min()},
    {"FromLargest", std::numeric_limits<int32_t>::max(), -1,
     std::numeric_limits<int32_t>::max() - 1},
};

class ShiftStepTest : public testing::TestWithParam<ShiftCase> {};

TEST_P(ShiftStepTest, StepsByOne) {
  EXPECT_EQ(GetParam().result, StepShift(GetParam().value, GetParam().delta));
}

INSTANTIATE_TEST_SUITE_P(Rows, ShiftStepTest, testing::ValuesIn(kShiftCases),
                         [](const testing::TestParamInfo<ShiftCase>& info) {
                           return std::string(info.param.name);
                         });

}  // namespace
