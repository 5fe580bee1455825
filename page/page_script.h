#pragma once
// Script texts handed to the page as "javascript:" URLs, and the toggle of
// the page's on/off fields. Portable: the page bridge formats here and only
// hands the finished text to the browser control.
#include <cstddef>
#include <cstdint>

constexpr const char kShowNavigatorScript[] = "javascript:Showcont();";
constexpr const char kHideNavigatorScript[] = "javascript:Hidecont();";
constexpr const char kEarthMapScript[] = "javascript:GEjump();";

// The longest byte sequence one text byte can become in the search script:
// a control character is written as \xHH.
constexpr size_t kEscapeUnitMax = 4;
// Buffer for the search script of any text up to a 256-byte field:
// "javascript:moveAddress(\"" + escaped text + "\");" and the terminator.
constexpr size_t kSearchScriptSize = 24 + 255 * kEscapeUnitMax + 3 + 1;
// Buffer for the stereo base script: "javascript:SetDiv(\"" + int + "\");".
constexpr size_t kStereoBaseScriptSize = 64;

// Tells whether a byte starts a two-byte character of the ANSI code page.
using LeadBytePredicate = bool (*)(unsigned char byte);

// Builds "javascript:moveAddress(\"TEXT\");" into out (outSize bytes, always
// terminated), TEXT being `text` written so the page's script receives it
// exactly: inside the string literal a backslash and a double quote are
// escaped, line breaks become \n and \r, a tab \t, other control characters
// \xHH; and since a browser percent-decodes a javascript: URL before running
// it, "%" is sent as "%25". The second byte of a two-byte character (as
// isLeadByte tells; null for a single-byte code page) is copied unchanged,
// even when it looks like a backslash. Other bytes are copied unchanged, so
// a text without those characters gives the same URL as plain formatting.
// A text that does not fit is cut before the first byte that would not fit
// whole (never inside an escape or a two-byte character), and the script is
// still closed. Returns the length written.
size_t FormatSearchScript(const char* text, LeadBytePredicate isLeadByte, char* out,
                          size_t outSize);

// Builds "javascript:SetDiv(\"%d\");" with divisor; returns the length.
size_t FormatStereoBaseScript(int32_t divisor, char* out, size_t outSize);

// An on/off field's next value: (value + 1) mod 2, the remainder taking the
// sign of the dividend (0 -> 1, 1 -> 0, 2 -> 1, -1 -> 0, -2 -> -1). Defined
// for every 32-bit value: INT32_MAX gives 0 without overflowing.
int32_t ToggleValue(int32_t value);
