#include "imaging/stereo_compose.h"

#include "imaging/stereo_format.h"
#include "imaging/stereo_kernels.h"

namespace {

// Limits one shift to |size - 10| with the sign of the shift. The limit is
// negative below 10 pixels, which flips a small shift: that is the rule, so
// it is kept. 64-bit, so that INT_MIN has a magnitude.
int32_t ClampShift(int32_t shift, int32_t size) {
  const int64_t limit = static_cast<int64_t>(size) - 10;
  const int64_t magnitude = shift < 0 ? -static_cast<int64_t>(shift) : shift;
  if (shift == 0 || magnitude <= limit) return shift;
  return static_cast<int32_t>(shift < 0 ? -limit : limit);
}

int32_t Saturate(int64_t value) {
  return static_cast<int32_t>(value < INT32_MIN ? INT32_MIN : (value > INT32_MAX ? INT32_MAX : value));
}

bool OffsetsValid(PairOffsets offsets) {
  return offsets.posX >= 0 && offsets.posY >= 0 && offsets.negX >= 0 && offsets.negY >= 0;
}

}  // namespace

PairOffsets SplitShift(uint16_t width, uint16_t height, int32_t dx, int32_t dy) {
  const int32_t x = ClampShift(dx, width);
  const int32_t y = ClampShift(dy, height);
  // After the clamp every magnitude is at most 65525, so negation is safe.
  return PairOffsets{x > 0 ? x : 0, y > 0 ? y : 0, x < 0 ? -x : 0, y < 0 ? -y : 0};
}

PairLayout LayoutPair(uint16_t width, uint16_t height, PairOffsets offsets, int32_t format,
                      int32_t swapEyes) {
  // Offsets from SplitShift are small, but callers may hand in any values:
  // work in 64 bits and saturate, so no combination overflows.
  const int64_t half = width / 2;
  const int64_t eyeWidth = half - offsets.posX - offsets.negX;
  const int64_t outHeight = static_cast<int64_t>(height) - offsets.posY - offsets.negY;
  const int64_t firstHalf = offsets.negX;
  const int64_t secondHalf = half + offsets.posX;
  PairLayout layout{};
  layout.halfWidth = static_cast<int32_t>(half);
  layout.eyeWidth = Saturate(eyeWidth);
  layout.outHeight = Saturate(outHeight);
  layout.outWidth = Saturate(IsDoubleWidthFormat(format) ? 2 * eyeWidth : eyeWidth);
  layout.leftColumn = Saturate(swapEyes == 0 ? firstHalf : secondHalf);
  layout.rightColumn = Saturate(swapEyes == 0 ? secondHalf : firstHalf);
  layout.leftRow = offsets.negY;
  layout.rightRow = offsets.posY;
  return layout;
}

FrameImage* ComposeStereo(const FrameImage* source, PairOffsets offsets, int32_t format,
                          int32_t swapEyes) {
  if (!source || !OffsetsValid(offsets)) return nullptr;
  const uint16_t width = FrameWidth(source);
  const uint16_t height = FrameHeight(source);
  const PairLayout layout = LayoutPair(width, height, offsets, format, swapEyes);
  // An empty eye image, or a negative height from a vertical shift on a
  // capture under 10 rows: nothing may be allocated or written.
  if (layout.eyeWidth < 1 || layout.outHeight < 0) return nullptr;

  FrameImage* output = CreateFrameImage(layout.outWidth, layout.outHeight);
  if (!output || layout.outHeight == 0) return output;

  const ptrdiff_t stride = static_cast<ptrdiff_t>(FrameRowStride(width));
  const uint8_t* pixels = FramePixels(source);
  const EyePair eyes{pixels + layout.leftRow * stride + 3 * layout.leftColumn,
                     pixels + layout.rightRow * stride + 3 * layout.rightColumn, stride};
  const OutRows out{FramePixels(output),
                    static_cast<ptrdiff_t>(FrameRowStride(layout.outWidth))};
  const int32_t w = layout.eyeWidth;
  const int32_t h = layout.outHeight;

  switch (format) {
    case kSideBySide: ComposeSideBySide(out, eyes, w, h); break;
    case kMirror: ComposeMirror(out, eyes, w, h); break;
    case kAnaglyph: ComposeAnaglyph(out, eyes, w, h); break;
    case kColorAnaglyph: ComposeColorAnaglyph(out, eyes, w, h); break;
    case kHalfColorAnaglyph: ComposeHalfColorAnaglyph(out, eyes, w, h); break;
    case kDuboisAnaglyph: ComposeDuboisAnaglyph(out, eyes, w, h); break;
    case kYellowBlueAnaglyph: ComposeYellowBlueAnaglyph(out, eyes, w, h); break;
    case kInterlaced: ComposeInterlaced(out, eyes, w, h); break;
    case kSharp3dLcd: {
      // The first green of each row comes from two columns left of the
      // right-eye image when the shift moved that image right; with the
      // eyes swapped that column lies left of the frame and reads as 0.
      const int32_t before = layout.rightColumn - 2;
      const uint8_t* rightBefore =
          (offsets.posX > 0 && before >= 0) ? eyes.right - 6 : nullptr;
      ComposeSharp3dLcd(out, eyes, w, h, rightBefore);
      break;
    }
    case kDlpCheckerboard: ComposeDlpCheckerboard(out, eyes, w, h); break;
    case kColumnInterleave: ComposeColumnInterleave(out, eyes, w, h); break;
    default: break;  // no rule: the frame stays black
  }
  return output;
}

FrameImage* ComposeCaptured(FrameImage* captured, int32_t dx, int32_t dy, int32_t format,
                            int32_t swapEyes) {
  if (!captured) return nullptr;
  const PairOffsets offsets = SplitShift(FrameWidth(captured), FrameHeight(captured), dx, dy);
  FrameImage* output = ComposeStereo(captured, offsets, format, swapEyes);
  FreeFrameImage(captured);
  return output;
}
