// Runs the real vexocompose (natively, or vexocompose.exe under Wine) and
// checks its exit status, its messages, the files it leaves, and that its
// output is bit for bit the core's own composition of the same input.
// The tool's path comes from the VEXOCOMPOSE environment variable.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "imaging/image_file.h"
#include "imaging/stereo_compose.h"
#include "tests/tools/image_fixtures.h"
#include "tests/tools/run_tool.h"

namespace {

namespace fs = std::filesystem;
using Args = std::vector<std::string>;

struct ToolResult {
  int status;
  std::string out;
  std::string err;
};

std::string Text(const std::vector<uint8_t>& bytes) {
  return std::string(bytes.begin(), bytes.end());
}

// A fresh directory for one test, named after it: the native tests run in
// parallel.
std::string ScratchDirectory() {
  const testing::TestInfo* info = testing::UnitTest::GetInstance()->current_test_info();
  std::string name = std::string(info->test_suite_name()) + "-" + info->name();
  std::replace(name.begin(), name.end(), '/', '-');
  const fs::path dir = fs::path("vexocompose-cli") / name;
  fs::remove_all(dir);
  fs::create_directories(dir);
  return dir.string();
}

std::vector<std::string> FilesIn(const std::string& dir) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(dir))
    names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

// "@name" stands for the file name in the test's directory.
ToolResult RunVexocompose(const std::string& dir, Args args) {
  const char* tool = std::getenv("VEXOCOMPOSE");
  EXPECT_NE(tool, nullptr) << "VEXOCOMPOSE names the tool to test";
  if (!tool) return {-1, "", ""};
  for (std::string& arg : args)
    if (!arg.empty() && arg[0] == '@') arg = dir + "/" + arg.substr(1);
  const std::string outPath = dir + "/../" + fs::path(dir).filename().string() + ".stdout";
  const std::string errPath = dir + "/../" + fs::path(dir).filename().string() + ".stderr";
  ToolResult result;
  result.status = RunTool(tool, args, outPath, errPath);
  result.out = Text(ReadFileBytes(outPath));
  result.err = Text(ReadFileBytes(errPath));
  return result;
}

enum class Input { kBmp24, kBmp32TopDown, kPng, kJpeg };

std::vector<uint8_t> InputBytes(Input input, int width, int height) {
  switch (input) {
    case Input::kBmp24:
      return BmpBytes(width, height, 24, false, Tagged);
    case Input::kBmp32TopDown:
      return BmpBytes(width, height, 32, true, Tagged);
    case Input::kPng:
      return PngBytes(width, height, 3, Tagged);
    case Input::kJpeg:
      return JpegBytes(width, height, 85, Tagged);
  }
  return {};
}

// A BMP file of a frame as the tool must write it: the 14-byte file header,
// then the frame's header and rows copied from memory.
std::vector<uint8_t> ExpectedBmp(const FrameImage* frame) {
  const uint32_t image = frame->biSizeImage;
  std::vector<uint8_t> bytes(54 + image);
  bytes[0] = 'B';
  bytes[1] = 'M';
  PutLe32At(&bytes, 2, 54 + image);
  PutLe32At(&bytes, 10, 54);
  const auto* block = reinterpret_cast<const uint8_t*>(frame);
  std::copy(block, block + 40 + image, bytes.begin() + 14);
  return bytes;
}

struct RoundTripCase {
  const char* name;
  Input input;
  int width, height;
  const char* format;  // nullptr: the default, 3
  int32_t dx, dy;
  bool swap;
  const char* output;  // output file name
};

// Tests are listed by the row name.
void PrintTo(const RoundTripCase& c, std::ostream* os) { *os << c.name; }

class RoundTripTest : public testing::TestWithParam<RoundTripCase> {};

