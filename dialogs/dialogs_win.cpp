// The SEARCH, STBASE and ABOUT dialogs. Each procedure returns 1 for the
// message with which it ends its dialog and 0 for every other message.
#include "dialogs/dialogs_win.h"

#include "resources/resource.h"
#include "shell/viewer_state.h"

namespace {

// The search text keeps at most 254 characters (the terminator makes 255
// bytes of its 256-byte field).
constexpr int kSearchTextChars = 254;

void SearchOnInit(HWND dialog) {
  SetFocus(dialog);
  SetDlgItemTextA(dialog, IDC_SEARCH_TEXT, g_state.searchText);
}

void SearchOnConfirm(HWND dialog) {
  GetDlgItemTextA(dialog, IDC_SEARCH_TEXT, g_state.searchText, kSearchTextChars + 1);
  EndDialog(dialog, 1);
}

void StereoBaseOnInit(HWND dialog) {
  SetFocus(dialog);
  SetDlgItemInt(dialog, IDC_BASE_DIVISOR, static_cast<UINT>(g_state.baseDivisor), FALSE);
}

void StereoBaseOnConfirm(HWND dialog) {
  // The window system's unsigned reading: leading spaces skipped, the digits
  // at the start taken, 0 for text that does not start with a digit. The
  // value is kept without a range check.
  g_state.baseDivisor =
      static_cast<int32_t>(GetDlgItemInt(dialog, IDC_BASE_DIVISOR, nullptr, FALSE));
  EndDialog(dialog, 1);
}

}  // namespace

INT_PTR CALLBACK SearchDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG: SearchOnInit(dialog); return 0;
    case WM_COMMAND:
      switch (LOWORD(wParam)) {
        case IDOK: SearchOnConfirm(dialog); return 1;
        case IDCANCEL: EndDialog(dialog, 0); return 1;
      }
      return 0;
  }
  return 0;
}

INT_PTR CALLBACK StereoBaseDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG: StereoBaseOnInit(dialog); return 0;
    case WM_COMMAND:
      switch (LOWORD(wParam)) {
        case IDOK: StereoBaseOnConfirm(dialog); return 1;
        case IDCANCEL: EndDialog(dialog, 0); return 1;
      }
      return 0;
  }
  return 0;
}

INT_PTR CALLBACK AboutDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_COMMAND:
      switch (LOWORD(wParam)) {
        case IDOK:      // OK and Enter
        case IDCANCEL:  // Esc and the close box
          EndDialog(dialog, 0);
          return 1;
      }
      return 0;
  }
  return 0;
}
