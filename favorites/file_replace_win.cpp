#include "favorites/file_replace.h"

#include <windows.h>

// MoveFileExA refuses a read-only target, and with MOVEFILE_WRITE_THROUGH it
// returns only once the move is on the disk.
bool ReplaceFileWith(const char* target, const char* source) {
  return MoveFileExA(source, target, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}
