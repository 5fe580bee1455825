#pragma once
// The main window's commands (WM_COMMAND) and its context menu.
#include <windows.h>

// Runs command number `command` (the low word of WM_COMMAND's wParam).
void MainOnCommand(HWND mainWindow, int command);
// Builds, tracks and destroys the context menu at the pointer.
void MainOnRightButtonDown(HWND mainWindow);
