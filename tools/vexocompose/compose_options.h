#pragma once
// The command line of vexocompose:
//   vexocompose [--format N] [--shift-x DX] [--shift-y DY] [--swap] INPUT OUTPUT
// Options may come before, between or after the two file names; "--" ends
// the options, so a file name may start with a dash. An option's value is
// the next argument whatever it looks like, so "--shift-x -5" works.
#include <cstdint>
#include <string>
#include <vector>

#include "imaging/image_file.h"
#include "imaging/stereo_format.h"

struct ComposeOptions {
  int32_t format = kColorAnaglyph;
  int32_t shiftX = 0;
  int32_t shiftY = 0;
  bool swapEyes = false;
  std::string input;
  std::string output;
  OutputKind outputKind = OutputKind::kUnknown;
};

enum class ParseOutcome { kCompose, kHelp, kError };

struct ParsedCommandLine {
  ParseOutcome outcome = ParseOutcome::kError;
  ComposeOptions options;
  std::string error;  // one line naming the option or file, for kError
};

// Parses the arguments after the program name. --help (or -h) ends the
// parse with kHelp as soon as it is reached.
ParsedCommandLine ParseComposeArguments(const std::vector<std::string>& args);

enum class NumberParse { kOk, kNotWhole, kOutOfRange };

// A whole decimal number: an optional sign and at least one digit, nothing
// else (no spaces, no hexadecimal, no fraction), within 32-bit signed range.
NumberParse ParseWholeNumber(const std::string& text, int32_t* value);

// The --help text, ending in a line feed.
std::string ComposeUsage();
