#pragma once
// The FAVORITE dialog (and the ADDFAV dialog it opens). Run with
// DialogBoxParam owned by the main window and initial parameter 0; ends with
// a positive result when GO has set favoriteUrl.
#include <windows.h>

INT_PTR CALLBACK FavoriteDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
