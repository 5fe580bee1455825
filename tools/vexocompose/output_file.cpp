#include "tools/vexocompose/output_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "tools/vexocompose/file_system.h"

namespace {

// Temporary names taken by other runs (or left by a killed one) are skipped;
// after this many the directory is too crowded to go on.
constexpr unsigned kTemporaryAttempts = 100;

std::string Reason(const char* what) {
  return std::string(what) + " (" + std::strerror(errno) + ")";
}

}  // namespace

std::string TemporaryPathFor(const std::string& path, unsigned attempt) {
  return path + "." + std::to_string(attempt) + ".tmp";
}

bool WriteFileReplacing(const std::string& path, const std::vector<uint8_t>& bytes,
                        std::string* error) {
  std::string temporary;
  std::FILE* file = nullptr;
  for (unsigned attempt = 0; attempt < kTemporaryAttempts && !file; ++attempt) {
    temporary = TemporaryPathFor(path, attempt);
    file = fsys::CreateNewFile(temporary);
    if (!file && errno != EEXIST) {
      *error = Reason("cannot create a file there");
      return false;
    }
  }
  if (!file) {
    *error = "cannot create a temporary file beside it: " + std::to_string(kTemporaryAttempts) +
             " names are taken";
    return false;
  }
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  const int writeErrno = errno;
  // fclose flushes: a full disk may only show here.
  const bool closed = std::fclose(file) == 0;
  if (!written || !closed) {
    if (!written) errno = writeErrno;
    *error = Reason("cannot write the file");
    std::remove(temporary.c_str());
    return false;
  }
  if (!fsys::MoveOver(temporary, path)) {
    *error = Reason("cannot replace the file");
    std::remove(temporary.c_str());
    return false;
  }
  return true;
}
