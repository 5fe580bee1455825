#pragma once
// The executable's directory and the favorites file beside it.
#include <cstddef>

// Tells whether a byte is the first byte of a two-byte character in the
// current ANSI code page (IsDBCSLeadByte on Windows).
using LeadByteTest = bool (*)(unsigned char byte);

// Copies source into destination and cuts it after its last backslash,
// keeping the backslash; a path without a backslash stays whole. The byte
// after a lead byte is the second half of a character and never a separator.
// destination must hold the whole source and its terminator.
void ModuleDirectory(char* destination, const char* source, LeadByteTest isLeadByte);

// The favorites file name that lies beside the executable.
constexpr char kFavoritesFileName[] = "favvexo.txt";

// Builds the favorites path, the directory of executablePath followed by
// "favvexo.txt", into destination of destinationSize bytes. When the result
// would not fit, destination is left empty and false is returned: a path cut
// short would name some other file.
bool FavoritesPathBeside(char* destination, size_t destinationSize, const char* executablePath,
                         LeadByteTest isLeadByte);
