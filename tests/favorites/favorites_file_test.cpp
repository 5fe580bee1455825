// The favorites file operations over small fixture files. The fixtures and
// the expected files are written with line feeds; on disk they carry the
// line end the platform's text mode writes (CR LF under Windows).
#include "favorites/favorites_file.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <optional>
#include <string>

#include "tests/favorites/favorites_fixture.h"

namespace {

using favtest::Disk;
using favtest::ReadBytes;
using favtest::WriteBytes;
namespace fs = std::filesystem;

const std::string kThree = "Alpha\tP1\t1,25,-2,30\nBeta\tP2\t\nGamma\tP3\t2,0,0,30\n";
// A 603-byte line: read as its first 511 bytes and then the other 92.
const std::string kLongLine = "N\t" + std::string(598, 'p') + "\tQ\n";
constexpr const char* kUntouched = "untouched";

// --- AppendFavorite ---------------------------------------------------------

struct AppendCase {
  const char* label;
  std::optional<std::string> before;  // nothing: no file
  std::string name, position, params;
  FavoriteWrite result;
  std::optional<std::string> after;
};

const AppendCase kAppendCases[] = {
    // A missing file is created with the one record.
    {"NewFile", std::nullopt, "N", "P", "1,25,-2,30", FavoriteWrite::kDone,
     "N\tP\t1,25,-2,30\n"},
    {"EmptyFile", "", "N", "P", "Q", FavoriteWrite::kDone, "N\tP\tQ\n"},
    {"AfterRecords", "A\tB\tC\n", "N", "P", "Q", FavoriteWrite::kDone, "A\tB\tC\nN\tP\tQ\n"},
    // Empty parameters: name, TAB, position, TAB and the line end.
    {"EmptyParams", std::nullopt, "N", "P", "", FavoriteWrite::kDone, "N\tP\t\n"},
    // A hand-edited last line without its line end gets one first.
    {"NoLineEndAtEnd", "A\tB\tC", "N", "P", "Q", FavoriteWrite::kDone, "A\tB\tC\nN\tP\tQ\n"},
    // Fields are stored as given, a TAB in the name included.
    {"NameWithTab", std::nullopt, "Na\tme", "P", "Q", FavoriteWrite::kDone, "Na\tme\tP\tQ\n"},
    {"EmptyNameAndPosition", std::nullopt, "", "", "Q", FavoriteWrite::kDone, "\t\tQ\n"},
    // 200 + 200 + 108 + two TABs + line feed = 511 bytes: the longest line.
    {"LongestLine", "A\tB\tC\n", std::string(200, 'n'), std::string(200, 'p'),
     std::string(108, 'q'), FavoriteWrite::kDone,
     "A\tB\tC\n" + std::string(200, 'n') + "\t" + std::string(200, 'p') + "\t" +
         std::string(108, 'q') + "\n"},
    // One byte more would read back as two records: refused, file unchanged.
    {"LineTooLong", "A\tB\tC\n", std::string(200, 'n'), std::string(200, 'p'),
     std::string(109, 'q'), FavoriteWrite::kRecordTooLong, "A\tB\tC\n"},
    // The longest fields the add dialog takes; nothing is created.
    {"DialogLimitsTooLong", std::nullopt, std::string(255, 'n'), std::string(254, 'p'),
     std::string(255, 'q'), FavoriteWrite::kRecordTooLong, std::nullopt},
};

class AppendFavoriteTest : public testing::TestWithParam<AppendCase>,
                           protected favtest::FolderTest {
 protected:
  void SetUp() override { MakeFolder(); }
  void TearDown() override { RemoveFolder(); }
};

TEST_P(AppendFavoriteTest, WritesTheRecordLine) {
  const AppendCase& c = GetParam();
  if (c.before) WriteBytes(favorites_, Disk(*c.before));
  EXPECT_EQ(AppendFavorite(path_.c_str(), c.name.c_str(), c.position.c_str(), c.params.c_str()),
            c.result);
  std::optional<std::string> expected;
  if (c.after) expected = Disk(*c.after);
  EXPECT_EQ(ReadBytes(favorites_), expected);
}

INSTANTIATE_TEST_SUITE_P(Favorites, AppendFavoriteTest, testing::ValuesIn(kAppendCases),
                         [](const auto& info) { return std::string(info.param.label); });

// --- ReadFavoriteName and ReadFavoriteFields --------------------------------

struct ReadCase {
  const char* label;
  std::optional<std::string> file;  // nothing: no file
  int index;
  int found;
  std::string name, position, params;
};

const ReadCase kReadCases[] = {
    {"FirstOfThree", kThree, 0, 1, "Alpha", "P1", "1,25,-2,30\n"},
    // Empty parameters read back as a lone line feed.
    {"EmptyParams", kThree, 1, 1, "Beta", "P2", "\n"},
    {"LastOfThree", kThree, 2, 1, "Gamma", "P3", "2,0,0,30\n"},
    {"IndexPastEnd", kThree, 3, 0, "", "", ""},
    {"NegativeIndex", kThree, -1, 0, "", "", ""},
    // Without a file the buffers are not touched.
    {"MissingFile", std::nullopt, 0, 0, kUntouched, kUntouched, kUntouched},
    {"EmptyFile", "", 0, 0, "", "", ""},
    // No third field: the line feed stays at the end of the position.
    {"NoThirdField", "N\tP\n", 0, 1, "N", "P\n", ""},
    // A line starting with TAB: the name keeps the TAB and takes the
    // position; the parameters move up into the position.
    {"EmptyName", "\tP\tQ\n", 0, 1, "\tP", "Q\n", ""},
    {"EmptyPosition", "N\t\tQ\n", 0, 1, "N", "Q\n", ""},
    // The name ends at its TAB; the parameters are lost.
    {"NameWithTab", "Na\tme\tP\tQ\n", 0, 1, "Na", "me", "P"},
    {"FourFields", "A\tB\tC\tD\n", 0, 1, "A", "B", "C"},
    // A line without TAB is the name, line feed included.
    {"NameOnly", "N\n", 0, 1, "N\n", "", ""},
    {"OnlyTabs", "\t\t\n", 0, 1, "\t\t\n", "", ""},
    {"NoLineEndAtEnd", "A\tB\tC\nN\tP\tQ", 1, 1, "N", "P", "Q"},
    // A 603-byte line is two lines: 511 bytes, then the rest.
    {"LongLineFirstPart", kLongLine + "B\tP\tQ\n", 0, 1, "N", std::string(509, 'p'), ""},
    {"LongLineRest", kLongLine + "B\tP\tQ\n", 1, 1, std::string(89, 'p'), "Q\n", ""},
    {"AfterLongLine", kLongLine + "B\tP\tQ\n", 2, 1, "B", "P", "Q\n"},
};

class ReadFavoriteTest : public testing::TestWithParam<ReadCase>, protected favtest::FolderTest {
 protected:
  void SetUp() override { MakeFolder(); }
  void TearDown() override { RemoveFolder(); }
};

TEST_P(ReadFavoriteTest, ReadsNameAndFieldsOfTheLine) {
  const ReadCase& c = GetParam();
  if (c.file) WriteBytes(favorites_, Disk(*c.file));
  FavoriteLine name, position, params;
  std::snprintf(name, sizeof name, "%s", kUntouched);
  std::snprintf(position, sizeof position, "%s", kUntouched);
  std::snprintf(params, sizeof params, "%s", kUntouched);
  EXPECT_EQ(ReadFavoriteName(path_.c_str(), c.index, name), c.found);
  EXPECT_EQ(ReadFavoriteFields(path_.c_str(), c.index, position, params), c.found);
  EXPECT_EQ(std::string(name), c.name);
  EXPECT_EQ(std::string(position), c.position);
  EXPECT_EQ(std::string(params), c.params);
}

INSTANTIATE_TEST_SUITE_P(Favorites, ReadFavoriteTest, testing::ValuesIn(kReadCases),
                         [](const auto& info) { return std::string(info.param.label); });

// --- DeleteFavorite ---------------------------------------------------------

struct DeleteCase {
  const char* label;
  std::optional<std::string> before;  // nothing: no file
  std::optional<std::string> staleTemporary;
  int index;
  std::optional<std::string> after;
};

const DeleteCase kDeleteCases[] = {
    {"FirstOfThree", kThree, std::nullopt, 0, "Beta\tP2\t\nGamma\tP3\t2,0,0,30\n"},
    {"MiddleOfThree", kThree, std::nullopt, 1, "Alpha\tP1\t1,25,-2,30\nGamma\tP3\t2,0,0,30\n"},
    {"LastOfThree", kThree, std::nullopt, 2, "Alpha\tP1\t1,25,-2,30\nBeta\tP2\t\n"},
    // An index that names no line deletes nothing.
    {"IndexPastEnd", kThree, std::nullopt, 5, kThree},
    {"NegativeIndex", kThree, std::nullopt, -1, kThree},
    {"MissingFile", std::nullopt, std::nullopt, 0, std::nullopt},
    {"OnlyRecord", "N\tP\tQ\n", std::nullopt, 0, ""},
    // The other lines are copied byte for byte, a missing last line end too.
    {"NoLineEndAtEnd", "A\tB\tC\nN\tP\tQ", std::nullopt, 0, "N\tP\tQ"},
    // Deleting the rest of a long line leaves its first 511 bytes.
    {"LongLineRest", kLongLine + "B\tP\tQ\n", std::nullopt, 1,
     "N\t" + std::string(509, 'p') + "B\tP\tQ\n"},
    // A temporary file left from before is overwritten, not trusted.
    {"StaleTemporary", kThree, std::string("stale\tleft\tover\n"), 0,
     "Beta\tP2\t\nGamma\tP3\t2,0,0,30\n"},
};

class DeleteFavoriteTest : public testing::TestWithParam<DeleteCase>,
                           protected favtest::FolderTest {
 protected:
  void SetUp() override { MakeFolder(); }
  void TearDown() override { RemoveFolder(); }
};

TEST_P(DeleteFavoriteTest, LeavesTheOtherLinesAndNoTemporary) {
  const DeleteCase& c = GetParam();
  if (c.before) WriteBytes(favorites_, Disk(*c.before));
  if (c.staleTemporary) WriteBytes(temporary_, Disk(*c.staleTemporary));
  EXPECT_EQ(DeleteFavorite(path_.c_str(), c.index), FavoriteWrite::kDone);
  std::optional<std::string> expected;
  if (c.after) expected = Disk(*c.after);
  EXPECT_EQ(ReadBytes(favorites_), expected);
  EXPECT_FALSE(fs::exists(temporary_));
}

INSTANTIATE_TEST_SUITE_P(Favorites, DeleteFavoriteTest, testing::ValuesIn(kDeleteCases),
                         [](const auto& info) { return std::string(info.param.label); });

// --- Writing when the file cannot be written --------------------------------

enum class Operation { kAppend, kDelete };
enum class Obstacle {
  kReadOnlyFile,      // the favorites file is read-only
  kReadOnlyFolder,    // its folder takes no new files
  kTemporaryIsFolder, // a folder stands where the temporary file goes
  kPathIsFolder,      // a folder stands where the favorites file goes
};

struct FailureCase {
  const char* label;
  Operation operation;
  Obstacle obstacle;
};

const FailureCase kFailureCases[] = {
    {"AppendReadOnlyFile", Operation::kAppend, Obstacle::kReadOnlyFile},
    {"AppendPathIsFolder", Operation::kAppend, Obstacle::kPathIsFolder},
    {"DeleteReadOnlyFile", Operation::kDelete, Obstacle::kReadOnlyFile},
    {"DeleteReadOnlyFolder", Operation::kDelete, Obstacle::kReadOnlyFolder},
    {"DeleteTemporaryIsFolder", Operation::kDelete, Obstacle::kTemporaryIsFolder},
};

class WriteFailureTest : public testing::TestWithParam<FailureCase>,
                         protected favtest::FolderTest {
 protected:
  void SetUp() override { MakeFolder(); }
  void TearDown() override { RemoveFolder(); }
};

constexpr fs::perms kReadOnly =
    fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;

TEST_P(WriteFailureTest, ReportsFailureAndLeavesTheFileAsItWas) {
  const FailureCase& c = GetParam();
  const std::string before = Disk(kThree);
  if (c.obstacle == Obstacle::kPathIsFolder) {
    fs::create_directory(favorites_);
  } else {
    WriteBytes(favorites_, before);
  }
  if (c.obstacle == Obstacle::kTemporaryIsFolder) fs::create_directory(temporary_);
  if (c.obstacle == Obstacle::kReadOnlyFile) fs::permissions(favorites_, kReadOnly);
  if (c.obstacle == Obstacle::kReadOnlyFolder) {
    fs::permissions(folder_, kReadOnly | fs::perms::owner_exec);
    // Windows ignores a folder's read-only mark, and root ignores permissions.
    if (FILE* probe = std::fopen((folder_ / "probe").string().c_str(), "w")) {
      std::fclose(probe);
      GTEST_SKIP() << "this process can write to a read-only folder";
    }
  }
  if (c.operation == Operation::kAppend && c.obstacle == Obstacle::kReadOnlyFile) {
    if (FILE* probe = std::fopen(path_.c_str(), "r+")) {
      std::fclose(probe);
      GTEST_SKIP() << "this process can write to a read-only file";
    }
  }

  FavoriteWrite result = c.operation == Operation::kAppend
                             ? AppendFavorite(path_.c_str(), "N", "P", "Q")
                             : DeleteFavorite(path_.c_str(), 0);
  EXPECT_EQ(result, FavoriteWrite::kFileFailed);
  if (c.obstacle == Obstacle::kPathIsFolder) {
    EXPECT_TRUE(fs::is_directory(favorites_));
  } else {
    EXPECT_EQ(ReadBytes(favorites_), before);
  }
  if (c.obstacle == Obstacle::kTemporaryIsFolder) {
    EXPECT_TRUE(fs::is_directory(temporary_));
  } else {
    EXPECT_FALSE(fs::exists(temporary_));
  }
}

INSTANTIATE_TEST_SUITE_P(Favorites, WriteFailureTest, testing::ValuesIn(kFailureCases),
                         [](const auto& info) { return std::string(info.param.label); });

// After a failed deletion the file still works: the obstacle gone, the same
// deletion succeeds, and nothing of the failed one gets in the way.
class DeleteAfterFailureTest : public testing::Test, protected favtest::FolderTest {
 protected:
  void SetUp() override { MakeFolder(); }
  void TearDown() override { RemoveFolder(); }
};

TEST_F(DeleteAfterFailureTest, SucceedsOnceTheFileIsWritable) {
  WriteBytes(favorites_, Disk(kThree));
  fs::permissions(favorites_, kReadOnly);
  ASSERT_EQ(DeleteFavorite(path_.c_str(), 1), FavoriteWrite::kFileFailed);
  fs::permissions(favorites_, fs::perms::owner_write, fs::perm_options::add);
  EXPECT_EQ(DeleteFavorite(path_.c_str(), 1), FavoriteWrite::kDone);
  EXPECT_EQ(ReadBytes(favorites_), Disk("Alpha\tP1\t1,25,-2,30\nGamma\tP3\t2,0,0,30\n"));
  EXPECT_FALSE(fs::exists(temporary_));
}

}  // namespace
