#pragma once
// Writing an output file so that it is either complete or absent.
#include <cstdint>
#include <string>
#include <vector>

// The name of the n-th temporary file tried for path: beside it, in the same
// directory, so that the final move never crosses file systems.
std::string TemporaryPathFor(const std::string& path, unsigned attempt);

// Writes bytes to a new temporary file beside path, closes it, and only then
// moves it over path. On failure the temporary file is removed, path keeps
// whatever it held before, and *error says why (without the path).
bool WriteFileReplacing(const std::string& path, const std::vector<uint8_t>& bytes,
                        std::string* error);
