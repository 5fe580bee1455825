#pragma once
// Replacing a file by another in one step, the way the favorites file is
// rewritten: a reader sees either the old file or the new one, never a mix
// or an empty file. The Windows build uses MoveFileExA (file_replace_win.cpp),
// the native build rename() (file_replace.cpp).

// Moves the file `source` over the file `target`, replacing it if it exists.
// Returns true when `target` now holds what `source` held and `source` is
// gone; false when nothing was changed. A read-only target is not replaced.
bool ReplaceFileWith(const char* target, const char* source);
