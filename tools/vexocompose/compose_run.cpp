#include "tools/vexocompose/compose_run.h"

#include "imaging/image_file.h"
#include "imaging/stereo_compose.h"
#include "tools/vexocompose/output_file.h"

namespace {

// With the requested shift in brackets when the clamp changed it.
std::string ShiftText(int32_t requested, int32_t clamped) {
  std::string text = std::to_string(clamped);
  if (clamped != requested) text += " (from " + std::to_string(requested) + ")";
  return text;
}

// Why a composition of this capture gives no picture, or "" when it does.
std::string WhyNoPicture(const FrameImage* captured, const ComposeOptions& options) {
  const uint16_t width = FrameWidth(captured);
  const uint16_t height = FrameHeight(captured);
  const PairOffsets offsets = SplitShift(width, height, options.shiftX, options.shiftY);
  const PairLayout layout =
      LayoutPair(width, height, offsets, options.format, options.swapEyes ? 1 : 0);
  if (layout.halfWidth < 1)
    return "the image is " + std::to_string(width) +
           " pixel wide, too narrow to hold two eye images";
  if (layout.eyeWidth < 1)
    return "a horizontal shift of " + ShiftText(options.shiftX, offsets.posX - offsets.negX) +
           " leaves no columns: each eye image is " + std::to_string(layout.halfWidth) +
           " pixels wide";
  if (layout.outHeight < 1)
    return "a vertical shift of " + ShiftText(options.shiftY, offsets.posY - offsets.negY) +
           " leaves no rows: the image is " + std::to_string(height) + " pixels high";
  return "";
}

}  // namespace

int RunCompose(const ComposeOptions& options, std::string* message) {
  std::string error;
  UniqueFrame captured = ReadImageFile(options.input, &error);
  if (!captured) {
    *message = options.input + ": " + error;
    return kExitBadInput;
  }
  const std::string why = WhyNoPicture(captured.get(), options);
  if (!why.empty()) {
    *message = "no output: " + why;
    return kExitNoFrame;
  }
  UniqueFrame output(ComposeCaptured(captured.release(), options.shiftX, options.shiftY,
                                     options.format, options.swapEyes ? 1 : 0));
  if (!output) {
    *message = "not enough memory to compose " + options.input;
    return kExitFailed;
  }
  const std::vector<uint8_t> bytes = options.outputKind == OutputKind::kBmp
                                         ? EncodeBmp(output.get())
                                         : EncodePng(output.get());
  if (bytes.empty()) {
    *message = options.output + ": a picture of " + std::to_string(FrameWidth(output.get())) +
               " x " + std::to_string(FrameHeight(output.get())) + " pixels is too large for " +
               (options.outputKind == OutputKind::kBmp ? "a BMP file"
                                                       : "the PNG encoder; try .bmp");
    return kExitFailed;
  }
  if (!WriteFileReplacing(options.output, bytes, &error)) {
    *message = options.output + ": " + error;
    return kExitFailed;
  }
  return kExitDone;
}
