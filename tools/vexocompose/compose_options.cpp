#include "tools/vexocompose/compose_options.h"

namespace {

struct FormatName {
  int32_t number;
  const char* name;
};

// The formats in menu order; 80 has no name of its own in the viewer.
const FormatName kFormatNames[] = {
    {kSideBySide, "Side-by-side"},
    {kMirror, "Mirror"},
    {kAnaglyph, "Anaglyph"},
    {kColorAnaglyph, "Color Anaglyph"},
    {kHalfColorAnaglyph, "Half Color Anaglyph"},
    {kDuboisAnaglyph, "Dubois Anaglyph"},
    {kYellowBlueAnaglyph, "Y/B Anaglyph"},
    {kInterlaced, "Interlaced"},
    {kSharp3dLcd, "Sharp 3D LCD"},
    {kDlpCheckerboard, "3D DLP TV"},
    {kColumnInterleave, "column interleave"},
};

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

ParsedCommandLine Failure(std::string error) {
  ParsedCommandLine parsed;
  parsed.outcome = ParseOutcome::kError;
  parsed.error = std::move(error);
  return parsed;
}

}  // namespace

NumberParse ParseWholeNumber(const std::string& text, int32_t* value) {
  size_t pos = 0;
  bool negative = false;
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) negative = text[pos++] == '-';
  if (pos == text.size()) return NumberParse::kNotWhole;
  // Accumulate in 64 bits and stop as soon as the magnitude leaves the
  // 32-bit range, so that no number of digits can overflow.
  const int64_t limit = negative ? -static_cast<int64_t>(INT32_MIN) : INT32_MAX;
  int64_t magnitude = 0;
  bool outOfRange = false;
  for (; pos < text.size(); ++pos) {
    const char c = text[pos];
    if (c < '0' || c > '9') return NumberParse::kNotWhole;
    if (!outOfRange) {
      magnitude = magnitude * 10 + (c - '0');
      if (magnitude > limit) outOfRange = true;
    }
  }
  if (outOfRange) return NumberParse::kOutOfRange;
  *value = static_cast<int32_t>(negative ? -magnitude : magnitude);
  return NumberParse::kOk;
}

ParsedCommandLine ParseComposeArguments(const std::vector<std::string>& args) {
  ParsedCommandLine parsed;
  ComposeOptions& options = parsed.options;
  std::vector<std::string> files;
  bool optionsEnded = false;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (optionsEnded || arg.empty() || arg[0] != '-') {
      files.push_back(arg);
      continue;
    }
    if (arg == "--") {
      optionsEnded = true;
    } else if (arg == "--help" || arg == "-h") {
      parsed.outcome = ParseOutcome::kHelp;
      return parsed;
    } else if (arg == "--swap") {
      options.swapEyes = true;
    } else if (arg == "--format" || arg == "--shift-x" || arg == "--shift-y") {
      if (i + 1 == args.size()) return Failure(arg + " needs a value");
      const std::string& text = args[++i];
      int32_t value = 0;
      switch (ParseWholeNumber(text, &value)) {
        case NumberParse::kOk:
          break;
        case NumberParse::kNotWhole:
          return Failure(arg + ": " + Quoted(text) + " is not a whole number");
        case NumberParse::kOutOfRange:
          return Failure(arg + ": " + Quoted(text) + " does not fit in 32 bits");
      }
      (arg == "--format" ? options.format : arg == "--shift-x" ? options.shiftX : options.shiftY) =
          value;
    } else {
      return Failure("unknown option " + Quoted(arg) + " (see --help)");
    }
  }
  if (files.empty()) return Failure("missing INPUT and OUTPUT file names (see --help)");
  if (files.size() == 1) return Failure("missing the OUTPUT file name after " + Quoted(files[0]));
  if (files.size() > 2) return Failure("one file name too many: " + Quoted(files[2]));
  options.input = files[0];
  options.output = files[1];
  options.outputKind = OutputKindForPath(options.output);
  if (options.outputKind == OutputKind::kUnknown)
    return Failure(options.output + ": the output file name must end in .bmp or .png");
  parsed.outcome = ParseOutcome::kCompose;
  return parsed;
}

std::string ComposeUsage() {
  std::string text =
      "Usage: vexocompose [--format N] [--shift-x DX] [--shift-y DY] [--swap] INPUT OUTPUT\n"
      "\n"
      "Composes a side-by-side stereo picture (left eye in the left half, right eye\n"
      "in the right half) into one stereo frame, as the viewer composes its live view.\n"
      "\n"
      "  INPUT          BMP (uncompressed, bottom-up or top-down), PNG or JPEG (.jps)\n"
      "  OUTPUT         .bmp (24-bit) or .png, chosen by the extension\n"
      "  --format N     the stereo format (default 3):\n";
  for (const FormatName& f : kFormatNames) {
    std::string number = std::to_string(f.number);
    text += "                 " + std::string(3 - number.size(), ' ') + number + "  " + f.name +
            "\n";
  }
  text +=
      "                 any other number gives a black frame\n"
      "  --shift-x DX   horizontal parallax shift in pixels (default 0)\n"
      "  --shift-y DY   vertical shift in pixels (default 0)\n"
      "  --swap         swap the eyes\n"
      "  --help         show this text\n"
      "\n"
      "Exit status: 0 written; 1 the output could not be written; 2 bad input or\n"
      "arguments; 3 the shift leaves no picture. On failure no output file is left.\n";
  return text;
}
