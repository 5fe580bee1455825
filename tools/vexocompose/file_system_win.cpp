#include "tools/vexocompose/file_system.h"

#include <windows.h>
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>

#include <cerrno>

namespace fsys {

std::FILE* CreateNewFile(const std::string& path) {
  const int fd = _open(path.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY,
                       _S_IREAD | _S_IWRITE);
  if (fd < 0) return nullptr;
  std::FILE* file = _fdopen(fd, "wb");
  if (!file) {
    const int saved = errno;
    _close(fd);
    _unlink(path.c_str());
    errno = saved;
  }
  return file;
}

// The C library's rename refuses an existing target on Windows; MoveFileExA
// replaces it in one step.
bool MoveOver(const std::string& from, const std::string& to) {
  if (MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING)) return true;
  switch (GetLastError()) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND: errno = ENOENT; break;
    case ERROR_ACCESS_DENIED: errno = EACCES; break;
    default: errno = EIO; break;
  }
  return false;
}

}  // namespace fsys