TEST_P(RoundTripTest, OutputIsTheCoresComposition) {
  const RoundTripCase& c = GetParam();
  const std::string dir = ScratchDirectory();
  const std::vector<uint8_t> input = InputBytes(c.input, c.width, c.height);
  WriteFileBytes(dir + "/in.img", input);

  // The captured frame: the painted picture, or for JPEG what the core's
  // decoder makes of the same file.
  std::string error;
  UniqueFrame captured = c.input == Input::kJpeg ? DecodeImage(input.data(), input.size(), &error)
                                                 : MakeFrame(c.width, c.height, Tagged);
  ASSERT_NE(captured, nullptr) << error;
  const int32_t format = c.format ? std::atoi(c.format) : 3;
  UniqueFrame expected(ComposeCaptured(captured.release(), c.dx, c.dy, format, c.swap ? 1 : 0));
  ASSERT_NE(expected, nullptr);

  Args args;
  if (c.format) args.insert(args.end(), {"--format", c.format});
  if (c.dx) args.insert(args.end(), {"--shift-x", std::to_string(c.dx)});
  if (c.dy) args.insert(args.end(), {"--shift-y", std::to_string(c.dy)});
  if (c.swap) args.push_back("--swap");
  args.insert(args.end(), {"@in.img", std::string("@") + c.output});
  const ToolResult result = RunVexocompose(dir, args);
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.err, "");
  EXPECT_EQ(FilesIn(dir), (std::vector<std::string>{"in.img", c.output}));

  const std::vector<uint8_t> written = ReadFileBytes(dir + "/" + c.output);
  if (OutputKindForPath(c.output) == OutputKind::kBmp) {
    EXPECT_TRUE(written == ExpectedBmp(expected.get()));
  } else {
    UniqueFrame back = DecodeImage(written.data(), written.size(), &error);
    ASSERT_NE(back, nullptr) << error;
    ASSERT_EQ(FrameWidth(back.get()), FrameWidth(expected.get()));
    ASSERT_EQ(FrameHeight(back.get()), FrameHeight(expected.get()));
    EXPECT_EQ(
        std::memcmp(FramePixels(back.get()), FramePixels(expected.get()), expected->biSizeImage),
        0);
  }
  fs::remove_all(dir);
}

// A 22 x 7 capture: eyes of 11 columns (odd), shifts in both directions.
const RoundTripCase kRoundTripCases[] = {
    {"f0_side_by_side", Input::kBmp24, 22, 7, "0", 2, 1, false, "out.bmp"},
    {"f1_mirror", Input::kBmp24, 22, 7, "1", -3, 0, false, "out.bmp"},
    {"f2_anaglyph", Input::kBmp24, 22, 7, "2", 0, -2, false, "out.bmp"},
    {"f3_default_color_anaglyph", Input::kBmp24, 22, 7, nullptr, 0, 0, false, "out.bmp"},
    {"f4_half_color", Input::kBmp24, 22, 7, "4", 1, 0, true, "out.bmp"},
    {"f5_dubois", Input::kBmp24, 22, 7, "5", -1, 1, true, "out.bmp"},
    {"f6_yellow_blue", Input::kBmp24, 22, 7, "6", 0, 0, false, "out.bmp"},
    {"f7_interlaced", Input::kBmp24, 22, 7, "7", 0, 2, false, "out.bmp"},
    // posX above 0: the first green comes from left of the right eye.
    {"f8_sharp_lcd", Input::kBmp24, 22, 7, "8", 2, 0, false, "out.bmp"},
    {"f9_checkerboard", Input::kBmp24, 22, 7, "9", 0, -1, false, "out.bmp"},
    {"f80_columns", Input::kBmp24, 22, 7, "80", 0, 0, true, "out.bmp"},
    {"f12_black", Input::kBmp24, 22, 7, "12", 0, 0, false, "out.bmp"},
    {"f_minus_1_black_double_width", Input::kBmp24, 22, 7, "-1", 0, 0, false, "out.bmp"},
    // Below 10 rows the vertical limit is negative: the shift flips to -3.
    {"dy_int_max_flips", Input::kBmp24, 22, 7, "3", 0, 2147483647, false, "out.bmp"},
    {"png_output", Input::kBmp24, 22, 7, "5", 3, -1, false, "out.PNG"},
    {"png_input", Input::kPng, 21, 4, "0", -2, 0, false, "out.bmp"},
    {"bmp32_top_down_input", Input::kBmp32TopDown, 22, 7, "7", 0, 0, false, "out.png"},
    {"jpeg_side_by_side_photo", Input::kJpeg, 32, 16, "3", 1, 0, false, "out.bmp"},
};
INSTANTIATE_TEST_SUITE_P(Formats, RoundTripTest, testing::ValuesIn(kRoundTripCases),
                         [](const auto& info) { return std::string(info.param.name); });

enum class Fixture { kNone, kGood, kNarrow, kLow, kTruncated, kText, kWide };

std::vector<uint8_t> FixtureBytes(Fixture fixture) {
  switch (fixture) {
    case Fixture::kNone:
      break;
    case Fixture::kGood:
      return BmpBytes(22, 7, 24, false, Tagged);
    case Fixture::kNarrow:
      return BmpBytes(1, 7, 24, false, Tagged);
    case Fixture::kLow:
      return BmpBytes(22, 5, 24, false, Tagged);
    case Fixture::kTruncated: {
      std::vector<uint8_t> bytes = BmpBytes(22, 7, 24, false, Tagged);
      bytes.resize(bytes.size() - 10);
      return bytes;
    }
    case Fixture::kText:
      return {'n', 'o', 't', ' ', 'a', 'n', ' ', 'i', 'm', 'a', 'g', 'e'};
    case Fixture::kWide: {
      std::vector<uint8_t> bytes = BmpBytes(2, 2, 24, false, Tagged);
      PutLe32At(&bytes, 18, 65536);
      return bytes;
    }
  }
  return {};
}

