#pragma once
// String-table texts of the program's own module.
#include <windows.h>

// Loads string id into one of two alternating 256-byte buffers; the text
// stays valid until the second-next call, so two strings can be used
// together (a message box's text and caption, a format and its argument).
const char* LoadResString(UINT id);
