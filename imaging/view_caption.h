#pragma once
// The rules of the stereo view window that need no window system: the main
// window's caption, the placement of the picture and the shift a drag sets.
#include <cstddef>
#include <cstdint>

constexpr size_t kCaptionBytes = 256;
// Columns at the right edge of the browser pane that are never captured;
// the picture is centred on the pane's width less these.
constexpr int32_t kUncapturedColumns = 18;

// The string-table id of the caption's name for a format: 4020 + format for
// 0 to 9 and for the column interleave (80), 0 for every other number, which
// has no name and is shown as its number. 4020 + format is not a name for
// those: it would land on unrelated strings of the table.
uint32_t CaptionFormatNameId(int32_t format);

// The caption of the main window: pattern (string 4010, with %d, %d, %s and
// %d for shiftX, shiftY, the format name and swapEyes) filled in, cut to
// kCaptionBytes - 1 bytes. tableName is the text loaded for
// CaptionFormatNameId(format); when it is null or empty the format number
// is written instead, so the name is never empty.
void BuildViewCaption(char (&caption)[kCaptionBytes], const char* pattern, int32_t shiftX,
                      int32_t shiftY, int32_t format, const char* tableName, int32_t swapEyes);

// Copies caption into lastTitle and tells whether it differed (byte
// comparison), i.e. whether the window text has to be set.
bool TakeNewCaption(char (&lastTitle)[kCaptionBytes], const char (&caption)[kCaptionBytes]);

// The left edge of the picture: (paneWidth - frameWidth - 18) / 2, the
// division truncating toward zero (-3 gives -1). Exact for every input.
int32_t PicturePlacementX(int32_t paneWidth, uint16_t frameWidth);

// shiftX during a drag: shiftAtPress + (x - xAtPress), the coordinates being
// the signed 16-bit x of the mouse messages. Saturates to the 32-bit range
// instead of wrapping when the shift at the press is already extreme.
int32_t DragShift(int32_t shiftAtPress, int16_t xAtPress, int16_t x);
