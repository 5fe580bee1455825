#include "shell/module_path_win.h"

#include "shell/module_path.h"
#include "shell/viewer_state.h"

namespace {

bool SystemLeadByte(unsigned char byte) {
  return IsDBCSLeadByte(byte) != FALSE;
}

}  // namespace

void ModuleDirectory(char* destination, const char* source) {
  ModuleDirectory(destination, source, SystemLeadByte);
}

void SetFavoritesPathBesideExecutable() {
  char path[kPathField] = {};
  const DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
  g_state.favoritesPath[0] = '\0';
  // A length of the buffer's size means the path was cut short (and, on
  // older systems, left unterminated): its directory would be a wrong one.
  if (length == 0 || length >= sizeof path) {
    return;
  }
  FavoritesPathBeside(g_state.favoritesPath, sizeof g_state.favoritesPath, path, SystemLeadByte);
}
