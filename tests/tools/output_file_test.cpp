#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/tools/image_fixtures.h"
#include "tools/vexocompose/output_file.h"

namespace {

namespace fs = std::filesystem;

const std::vector<uint8_t> kNew = {'n', 'e', 'w', 0, 0xFF};
const std::vector<uint8_t> kOld = {'o', 'l', 'd'};
const std::vector<uint8_t> kOther = {'t', 'a', 'k', 'e', 'n'};

struct WriteCase {
  const char* name;
  bool outputExists;    // a file of the output's name is there already
  bool firstTempTaken;  // the first temporary name is taken by another file
  bool outputIsDirectory;
  bool inMissingDirectory;
  const char* error;    // nullptr: the write succeeds
};

// Tests are listed by the row name.
void PrintTo(const WriteCase& c, std::ostream* os) { *os << c.name; }

class WriteFileReplacingTest : public testing::TestWithParam<WriteCase> {};

TEST_P(WriteFileReplacingTest, LeavesTheWholeFileOrTheOldState) {
  const WriteCase& c = GetParam();
  const fs::path dir = fs::path("output-file-test") / c.name;
  fs::remove_all(dir);
  fs::create_directories(dir);
  const std::string output =
      ((c.inMissingDirectory ? dir / "missing" : dir) / "out.png").string();
  if (c.outputExists) WriteFileBytes(output, kOld);
  if (c.firstTempTaken) WriteFileBytes(TemporaryPathFor(output, 0), kOther);
  if (c.outputIsDirectory) fs::create_directory(output);

  std::string error;
  const bool ok = WriteFileReplacing(output, kNew, &error);

  if (c.error) {
    EXPECT_FALSE(ok);
    EXPECT_NE(error.find(c.error), std::string::npos) << error;
    if (c.outputExists) {
      EXPECT_EQ(ReadFileBytes(output), kOld);
    }
    if (!c.outputExists && !c.outputIsDirectory) {
      EXPECT_FALSE(fs::exists(output));
    }
  } else {
    EXPECT_TRUE(ok) << error;
    EXPECT_EQ(ReadFileBytes(output), kNew);
  }
  // No temporary file stays behind; a file that held a temporary name is kept.
  std::vector<std::string> left;
  if (fs::exists(dir))
    for (const auto& entry : fs::directory_iterator(dir))
      left.push_back(entry.path().filename().string());
  std::vector<std::string> expected;
  const bool outputThere = !c.error || c.outputExists || c.outputIsDirectory;
  if (outputThere && !c.inMissingDirectory) expected.push_back("out.png");
  if (c.firstTempTaken) expected.push_back("out.png.0.tmp");
  std::sort(left.begin(), left.end());
  EXPECT_EQ(left, expected);
  if (c.firstTempTaken) {
    EXPECT_EQ(ReadFileBytes(TemporaryPathFor(output, 0)), kOther);
  }
  fs::remove_all(dir);
}

const WriteCase kWriteCases[] = {
    {"new_file", false, false, false, false, nullptr},
    {"replaces_old_file", true, false, false, false, nullptr},
    {"skips_a_taken_temporary_name", false, true, false, false, nullptr},
    {"missing_directory", false, false, false, true, "cannot create a file there"},
    {"output_is_a_directory", false, false, true, false, "cannot replace the file"},
};
INSTANTIATE_TEST_SUITE_P(Cases, WriteFileReplacingTest, testing::ValuesIn(kWriteCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(TemporaryPathForTest, StaysBesideTheOutput) {
  EXPECT_EQ(TemporaryPathFor("dir/out.png", 0), "dir/out.png.0.tmp");
  EXPECT_EQ(TemporaryPathFor("out.bmp", 12), "out.bmp.12.tmp");
}

}  // namespace
