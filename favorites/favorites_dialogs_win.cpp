// The FAVORITE dialog (the list of stored favourites: open, add, delete,
// edit the file) and the ADDFAV dialog it opens. Each procedure returns 1
// for the message with which it ends its dialog and 0 for every other one.
#include "favorites/favorites_dialogs_win.h"

#include <shellapi.h>

#include <cstdio>

#include "favorites/favorite_params.h"
#include "favorites/favorites_file.h"
#include "resources/resource.h"
#include "shell/resource_text_win.h"
#include "shell/viewer_state.h"

namespace {

// Characters the ADDFAV fields keep (their fields hold one byte more).
constexpr int kNameChars = 255;
constexpr int kPositionChars = 254;
constexpr int kParamsChars = 255;

// Tells the user when the favorites file could not be changed; the file is
// then as it was. Returns 1 when it was changed, 0 otherwise.
int ReportFavoriteWrite(HWND owner, FavoriteWrite result) {
  switch (result) {
    case FavoriteWrite::kDone: return 1;
    case FavoriteWrite::kFileFailed:
      MessageBoxA(owner, "Can not make a favorite file!", "caustion!", MB_OK | MB_ICONWARNING);
      return 0;
    case FavoriteWrite::kRecordTooLong:
      MessageBoxA(owner,
                  "This favorite is too long for the favorite file (511 characters in all).\n"
                  "Shorten its name or position; nothing was saved.",
                  "caustion!", MB_OK | MB_ICONWARNING);
      return 0;
  }
  return 0;
}

void PostCommand(HWND dialog, int command) {
  PostMessageA(dialog, WM_COMMAND, static_cast<WPARAM>(command), 0);
}

// --- ADDFAV -----------------------------------------------------------------

void ShowParamsField(HWND dialog, int shown) {
  int show = shown == 1 ? SW_SHOW : SW_HIDE;
  ShowWindow(GetDlgItem(dialog, IDC_ADDFAV_PARAMS), show);
  ShowWindow(GetDlgItem(dialog, IDC_ADDFAV_PARAMS_LABEL), show);
}

void AddOnInit(HWND dialog) {
  SetFocus(dialog);
  SetDlgItemTextA(dialog, IDC_ADDFAV_NAME, g_state.favoriteName);
  SetDlgItemTextA(dialog, IDC_ADDFAV_POSITION, g_state.positionText);
  SetDlgItemTextA(dialog, IDC_ADDFAV_PARAMS, g_state.favoriteParams);
  CheckDlgButton(dialog, IDC_ADDFAV_SAVE_PARAMS, g_state.saveParams == 1 ? BST_CHECKED
                                                                         : BST_UNCHECKED);
  if (g_state.saveParams == 0) ShowParamsField(dialog, 0);
}

void AddOnConfirm(HWND dialog) {
  GetDlgItemTextA(dialog, IDC_ADDFAV_NAME, g_state.favoriteName, kNameChars + 1);
  GetDlgItemTextA(dialog, IDC_ADDFAV_POSITION, g_state.positionText, kPositionChars + 1);
  GetDlgItemTextA(dialog, IDC_ADDFAV_PARAMS, g_state.favoriteParams, kParamsChars + 1);
  g_state.saveParams = IsDlgButtonChecked(dialog, IDC_ADDFAV_SAVE_PARAMS) == BST_CHECKED ? 1 : 0;
  if (g_state.saveParams == 0) g_state.favoriteParams[0] = '\0';
  EndDialog(dialog, 1);
}

void AddOnToggleSaveParams(HWND dialog) {
  g_state.saveParams = (g_state.saveParams + 1) % 2;
  CheckDlgButton(dialog, IDC_ADDFAV_SAVE_PARAMS, g_state.saveParams == 1 ? BST_CHECKED
                                                                         : BST_UNCHECKED);
  ShowParamsField(dialog, g_state.saveParams);
}

INT_PTR CALLBACK AddFavoriteDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG: AddOnInit(dialog); return 0;
    case WM_COMMAND:
      switch (LOWORD(wParam)) {
        case IDOK: AddOnConfirm(dialog); return 1;
        case IDCANCEL: EndDialog(dialog, 0); return 1;
        case IDC_ADDFAV_SAVE_PARAMS: AddOnToggleSaveParams(dialog); return 0;
      }
      return 0;
  }
  return 0;
}

// --- FAVORITE ---------------------------------------------------------------

