#include "shell/resource_text_win.h"

namespace {

char g_buffers[2][256];
int g_selector = 0;

}  // namespace

const char* LoadResString(UINT id) {
  g_selector = (g_selector + 1) % 2;
  char* buffer = g_selector == 1 ? g_buffers[0] : g_buffers[1];
  // A missing entry leaves an empty text rather than the previous one.
  buffer[0] = '\0';
  LoadStringA(GetModuleHandleA(nullptr), id, buffer, sizeof g_buffers[0]);
  return buffer;
}
