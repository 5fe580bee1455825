// Placeholder until the dialogs land.
#include "dialogs/dialogs_win.h"

INT_PTR CALLBACK SearchDialogProc(HWND, UINT, WPARAM, LPARAM) { return 0; }
INT_PTR CALLBACK StereoBaseDialogProc(HWND, UINT, WPARAM, LPARAM) { return 0; }
INT_PTR CALLBACK AboutDialogProc(HWND, UINT, WPARAM, LPARAM) { return 0; }