// The list's selected row, or -1 when none is (also when text was typed).
int SelectedRow(HWND dialog) {
  return static_cast<int>(SendDlgItemMessageA(dialog, IDC_FAVORITE_LIST, CB_GETCURSEL, 0, 0));
}

void FavoriteOnInit(HWND dialog) {
  SetFocus(dialog);
  // Filled once the dialog is up.
  PostCommand(dialog, IDC_FAVORITE_REFILL);
}

// Rebuilds the list from the file, one row per line, and selects row
// favoriteIndex (nothing when there is no such row).
void FavoriteOnRefill(HWND dialog) {
  HWND list = GetDlgItem(dialog, IDC_FAVORITE_LIST);
  SendMessageA(list, CB_RESETCONTENT, 0, 0);
  FavoriteLine name;
  for (int row = 0; ReadFavoriteName(g_state.favoritesPath, row, name) == 1; ++row) {
    SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
  }
  SendMessageA(list, CB_SETCURSEL, static_cast<WPARAM>(g_state.favoriteIndex), 0);
}

// GO: the page address of the selected favourite, and the view it stored.
void FavoriteOnGo(HWND dialog) {
  g_state.favoriteIndex = SelectedRow(dialog);
  FavoriteLine position = "";
  FavoriteLine params = "";
  ReadFavoriteFields(g_state.favoritesPath, g_state.favoriteIndex, position, params);
  BuildFavoriteUrl(LoadResString(IDS_FAVORITE_PAGE), position, g_state.favoriteUrl,
                   sizeof g_state.favoriteUrl);
  FavoriteView view = {g_state.shiftX, g_state.shiftY, g_state.baseDivisor};
  RestoreFavoriteParams(params, g_state.viewWidth, view);
  g_state.shiftX = view.shiftX;
  g_state.shiftY = view.shiftY;
  g_state.baseDivisor = view.baseDivisor;
  EndDialog(dialog, 1);
}

void FavoriteOnAdd(HWND dialog) {
  FormatFavoriteParams(g_state.shiftX, g_state.viewWidth, g_state.shiftY, g_state.baseDivisor,
                       g_state.favoriteParams, sizeof g_state.favoriteParams);
  // -1 (the dialog could not be made) is no confirmation either.
  if (DialogBoxParamA(g_state.instance, "ADDFAV", dialog, AddFavoriteDialogProc, 0) <= 0) return;
  ReportFavoriteWrite(dialog, AppendFavorite(g_state.favoritesPath, g_state.favoriteName,
                                             g_state.positionText, g_state.favoriteParams));
  PostCommand(dialog, IDC_FAVORITE_REFILL);
}

void FavoriteOnDelete(HWND dialog) {
  // Text and caption share LoadResString's two buffers.
  if (MessageBoxA(dialog, LoadResString(IDS_DELETE_CONFIRM), LoadResString(IDS_DELETE_CAPTION),
                  MB_OKCANCEL) != IDOK) {
    return;
  }
  g_state.favoriteIndex = SelectedRow(dialog);
  ReportFavoriteWrite(dialog, DeleteFavorite(g_state.favoritesPath, g_state.favoriteIndex));
  // The refill selects the same row, now the record after the deleted one.
  PostCommand(dialog, IDC_FAVORITE_REFILL);
}

// Opens the file in the user's editor and closes the dialog as cancelled.
void FavoriteOnEditFile(HWND dialog) {
  ShellExecuteA(dialog, "open", g_state.favoritesPath, nullptr, nullptr, SW_SHOWNORMAL);
  PostCommand(dialog, IDCANCEL);
}

}  // namespace

INT_PTR CALLBACK FavoriteDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG: FavoriteOnInit(dialog); return 0;
    case WM_COMMAND:
      switch (LOWORD(wParam)) {
        case IDOK: FavoriteOnGo(dialog); return 1;
        case IDCANCEL: EndDialog(dialog, 0); return 1;
        case IDC_FAVORITE_REFILL: FavoriteOnRefill(dialog); return 0;
        case IDC_FAVORITE_ADD: FavoriteOnAdd(dialog); return 0;
        case IDC_FAVORITE_DELETE: FavoriteOnDelete(dialog); return 0;
        case IDC_FAVORITE_EDIT_FILE: FavoriteOnEditFile(dialog); return 0;
      }
      return 0;
  }
  return 0;
}
