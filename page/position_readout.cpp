#include "page/position_readout.h"

#include <cstring>

bool IsPositionElementId(const char* id) {
  return id != nullptr && std::strcmp(id, kPositionElementId) == 0;
}

void TakePositionContent(const std::string& text, char (&work)[kPositionTextMax + 1]) {
  // A content with an embedded null ends there, as a converted C text would.
  const size_t length = std::strlen(text.c_str());
  const size_t kept = length < kPositionTextMax ? length : kPositionTextMax;
  std::memcpy(work, text.data(), kept);
  work[kept] = '\0';
}
