#include "shell/settings.h"

#include <cstring>

#include "shell/viewer_state.h"

namespace {

// The white-space characters the standard conversion skips in the "C" locale.
bool IsSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// Reads value `name`; an empty text becomes `fallback`. Returns its number.
int32_t ReadNumber(SettingReader read, const char* name, const char* fallback) {
  // One scratch buffer for the three numbers, larger than the read limit.
  char scratch[260];
  read(name, scratch, kSettingReadLimit);
  if (scratch[0] == '\0') {
    std::strcpy(scratch, fallback);
  }
  return DecimalValue(scratch);
}

}  // namespace

int32_t DecimalValue(const char* text) {
  const char* p = text;
  while (IsSpace(*p)) {
    ++p;
  }
  bool negative = false;
  if (*p == '+' || *p == '-') {
    negative = *p == '-';
    ++p;
  }
  // Accumulate the magnitude in 64 bits and stop growing it once it is past
  // the 32-bit range, so no digit count can overflow.
  constexpr int64_t kLimit = static_cast<int64_t>(INT32_MAX) + 1;
  int64_t magnitude = 0;
  while (*p >= '0' && *p <= '9') {
    if (magnitude <= kLimit) {
      magnitude = magnitude * 10 + (*p - '0');
    }
    ++p;
  }
  if (negative) {
    return magnitude >= kLimit ? INT32_MIN : static_cast<int32_t>(-magnitude);
  }
  return magnitude > INT32_MAX ? INT32_MAX : static_cast<int32_t>(magnitude);
}

void FinishSettingText(char* buffer, size_t size, bool succeeded, size_t bytes) {
  if (size == 0) {
    return;
  }
  if (!succeeded || bytes > size) {
    buffer[0] = '\0';
    return;
  }
  if (bytes < size) {
    buffer[bytes] = '\0';
  } else if (buffer[size - 1] != '\0') {
    // The value fills the buffer with no room for a terminator: it does not
    // fit, so it counts as absent rather than as a text cut short.
    buffer[0] = '\0';
  }
}

void ReadStartupSettings(ViewerState& state, SettingReader read) {
  state.stereoFormat = ReadNumber(read, "StereoType", "3");
  state.navigatorShown = ReadNumber(read, "Navigation", "0");
  state.baseDivisor = ReadNumber(read, "Div", "30");
  read("Search", state.searchText, sizeof state.searchText);
}
