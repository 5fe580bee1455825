#include "shell/module_path.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

namespace {

// Lead bytes of code page 932 (Shift JIS).
bool ShiftJisLead(unsigned char byte) {
  return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

// A single-byte code page such as 1252 has no lead bytes.
bool SingleByte(unsigned char) {
  return false;
}

struct DirectoryCase {
  const char* name;
  const char* source;
  LeadByteTest isLeadByte;
  const char* expected;
};

class ModuleDirectoryTest : public testing::TestWithParam<DirectoryCase> {};

TEST_P(ModuleDirectoryTest, CutsAfterTheLastSeparator) {
  const DirectoryCase& c = GetParam();
  // Exactly the source and its terminator, so a write past it is caught by
  // the address sanitizer.
  std::string source(c.source);
  std::unique_ptr<char[]> destination(new char[source.size() + 1]);
  ModuleDirectory(destination.get(), source.c_str(), c.isLeadByte);
  EXPECT_STREQ(destination.get(), c.expected);
}

const DirectoryCase kDirectoryCases[] = {
    {"Plain", "D:\\dir\\prog.exe", SingleByte, "D:\\dir\\"},
    {"DriveRoot", "C:\\prog.exe", SingleByte, "C:\\"},
    {"NoBackslash", "prog.exe", SingleByte, "prog.exe"},
    {"Empty", "", SingleByte, ""},
    {"TrailingBackslash", "D:\\dir\\", SingleByte, "D:\\dir\\"},
    // "\x95\x5C" is one Shift JIS character whose second byte is a backslash.
    {"TrailByteIsBackslash", "D:\\\x95\x5C\\prog.exe", ShiftJisLead, "D:\\\x95\x5C\\"},
    {"TrailByteIsBackslashAtEnd", "D:\\dir\\\x95\x5C", ShiftJisLead, "D:\\dir\\"},
    // "\xE9" is e-acute in code page 1252: the backslash after it counts.
    {"AccentedFolder", "C:\\Users\\Jos\xE9\\vexoscope.exe", SingleByte,
     "C:\\Users\\Jos\xE9\\"},
    // A lead byte at the very end has no trail byte: nothing read past it.
    {"LoneLeadByteAtEnd", "D:\\dir\\\x95", ShiftJisLead, "D:\\dir\\"},
};
INSTANTIATE_TEST_SUITE_P(Paths, ModuleDirectoryTest, testing::ValuesIn(kDirectoryCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct FavoritesCase {
  const char* name;
  std::string executable;
  size_t destinationSize;
  bool fits;
  std::string expected;
};

class FavoritesPathTest : public testing::TestWithParam<FavoritesCase> {};

TEST_P(FavoritesPathTest, LiesBesideTheExecutableOrStaysEmpty) {
  const FavoritesCase& c = GetParam();
  std::unique_ptr<char[]> destination(new char[c.destinationSize]);
  std::memset(destination.get(), 'x', c.destinationSize);
  EXPECT_EQ(FavoritesPathBeside(destination.get(), c.destinationSize, c.executable.c_str(),
                                SingleByte),
            c.fits);
  EXPECT_EQ(std::string(destination.get()), c.expected);
}

// A directory of d characters (with its drive and final backslash).
std::string DirectoryOf(size_t d) {
  return "C:\\" + std::string(d - 4, 'a') + "\\";
}

const FavoritesCase kFavoritesCases[] = {
    {"Beside", "D:\\dir\\prog.exe", 260, true, "D:\\dir\\favvexo.txt"},
    // 248 + 11 = 259 characters: the longest that fits the 260-byte field.
    {"LongestThatFits", DirectoryOf(248) + "v.exe", 260, true, DirectoryOf(248) + "favvexo.txt"},
    {"OneTooLong", DirectoryOf(249) + "v.exe", 260, false, ""},
    // An executable path as long as the field allows.
    {"LongExecutable", DirectoryOf(250) + std::string(9, 'v'), 260, false, ""},
    {"PathLongerThanField", DirectoryOf(100) + std::string(200, 'v'), 260, false, ""},
};
INSTANTIATE_TEST_SUITE_P(Paths, FavoritesPathTest, testing::ValuesIn(kFavoritesCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
