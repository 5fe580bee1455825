#pragma once
// Dialog procedures of the SEARCH, STBASE and ABOUT dialogs. Each is run with
// DialogBoxParam owned by the main window and initial parameter 0.
#include <windows.h>

INT_PTR CALLBACK SearchDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK StereoBaseDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK AboutDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
