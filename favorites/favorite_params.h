#pragma once
// The view parameters stored with a favourite, and its page address.
//
// Parameters text: "1,<dx>,<dy>,<divisor>". The leading 1 marks the form;
// dx is the horizontal shift in thousandths of the browser pane's width (so
// a favourite looks the same in a pane of another size), dy the vertical
// shift in pixels, divisor the stereo base divisor. The file may have been
// edited by hand, so reading accepts anything: numbers saturate at the
// 32-bit range and products are formed in 64 bits, then clamped.
#include <cstddef>
#include <cstdint>

// The leading decimal value of `text` as the standard string-to-integer
// conversion reads it (optional white space, an optional sign, digits; 0
// when there are none; anything after the digits ignored), except that a
// value beyond the 32-bit range gives the nearest 32-bit value.
int32_t ParseSaturatedInt(const char* text);

// Writes the parameters text for the current view into `params` (cut to
// fit `size`). A viewWidth of 0 stores 0 as the horizontal value.
void FormatFavoriteParams(int32_t shiftX, int32_t viewWidth, int32_t shiftY,
                          int32_t baseDivisor, char* params, size_t size);

// The values a favourite restores.
struct FavoriteView {
  int32_t shiftX;
  int32_t shiftY;
  int32_t baseDivisor;
};

// Restores the values of a stored parameters text into `view`, as GO does.
// Only a text whose first value is 1 restores anything; then the comma
// separated fields 1, 2 and 3 (leading commas skipped, runs of commas one
// separator) set shiftX, shiftY and baseDivisor, each field read by its
// leading number (a trailing line feed is ignored); a missing field leaves
// its value. shiftX is converted from thousandths of viewWidth to pixels.
void RestoreFavoriteParams(const char* params, int32_t viewWidth, FavoriteView& view);

// Writes the favourite's page address, `base` followed by `position`, into
// `url`. Returns false when it had to be cut to fit `size`.
bool BuildFavoriteUrl(const char* base, const char* position, char* url, size_t size);
