#include "shell/module_path.h"

#include <cstring>

void ModuleDirectory(char* destination, const char* source, LeadByteTest isLeadByte) {
  const size_t length = std::strlen(source);
  size_t cut = length;
  bool found = false;
  for (size_t i = 0; i < length; ++i) {
    const unsigned char byte = static_cast<unsigned char>(source[i]);
    if (isLeadByte(byte)) {
      ++i;  // the trail byte may have any value, 0x5C included
    } else if (byte == '\\') {
      cut = i;
      found = true;
    }
  }
  std::memcpy(destination, source, length + 1);
  // Without a backslash the whole path stays; writing a terminator behind
  // the copied one would reach past what the destination must hold.
  if (found) {
    destination[cut + 1] = '\0';
  }
}

bool FavoritesPathBeside(char* destination, size_t destinationSize, const char* executablePath,
                         LeadByteTest isLeadByte) {
  if (destinationSize == 0) {
    return false;
  }
  const size_t length = std::strlen(executablePath);
  const size_t nameLength = sizeof kFavoritesFileName - 1;
  destination[0] = '\0';
  // ModuleDirectory copies the whole path before cutting it.
  if (length + 1 > destinationSize) {
    return false;
  }
  ModuleDirectory(destination, executablePath, isLeadByte);
  const size_t directoryLength = std::strlen(destination);
  if (directoryLength + nameLength + 1 > destinationSize) {
    destination[0] = '\0';
    return false;
  }
  std::memcpy(destination + directoryLength, kFavoritesFileName, nameLength + 1);
  return true;
}
