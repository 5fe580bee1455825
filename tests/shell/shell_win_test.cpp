// The registry settings store and the string loader on the real system.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "resources/resource.h"
#include "shell/resource_text_win.h"
#include "shell/settings_win.h"

namespace {

// A throwaway key beside the real one, removed before and after each test.
constexpr char kTestParent[] = "Software\\Quil\\vexolan-test";
constexpr char kTestKey[] = "Software\\Quil\\vexolan-test\\settings";

class RegistrySettingsTest : public testing::Test {
 protected:
  void SetUp() override { RegDeleteTreeA(HKEY_CURRENT_USER, kTestParent); }
  void TearDown() override { RegDeleteTreeA(HKEY_CURRENT_USER, kTestParent); }

  // Stores raw bytes of a given type, as a hand edit of the registry would.
  void StoreRaw(const char* name, DWORD type, const void* bytes, DWORD count) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kTestKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key,
                              nullptr),
              ERROR_SUCCESS);
    EXPECT_EQ(RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(bytes), count),
              ERROR_SUCCESS);
    RegCloseKey(key);
  }

  std::string Read(const char* name, size_t size = kSettingReadLimit) {
    std::string buffer(size + 8, 'x');  // filler shows an unterminated read
    ReadSettingUnder(kTestKey, name, &buffer[0], size);
    EXPECT_NE(std::memchr(buffer.data(), '\0', size), nullptr) << "unterminated";
    return std::string(buffer.c_str());
  }
};

TEST_F(RegistrySettingsTest, MissingKeyReadsEmpty) {
  EXPECT_EQ(Read("StereoType"), "");
}

TEST_F(RegistrySettingsTest, FirstWriteCreatesTheKey) {
  EXPECT_EQ(WriteSettingUnder(kTestKey, "StereoType", "5"), ERROR_SUCCESS);
  HKEY key = nullptr;
  ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, kTestKey, 0, KEY_READ, &key), ERROR_SUCCESS);
  char data[16] = {};
  DWORD type = 0;
  DWORD count = sizeof data;
  EXPECT_EQ(RegQueryValueExA(key, "StereoType", nullptr, &type, reinterpret_cast<BYTE*>(data),
                             &count),
            ERROR_SUCCESS);
  RegCloseKey(key);
  // One character and its terminator, as REG_SZ.
  EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(count, 2u);
  EXPECT_STREQ(data, "5");
  EXPECT_EQ(Read("StereoType"), "5");
}

TEST_F(RegistrySettingsTest, MissingValueInExistingKeyReadsEmpty) {
  WriteSettingUnder(kTestKey, "Div", "30");
  EXPECT_EQ(Read("Navigation"), "");
}

struct RoundTripCase {
  const char* name;
  std::string text;
  size_t size;
  std::string expected;
};

class RegistryRoundTripTest : public RegistrySettingsTest,
                              public testing::WithParamInterface<RoundTripCase> {};

TEST_P(RegistryRoundTripTest, ReadsBackWhatWasWritten) {
  const RoundTripCase& c = GetParam();
  WriteSettingUnder(kTestKey, "Value", c.text.c_str());
  EXPECT_EQ(Read("Value", c.size), c.expected);
}

const RoundTripCase kRoundTripCases[] = {
    {"Number", "12abc", kSettingReadLimit, "12abc"},
    {"Empty", "", kSettingReadLimit, ""},
    {"NinetyNineCharacters", std::string(99, 'n'), kSettingReadLimit, std::string(99, 'n')},
    // Too long for the numbers' limit: absent, never cut or unterminated.
    {"HundredCharacters", std::string(100, 'n'), kSettingReadLimit, ""},
    // The longest search text comes back whole in its 256-byte field.
    {"LongSearch", std::string(254, 's'), 256, std::string(254, 's')},
    {"FullSearchField", std::string(255, 's'), 256, std::string(255, 's')},
    {"BeyondSearchField", std::string(256, 's'), 256, ""},
    {"AnsiText", "Z\xfcrich", kSettingReadLimit, "Z\xfcrich"},
};
INSTANTIATE_TEST_SUITE_P(Texts, RegistryRoundTripTest, testing::ValuesIn(kRoundTripCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(RegistrySettingsTest, ValueWithoutTerminatorIsTerminated) {
  StoreRaw("Div", REG_SZ, "45", 2);
  EXPECT_EQ(Read("Div"), "45");
}

TEST_F(RegistrySettingsTest, StoredTypeIsNotExamined) {
  StoreRaw("Div", REG_BINARY, "77\0", 3);
  EXPECT_EQ(Read("Div"), "77");
}

TEST_F(RegistrySettingsTest, FailedWriteIsReported) {
  // A key name longer than the registry's 255-character limit cannot be made.
  const std::string tooLong = std::string(kTestParent) + "\\" + std::string(300, 'k');
  EXPECT_NE(WriteSettingUnder(tooLong.c_str(), "Div", "1"), ERROR_SUCCESS);
  std::string buffer(kSettingReadLimit, 'x');
  ReadSettingUnder(tooLong.c_str(), "Div", &buffer[0], buffer.size());
  EXPECT_STREQ(buffer.c_str(), "");
}

TEST_F(RegistrySettingsTest, RealKeyNameIsTheProgramsOwn) {
  EXPECT_STREQ(kSettingsKey, "Software\\Quil\\vexolan");
}

TEST(LoadResStringTest, TwoResultsStayValidAndTheThirdReusesTheFirstBuffer) {
  const char* first = LoadResString(IDS_APP_TITLE);
  const char* second = LoadResString(IDS_INIT_ERROR);
  EXPECT_STREQ(first, "Vexoscope");
  EXPECT_STREQ(second, "IE Intialize error!");
  EXPECT_NE(first, second);
  const char* third = LoadResString(IDS_INIT_ERROR_CAPTION);
  EXPECT_EQ(third, first);
  EXPECT_STREQ(first, "Error!");
  EXPECT_STREQ(second, "IE Intialize error!");
  const char* fourth = LoadResString(IDS_APP_TITLE);
  EXPECT_EQ(fourth, second);
}

TEST(LoadResStringTest, MissingEntryGivesAnEmptyText) {
  LoadResString(IDS_APP_TITLE);
  const char* missing = LoadResString(1);  // no entry 1 in the table
  EXPECT_STREQ(missing, "");
}

}  // namespace
