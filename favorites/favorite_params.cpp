#include "favorites/favorite_params.h"

#include <cstdio>
#include <limits>

namespace {

constexpr int64_t kMin = std::numeric_limits<int32_t>::min();
constexpr int64_t kMax = std::numeric_limits<int32_t>::max();

int32_t Clamp32(int64_t value) {
  return static_cast<int32_t>(value < kMin ? kMin : value > kMax ? kMax : value);
}

bool IsSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// The comma tokenizer: skips leading commas, returns the start of the next
// field and leaves `cursor` after its comma, or nullptr at the end.
const char* NextValue(const char*& cursor) {
  while (*cursor == ',') ++cursor;
  if (*cursor == '\0') return nullptr;
  const char* value = cursor;
  while (*cursor != '\0' && *cursor != ',') ++cursor;
  if (*cursor == ',') ++cursor;
  return value;
}

}  // namespace

int32_t ParseSaturatedInt(const char* text) {
  while (IsSpace(*text)) ++text;
  bool negative = *text == '-';
  if (*text == '-' || *text == '+') ++text;
  // Accumulate up to one past the 32-bit range; further digits change nothing.
  int64_t magnitude = 0;
  for (; *text >= '0' && *text <= '9'; ++text) {
    magnitude = magnitude * 10 + (*text - '0');
    if (magnitude > kMax + 1) magnitude = kMax + 1;
  }
  return Clamp32(negative ? -magnitude : magnitude);
}

void FormatFavoriteParams(int32_t shiftX, int32_t viewWidth, int32_t shiftY,
                          int32_t baseDivisor, char* params, size_t size) {
  // Division truncates toward zero, as the stored value always has.
  int32_t thousandths = viewWidth == 0 ? 0 : Clamp32(int64_t{shiftX} * 1000 / viewWidth);
  std::snprintf(params, size, "%d,%d,%d,%d", 1, static_cast<int>(thousandths),
                static_cast<int>(shiftY), static_cast<int>(baseDivisor));
}

void RestoreFavoriteParams(const char* params, int32_t viewWidth, FavoriteView& view) {
  if (params[0] == '\0' || ParseSaturatedInt(params) != 1) return;
  const char* cursor = params;
  bool shiftSet = false;
  int number = 0;
  for (const char* value; (value = NextValue(cursor)) != nullptr; ++number) {
    switch (number) {
      case 1:
        view.shiftX = ParseSaturatedInt(value);
        shiftSet = true;
        break;
      case 2: view.shiftY = ParseSaturatedInt(value); break;
      case 3: view.baseDivisor = ParseSaturatedInt(value); break;
      default: break;  // the marker, and anything after the divisor
    }
  }
  if (shiftSet) view.shiftX = Clamp32(int64_t{viewWidth} * view.shiftX / 1000);
}

bool BuildFavoriteUrl(const char* base, const char* position, char* url, size_t size) {
  int length = std::snprintf(url, size, "%s%s", base, position);
  return length >= 0 && static_cast<size_t>(length) < size;
}
