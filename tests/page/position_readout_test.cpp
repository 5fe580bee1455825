// The readout's choice: the last "datalatlon" element decides, at most 127
// bytes are kept, an empty collection leaves positionText as it was.
#include "page/position_readout.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

struct Element {
  bool isElement;  // false: an item that offers no element interface
  std::string id;
  std::string content;
};

struct ReadoutCase {
  const char* name;
  std::vector<Element> elements;
  const char* before;  // positionText before the readout
  std::string after;
  std::vector<int> contentsRead;  // the indexes whose content was asked for
};

const std::string k40 = "0.3121432,32.58717656,0,2,0,0,25484040,1";
const std::string k200(200, 'p');

const ReadoutCase kCases[] = {
    {"FortyCharacters", {{true, "map", "x"}, {true, "datalatlon", k40}}, "old", k40, {1}},
    {"CutTo127Bytes", {{true, "datalatlon", k200}}, "old", std::string(127, 'p'), {0}},
    {"Exactly127", {{true, "datalatlon", std::string(127, 'q')}}, "", std::string(127, 'q'), {0}},
    {"LaterOneWins", {{true, "datalatlon", k200}, {true, "other", "y"}, {true, "datalatlon", "1,2"}},
     "old", "1,2", {0, 2}},
    {"CaseDiffers", {{true, "DataLatLon", "1,2"}}, "old", "", {}},
    {"LongerId", {{true, "datalatlon2", "1,2"}}, "old", "", {}},
    {"ShorterId", {{true, "datalatlo", "1,2"}}, "old", "", {}},
    {"NoMatchEmptiesText", {{true, "", "a"}, {true, "map", "b"}}, "old", "", {}},
    {"EmptyCollectionKeepsText", {}, "kept", "kept", {}},
    {"MatchWithEmptyContent", {{true, "datalatlon", ""}}, "old", "", {0}},
    // Markup and entities are kept unchanged.
    {"MarkupKept", {{true, "datalatlon", "<b>1&amp;2</b>"}}, "", "<b>1&amp;2</b>", {0}},
    // An item without an element interface is passed over, not fatal.
    {"NonElementPassedOver", {{false, "datalatlon", "no"}, {true, "datalatlon", "yes"}}, "", "yes",
     {1}},
    {"OnlyNonElements", {{false, "datalatlon", "no"}}, "old", "", {}},
};

class PositionReadoutTest : public testing::TestWithParam<ReadoutCase> {};

TEST_P(PositionReadoutTest, LastMatchingElementDecides) {
  const ReadoutCase& row = GetParam();
  char positionText[256];
  std::memset(positionText, '#', sizeof positionText);
  std::strcpy(positionText, row.before);
  std::vector<int> contentsRead;
  auto readId = [&](int32_t index, std::string* id) {
    const Element& element = row.elements[static_cast<size_t>(index)];
    if (!element.isElement) return false;
    *id = element.id;
    return true;
  };
  auto readContent = [&](int32_t index, std::string* content) {
    contentsRead.push_back(index);
    *content = row.elements[static_cast<size_t>(index)].content;
  };
  ScanPositionElements(static_cast<int32_t>(row.elements.size()), readId, readContent, positionText,
                       sizeof positionText);
  EXPECT_EQ(row.after, std::string(positionText));
  EXPECT_EQ(row.contentsRead, contentsRead);
  // Nothing beyond the 128-byte work buffer is touched.
  for (size_t i = 128; i < sizeof positionText; ++i) ASSERT_EQ('#', positionText[i]) << i;
}

INSTANTIATE_TEST_SUITE_P(Rows, PositionReadoutTest, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<ReadoutCase>& info) {
                           return std::string(info.param.name);
                         });

}  // namespace
