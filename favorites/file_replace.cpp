// Native file replacement: rename() replaces the target atomically.
#include "favorites/file_replace.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

bool ReplaceFileWith(const char* target, const char* source) {
  struct stat targetInfo;
  if (stat(target, &targetInfo) == 0) {
    // A file without any write permission is read-only, as on Windows; a
    // process that could override the permission bits (root) must not
    // replace it either.
    if ((targetInfo.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) {
      errno = EACCES;
      return false;
    }
    // The new file keeps the permissions of the one it replaces.
    chmod(source, targetInfo.st_mode & 07777);
  }
  // Get the new content on the disk before the name points at it.
  int descriptor = open(source, O_RDONLY);
  if (descriptor < 0) return false;
  fsync(descriptor);
  close(descriptor);
  return std::rename(source, target) == 0;
}
