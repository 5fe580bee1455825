#pragma once
// ModuleDirectory with the system's lead-byte test for the ANSI code page.
#include <windows.h>

// Copies source into destination and cuts it after its last backslash,
// keeping the backslash; the second byte of a two-byte character is never
// taken for a separator. destination must hold the whole source.
void ModuleDirectory(char* destination, const char* source);

// Sets favoritesPath to "favvexo.txt" beside the executable, or leaves it
// empty when the executable's path cannot be had whole or the result would
// not fit its 260-byte field.
void SetFavoritesPathBesideExecutable();
