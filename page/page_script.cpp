#include "page/page_script.h"

#include <cstdio>
#include <cstring>

namespace {

constexpr const char kSearchPrefix[] = "javascript:moveAddress(\"";
constexpr const char kSearchSuffix[] = "\");";

// Writes the escape of one single byte into unit; returns its length.
size_t EscapeByte(unsigned char byte, char* unit) {
  switch (byte) {
    case '\\': std::memcpy(unit, "\\\\", 2); return 2;
    case '"': std::memcpy(unit, "\\\"", 2); return 2;
    case '\n': std::memcpy(unit, "\\n", 2); return 2;
    case '\r': std::memcpy(unit, "\\r", 2); return 2;
    case '\t': std::memcpy(unit, "\\t", 2); return 2;
    case '%': std::memcpy(unit, "%25", 3); return 3;
    default: break;
  }
  if (byte < 0x20 || byte == 0x7F) {
    static const char kHex[] = "0123456789ABCDEF";
    unit[0] = '\\';
    unit[1] = 'x';
    unit[2] = kHex[byte >> 4];
    unit[3] = kHex[byte & 0x0F];
    return kEscapeUnitMax;
  }
  unit[0] = static_cast<char>(byte);
  return 1;
}

}  // namespace

size_t FormatSearchScript(const char* text, LeadBytePredicate isLeadByte, char* out,
                          size_t outSize) {
  const size_t prefixLength = sizeof kSearchPrefix - 1;
  const size_t suffixLength = sizeof kSearchSuffix - 1;
  if (outSize == 0) return 0;
  if (outSize < prefixLength + suffixLength + 1) {
    out[0] = '\0';
    return 0;
  }
  // Room for the text: everything but the prefix, the suffix and the terminator.
  const size_t limit = outSize - suffixLength - 1;
  std::memcpy(out, kSearchPrefix, prefixLength);
  size_t length = prefixLength;
  const unsigned char* p = reinterpret_cast<const unsigned char*>(text);
  while (*p != 0) {
    char unit[kEscapeUnitMax];
    size_t unitLength;
    size_t consumed = 1;
    if (isLeadByte != nullptr && isLeadByte(p[0]) && p[1] != 0) {
      // A two-byte character travels whole; a lead byte just before the
      // terminator stands alone and is treated as a single byte.
      unit[0] = static_cast<char>(p[0]);
      unit[1] = static_cast<char>(p[1]);
      unitLength = 2;
      consumed = 2;
    } else {
      unitLength = EscapeByte(p[0], unit);
    }
    if (length + unitLength > limit) break;
    std::memcpy(out + length, unit, unitLength);
    length += unitLength;
    p += consumed;
  }
  std::memcpy(out + length, kSearchSuffix, suffixLength);
  length += suffixLength;
  out[length] = '\0';
  return length;
}

size_t FormatStereoBaseScript(int32_t divisor, char* out, size_t outSize) {
  if (outSize == 0) return 0;
  int written = std::snprintf(out, outSize, "javascript:SetDiv(\"%d\");", static_cast<int>(divisor));
  if (written < 0) {
    out[0] = '\0';
    return 0;
  }
  return static_cast<size_t>(written) < outSize ? static_cast<size_t>(written) : outSize - 1;
}

int32_t ToggleValue(int32_t value) {
  // In 64 bits value + 1 cannot overflow; C++ '%' truncates toward zero, so
  // the remainder takes the sign of the dividend.
  return static_cast<int32_t>((static_cast<int64_t>(value) + 1) % 2);
}
