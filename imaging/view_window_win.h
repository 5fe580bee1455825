#pragma once
// The stereo view window (class VEXOVIEW), the upper pane.
#include <windows.h>

LRESULT CALLBACK ViewWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
