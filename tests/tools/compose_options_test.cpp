#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "tools/vexocompose/compose_options.h"

namespace {

using Args = std::vector<std::string>;

struct GoodCase {
  const char* name;
  Args args;
  int32_t format, shiftX, shiftY;
  bool swapEyes;
  const char* input;
  const char* output;
  OutputKind kind;
};

// Tests are listed by the row name.
void PrintTo(const GoodCase& c, std::ostream* os) { *os << c.name; }

class GoodArgumentsTest : public testing::TestWithParam<GoodCase> {};

TEST_P(GoodArgumentsTest, Parse) {
  const GoodCase& c = GetParam();
  const ParsedCommandLine parsed = ParseComposeArguments(c.args);
  ASSERT_EQ(parsed.outcome, ParseOutcome::kCompose) << parsed.error;
  EXPECT_EQ(parsed.options.format, c.format);
  EXPECT_EQ(parsed.options.shiftX, c.shiftX);
  EXPECT_EQ(parsed.options.shiftY, c.shiftY);
  EXPECT_EQ(parsed.options.swapEyes, c.swapEyes);
  EXPECT_EQ(parsed.options.input, c.input);
  EXPECT_EQ(parsed.options.output, c.output);
  EXPECT_EQ(parsed.options.outputKind, c.kind);
}

const GoodCase kGoodCases[] = {
    // Format 3, no shift, eyes as they are.
    {"defaults", {"in.jps", "out.png"}, 3, 0, 0, false, "in.jps", "out.png", OutputKind::kPng},
    {"every_option",
     {"--format", "5", "--shift-x", "12", "--shift-y", "-4", "--swap", "a.bmp", "b.bmp"},
     5, 12, -4, true, "a.bmp", "b.bmp", OutputKind::kBmp},
    {"options_after_files", {"a.png", "b.BMP", "--swap", "--format", "80"}, 80, 0, 0, true,
     "a.png", "b.BMP", OutputKind::kBmp},
    {"option_between_files", {"a.png", "--shift-x", "-7", "b.png"}, 3, -7, 0, false, "a.png",
     "b.png", OutputKind::kPng},
    // Any 32-bit format number is composed (black when it has no rule).
    {"unknown_format_number", {"--format", "-1", "a.png", "b.png"}, -1, 0, 0, false, "a.png",
     "b.png", OutputKind::kPng},
    {"limits", {"--shift-x", "-2147483648", "--shift-y", "2147483647", "a", "b.png"}, 3, INT_MIN,
     INT_MAX, false, "a", "b.png", OutputKind::kPng},
    {"plus_sign_and_leading_zeros", {"--format", "+007", "a", "b.png"}, 7, 0, 0, false, "a",
     "b.png", OutputKind::kPng},
    {"later_value_wins", {"--format", "1", "--format", "2", "a", "b.png"}, 2, 0, 0, false, "a",
     "b.png", OutputKind::kPng},
    // After "--" a name may start with a dash.
    {"double_dash", {"--", "-left.png", "-out.png"}, 3, 0, 0, false, "-left.png", "-out.png",
     OutputKind::kPng},
};
INSTANTIATE_TEST_SUITE_P(Arguments, GoodArgumentsTest, testing::ValuesIn(kGoodCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct BadCase {
  const char* name;
  Args args;
  const char* error;  // the whole one-line message
};

// Tests are listed by the row name.
void PrintTo(const BadCase& c, std::ostream* os) { *os << c.name; }

class BadArgumentsTest : public testing::TestWithParam<BadCase> {};

TEST_P(BadArgumentsTest, NameTheOptionOrFile) {
  const BadCase& c = GetParam();
  const ParsedCommandLine parsed = ParseComposeArguments(c.args);
  EXPECT_EQ(parsed.outcome, ParseOutcome::kError);
  EXPECT_EQ(parsed.error, c.error);
}

const BadCase kBadCases[] = {
    {"nothing", {}, "missing INPUT and OUTPUT file names (see --help)"},
    {"no_output", {"in.png"}, "missing the OUTPUT file name after \"in.png\""},
    {"three_files", {"a.png", "b.png", "c.png"}, "one file name too many: \"c.png\""},
    {"unknown_option", {"--shift", "3", "a", "b.png"}, "unknown option \"--shift\" (see --help)"},
    {"single_dash_file", {"-", "b.png"}, "unknown option \"-\" (see --help)"},
    {"missing_value", {"a", "b.png", "--shift-y"}, "--shift-y needs a value"},
    {"fraction", {"--format", "1.5", "a", "b.png"}, "--format: \"1.5\" is not a whole number"},
    {"empty_number", {"--shift-x", "", "a", "b.png"}, "--shift-x: \"\" is not a whole number"},
    {"trailing_letters", {"--shift-x", "12px", "a", "b.png"},
     "--shift-x: \"12px\" is not a whole number"},
    {"hexadecimal", {"--format", "0x10", "a", "b.png"}, "--format: \"0x10\" is not a whole number"},
    {"space", {"--format", " 3", "a", "b.png"}, "--format: \" 3\" is not a whole number"},
    {"sign_only", {"--shift-y", "-", "a", "b.png"}, "--shift-y: \"-\" is not a whole number"},
    {"above_int_max", {"--shift-x", "2147483648", "a", "b.png"},
     "--shift-x: \"2147483648\" does not fit in 32 bits"},
    {"below_int_min", {"--shift-y", "-2147483649", "a", "b.png"},
     "--shift-y: \"-2147483649\" does not fit in 32 bits"},
    {"many_digits", {"--format", "99999999999999999999999", "a", "b.png"},
     "--format: \"99999999999999999999999\" does not fit in 32 bits"},
    {"jpeg_output", {"a.png", "out.jpg"}, "out.jpg: the output file name must end in .bmp or .png"},
    {"no_output_extension", {"a.png", "out"}, "out: the output file name must end in .bmp or .png"},
};
INSTANTIATE_TEST_SUITE_P(Arguments, BadArgumentsTest, testing::ValuesIn(kBadCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct HelpCase {
  const char* name;
  Args args;
};

// Tests are listed by the row name.
void PrintTo(const HelpCase& c, std::ostream* os) { *os << c.name; }

class HelpTest : public testing::TestWithParam<HelpCase> {};

TEST_P(HelpTest, EndsTheParse) {
  EXPECT_EQ(ParseComposeArguments(GetParam().args).outcome, ParseOutcome::kHelp);
}

const HelpCase kHelpCases[] = {
    {"alone", {"--help"}},
    {"short", {"-h"}},
    {"after_good_options", {"--format", "2", "--help"}},
    // Reached before the bad option, so help wins.
    {"before_a_bad_option", {"--help", "--bogus"}},
};
INSTANTIATE_TEST_SUITE_P(Arguments, HelpTest, testing::ValuesIn(kHelpCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ComposeUsageTest, ListsEveryFormatByNumberAndName) {
  const std::string usage = ComposeUsage();
  for (const char* line :
       {" 0  Side-by-side\n", " 1  Mirror\n", " 2  Anaglyph\n", " 3  Color Anaglyph\n",
        " 4  Half Color Anaglyph\n", " 5  Dubois Anaglyph\n", " 6  Y/B Anaglyph\n",
        " 7  Interlaced\n", " 8  Sharp 3D LCD\n", " 9  3D DLP TV\n", "80  column interleave\n"})
    EXPECT_NE(usage.find(line), std::string::npos) << line;
  EXPECT_EQ(usage.rfind("Usage: vexocompose [--format N]", 0), 0u);
}

}  // namespace
