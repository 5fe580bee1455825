#pragma once
// The settings store's rules that need no registry: the decimal conversion
// of stored texts, the termination of a text read back, and the start-up
// reading of the four values with their defaults.
#include <cstddef>
#include <cstdint>

struct ViewerState;

// Registry values hold at most this many bytes, the terminator included,
// when read back as numbers.
constexpr size_t kSettingReadLimit = 100;

// The decimal value of a stored text, as the standard string-to-integer
// conversion takes it: leading white space skipped, an optional sign, then
// digits up to the first other character; no digits give 0. Out-of-range
// values saturate to INT32_MIN or INT32_MAX instead of overflowing.
int32_t DecimalValue(const char* text);

// Turns what a registry query left in `buffer` (of `size` bytes) into a
// terminated text. `succeeded` is whether the query returned success and
// `bytes` the byte count it reported. A failed query (missing value, or one
// longer than the buffer) leaves an empty text; a value that carries no
// terminator of its own is terminated after its bytes, and one that fills
// the whole buffer without a terminator is taken as absent.
void FinishSettingText(char* buffer, size_t size, bool succeeded, size_t bytes);

// Reads one value into buffer (at least `size` bytes), leaving an empty text
// when it is absent. The registry reader in production, a fake in tests.
using SettingReader = void (*)(const char* name, char* buffer, size_t size);

// The start-up reading, in order: StereoType (default "3"), Navigation
// (default "0"), Div (default "30") converted to numbers, then Search
// straight into searchText (whole field, no default).
void ReadStartupSettings(ViewerState& state, SettingReader read);
