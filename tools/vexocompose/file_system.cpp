#include "tools/vexocompose/file_system.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

namespace fsys {

std::FILE* CreateNewFile(const std::string& path) {
  const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (fd < 0) return nullptr;
  std::FILE* file = fdopen(fd, "wb");
  if (!file) {
    const int saved = errno;
    close(fd);
    unlink(path.c_str());
    errno = saved;
  }
  return file;
}

// rename replaces the target atomically on POSIX systems.
bool MoveOver(const std::string& from, const std::string& to) {
  return std::rename(from.c_str(), to.c_str()) == 0;
}

}  // namespace fsys
