#include "favorites/file_replace.h"

#include <windows.h>

// MoveFileExA refuses a read-only target on Windows, but Wine run by root
// replaces it (the Unix rename ignores the missing write permission), so the
// mark is tested here first. MOVEFILE_WRITE_THROUGH returns only once the
// move is on the disk.
bool ReplaceFileWith(const char* target, const char* source) {
  DWORD attributes = GetFileAttributesA(target);
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0) {
    SetLastError(ERROR_ACCESS_DENIED);
    return false;
  }
  return MoveFileExA(source, target, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}
