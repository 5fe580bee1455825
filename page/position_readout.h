#pragma once
// The choice behind the position readout: which element of the page gives
// positionText, and how much of it. Portable; the COM walk over the page's
// elements lives in position_readout_win.cpp and feeds this scan.
#include <cstddef>
#include <cstdint>
#include <string>

// Id of the page element that holds the position of the current view.
constexpr const char kPositionElementId[] = "datalatlon";
// The readout keeps at most this many bytes of the element's content.
constexpr size_t kPositionTextMax = 127;

// True when an element id (converted to the ANSI code page) is exactly
// "datalatlon": same bytes, same case, same length.
bool IsPositionElementId(const char* id);

// Walks `count` elements in document order and writes the content of the
// last one whose id matches into positionText (a field of fieldSize bytes,
// fieldSize > kPositionTextMax), cut to its first 127 bytes. No matching
// element gives the empty text; a count of 0 (or less) leaves positionText
// as it was. For every index, readId(index, &id) fills the element's id and
// returns false when the item is no element (it is passed over); for a
// matching element only, readContent(index, &text) fills its content.
template <typename ReadId, typename ReadContent>
void ScanPositionElements(int32_t count, ReadId readId, ReadContent readContent,
                          char* positionText, size_t fieldSize);

// Copies at most 127 bytes of text into the 128-byte work buffer, which the
// caller has cleared; the last byte stays 0.
void TakePositionContent(const std::string& text, char (&work)[kPositionTextMax + 1]);

template <typename ReadId, typename ReadContent>
void ScanPositionElements(int32_t count, ReadId readId, ReadContent readContent,
                          char* positionText, size_t fieldSize) {
  if (count <= 0 || fieldSize <= kPositionTextMax) return;
  char work[kPositionTextMax + 1] = {};
  std::string id;
  std::string content;
  for (int32_t index = 0; index < count; ++index) {
    id.clear();
    if (!readId(index, &id) || !IsPositionElementId(id.c_str())) continue;
    content.clear();
    readContent(index, &content);
    // Each match overwrites the work buffer whole, so the last one decides.
    for (char& byte : work) byte = 0;
    TakePositionContent(content, work);
  }
  for (size_t i = 0; i <= kPositionTextMax; ++i) positionText[i] = work[i];
}
