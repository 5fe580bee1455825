// Placeholder until the favorites dialogs land.
#include "favorites/favorites_dialogs_win.h"

INT_PTR CALLBACK FavoriteDialogProc(HWND, UINT, WPARAM, LPARAM) { return 0; }
