#include "imaging/view_caption.h"

#include <cstdio>
#include <cstring>
#include <limits>

#include "imaging/stereo_format.h"

namespace {

constexpr uint32_t kFirstFormatName = 4020;

int32_t SaturateToInt32(int64_t value) {
  if (value > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
  if (value < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(value);
}

}  // namespace

uint32_t CaptionFormatNameId(int32_t format) {
  if ((format >= kSideBySide && format <= kDlpCheckerboard) || format == kColumnInterleave)
    return kFirstFormatName + static_cast<uint32_t>(format);
  return 0;
}

void BuildViewCaption(char (&caption)[kCaptionBytes], const char* pattern, int32_t shiftX,
                      int32_t shiftY, int32_t format, const char* tableName, int32_t swapEyes) {
  char number[12];
  const char* name = tableName;
  if (name == nullptr || name[0] == '\0') {
    std::snprintf(number, sizeof number, "%d", static_cast<int>(format));
    name = number;
  }
  caption[0] = '\0';
  if (pattern == nullptr) return;
  // The pattern is the program's own string-table entry; snprintf cuts a
  // long result instead of running past the buffer.
#if defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
#endif
  std::snprintf(caption, sizeof caption, pattern, static_cast<int>(shiftX),
                static_cast<int>(shiftY), name, static_cast<int>(swapEyes));
#if defined(__GNUC__)
#pragma GCC diagnostic pop
#endif
}

bool TakeNewCaption(char (&lastTitle)[kCaptionBytes], const char (&caption)[kCaptionBytes]) {
  const bool changed = std::strncmp(lastTitle, caption, kCaptionBytes) != 0;
  std::strncpy(lastTitle, caption, kCaptionBytes - 1);
  lastTitle[kCaptionBytes - 1] = '\0';
  return changed;
}

int32_t PicturePlacementX(int32_t paneWidth, uint16_t frameWidth) {
  // 64-bit so that no pane width overflows; C++ division truncates toward zero.
  const int64_t room = static_cast<int64_t>(paneWidth) - frameWidth - kUncapturedColumns;
  return static_cast<int32_t>(room / 2);
}

int32_t DragShift(int32_t shiftAtPress, int16_t xAtPress, int16_t x) {
  return SaturateToInt32(static_cast<int64_t>(shiftAtPress) + x - xAtPress);
}
