#pragma once
// The two file operations that differ between the systems, for writing an
// output file safely. file_system.cpp holds the POSIX versions,
// file_system_win.cpp the Windows ones.
#include <cstdio>
#include <string>

namespace fsys {

// Opens path for binary writing only when no file of that name exists yet;
// nullptr otherwise, with errno telling why (EEXIST when the name is taken).
std::FILE* CreateNewFile(const std::string& path);

// Moves the file from over to in one step, replacing a file already there.
// False, with errno set, when it cannot.
bool MoveOver(const std::string& from, const std::string& to);

}  // namespace fsys
