// Placeholder until the command table lands.
#include "shell/commands_win.h"

void MainOnCommand(HWND, int) {}
void MainOnRightButtonDown(HWND) {}