struct FailureCase {
  const char* name;
  Fixture input;      // written as in.bmp
  int status;
  bool outputBefore;  // an out.png is there before the run
  Args args;
  const char* stderrHas;
};

// Tests are listed by the row name.
void PrintTo(const FailureCase& c, std::ostream* os) { *os << c.name; }

class FailureTest : public testing::TestWithParam<FailureCase> {};

TEST_P(FailureTest, OneLineAndNoOutputFile) {
  const FailureCase& c = GetParam();
  const std::string dir = ScratchDirectory();
  std::vector<std::string> before;
  if (c.input != Fixture::kNone) {
    WriteFileBytes(dir + "/in.bmp", FixtureBytes(c.input));
    before.push_back("in.bmp");
  }
  const std::vector<uint8_t> old = {'o', 'l', 'd'};
  if (c.outputBefore) {
    WriteFileBytes(dir + "/out.png", old);
    before.push_back("out.png");
  }
  const ToolResult result = RunVexocompose(dir, c.args);
  EXPECT_EQ(result.status, c.status);
  EXPECT_EQ(result.out, "");
  EXPECT_EQ(result.err.rfind("vexocompose: ", 0), 0u) << result.err;
  EXPECT_NE(result.err.find(c.stderrHas), std::string::npos) << result.err;
  // One line: a single line feed (or CR LF from the Windows runtime), last.
  const size_t firstBreak = result.err.find('\n');
  EXPECT_EQ(firstBreak, result.err.size() - 1) << result.err;
  EXPECT_EQ(FilesIn(dir), before);
  if (c.outputBefore) {
    EXPECT_EQ(ReadFileBytes(dir + "/out.png"), old);
  }
  fs::remove_all(dir);
}

const FailureCase kFailureCases[] = {
    {"missing_input", Fixture::kNone, 2, false, {"@missing.bmp", "@out.png"},
     "missing.bmp: cannot open"},
    {"truncated_bmp", Fixture::kTruncated, 2, false, {"@in.bmp", "@out.png"},
     "in.bmp: the BMP file holds"},
    {"not_an_image", Fixture::kText, 2, false, {"@in.bmp", "@out.png"}, "not a BMP, PNG or JPEG"},
    {"wider_than_65535", Fixture::kWide, 2, false, {"@in.bmp", "@out.png"}, "at most 65535"},
    {"jpeg_output", Fixture::kGood, 2, false, {"@in.bmp", "@out.jpg"},
     "out.jpg: the output file name"},
    {"unknown_option", Fixture::kGood, 2, false, {"--frobnicate", "@in.bmp", "@out.png"},
     "\"--frobnicate\""},
    {"format_not_whole", Fixture::kGood, 2, false, {"--format", "3x", "@in.bmp", "@out.png"},
     "--format: \"3x\" is not a whole number"},
    {"shift_beyond_32_bits", Fixture::kGood, 2, false,
     {"--shift-x", "2147483648", "@in.bmp", "@out.png"},
     "--shift-x: \"2147483648\" does not fit in 32 bits"},
    {"missing_value", Fixture::kGood, 2, false, {"@in.bmp", "@out.png", "--shift-y"},
     "--shift-y needs a value"},
    {"missing_output", Fixture::kGood, 2, false, {"@in.bmp"}, "missing the OUTPUT file name"},
    // Exit 3: the composition has no picture; an older output stays as it was.
    {"shift_of_half_the_width", Fixture::kGood, 3, true,
     {"--shift-x", "11", "@in.bmp", "@out.png"}, "horizontal shift of 11 leaves no columns"},
    {"shift_int_min", Fixture::kGood, 3, false,
     {"--shift-x", "-2147483648", "@in.bmp", "@out.png"},
     "horizontal shift of -12 (from -2147483648)"},
    {"one_pixel_wide", Fixture::kNarrow, 3, false, {"@in.bmp", "@out.png"}, "too narrow"},
    // Five rows: the limit is -5, so a shift of 1 becomes -5 and leaves 0 rows.
    {"no_rows_left", Fixture::kLow, 3, false,
     {"--shift-y", "1", "--format", "0", "@in.bmp", "@out.bmp"},
     "vertical shift of -5 (from 1) leaves no rows"},
};
INSTANTIATE_TEST_SUITE_P(Inputs, FailureTest, testing::ValuesIn(kFailureCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(HelpTest, ListsTheFormatsAndExitsZero) {
  const std::string dir = ScratchDirectory();
  const ToolResult result = RunVexocompose(dir, {"--help"});
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(result.err, "");
  EXPECT_NE(result.out.find("Dubois Anaglyph"), std::string::npos) << result.out;
  EXPECT_NE(result.out.find("80  column interleave"), std::string::npos) << result.out;
  fs::remove_all(dir);
}

}  // namespace
