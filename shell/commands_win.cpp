// The main window's command table and its context menu.
#include "shell/commands_win.h"

#include <cstdio>

#include "dialogs/dialogs_win.h"
#include "favorites/favorites_dialogs_win.h"
#include "page/browser_pane_win.h"
#include "page/page_script.h"
#include "page/position_readout_win.h"
#include "resources/resource.h"
#include "shell/commands.h"
#include "shell/resource_text_win.h"
#include "shell/settings_win.h"
#include "shell/viewer_state.h"

namespace {

void CommandSelectFormat(int command) {
  g_state.eraseNextPaint = 1;
  g_state.stereoFormat = command - IDM_FORMAT_FIRST;
  // Written even when the format was already the current one.
  char text[16];
  std::snprintf(text, sizeof text, "%d", static_cast<int>(g_state.stereoFormat));
  WriteSetting("StereoType", text);
}

void CommandShift(int32_t* field, int32_t delta) {
  g_state.eraseNextPaint = 1;
  *field = StepShift(*field, delta);
}

void CommandSwapEyes() {
  g_state.swapEyes = ToggleValue(g_state.swapEyes);
}

void CommandAbout(HWND mainWindow) {
  DialogBoxParamA(g_state.instance, "ABOUT", mainWindow, AboutDialogProc, 0);
}

void CommandClose(HWND mainWindow) {
  // The close box's path: the view window goes first, then the main window.
  SendMessageA(mainWindow, WM_CLOSE, 0, 0);
}

void CommandFavorite(HWND mainWindow) {
  // The position is read to its end before the dialog opens.
  SendMessageA(mainWindow, WM_COMMAND, IDM_READ_POSITION, 0);
  // -1 means the dialog could not be opened: no confirmation.
  if (DialogBoxParamA(g_state.instance, "FAVORITE", mainWindow, FavoriteDialogProc, 0) > 0) {
    RunPageScript(g_state.favoriteUrl);
    g_state.eraseNextPaint = 1;
  }
}

// Appends one context-menu item; the format item carries the menu VEXOLAN.
void AppendContextItem(HMENU popup, const ContextMenuItem& item) {
  const char* text = LoadResString(static_cast<UINT>(item.stringId));
  if (item.submenu) {
    HMENU formats = LoadMenuA(g_state.instance, "VEXOLAN");
    if (formats != nullptr) {
      AppendMenuA(popup, MF_STRING | MF_POPUP, reinterpret_cast<UINT_PTR>(formats), text);
    } else {
      AppendMenuA(popup, MF_STRING | MF_GRAYED, 0, text);
    }
  } else {
    AppendMenuA(popup, MF_STRING, static_cast<UINT_PTR>(item.command), text);
  }
  // By command, so the format's check mark is found inside the submenu.
  const int checked = CheckedCommand(item, g_state);
  if (checked != 0) CheckMenuItem(popup, static_cast<UINT>(checked), MF_BYCOMMAND | MF_CHECKED);
}

}  // namespace

void MainOnCommand(HWND mainWindow, int command) {
  switch (command) {
    case IDM_FORMAT_FIRST + 0:
    case IDM_FORMAT_FIRST + 1:
    case IDM_FORMAT_FIRST + 2:
    case IDM_FORMAT_FIRST + 3:
    case IDM_FORMAT_FIRST + 4:
    case IDM_FORMAT_FIRST + 5:
    case IDM_FORMAT_FIRST + 6:
    case IDM_FORMAT_FIRST + 7:
    case IDM_FORMAT_FIRST + 8:
    case IDM_FORMAT_FIRST + 9: CommandSelectFormat(command); break;
    case IDM_SHIFT_UP: CommandShift(&g_state.shiftY, -1); break;
    case IDM_SHIFT_DOWN: CommandShift(&g_state.shiftY, +1); break;
    case IDM_SHIFT_LEFT: CommandShift(&g_state.shiftX, +1); break;
    case IDM_SHIFT_RIGHT: CommandShift(&g_state.shiftX, -1); break;
    case IDM_SEARCH: PageOnSearch(mainWindow); break;
    case IDM_NAVIGATOR: PageOnNavigator(mainWindow); break;
    case IDM_EARTH_MAP: PageOnEarthMap(mainWindow); break;
    case IDM_STEREO_BASE: PageOnStereoBase(mainWindow); break;
    case IDM_SWAP: CommandSwapEyes(); break;
    case IDM_ABOUT: CommandAbout(mainWindow); break;
    case IDM_HELP: PageOnHelp(mainWindow); break;
    case IDM_CLOSE: CommandClose(mainWindow); break;
    case IDM_READ_POSITION: ReadPositionText(); break;
    case IDM_FAVORITE: CommandFavorite(mainWindow); break;
    default: break;  // numbers the table does not name are ignored
  }
}

void MainOnRightButtonDown(HWND mainWindow) {
  POINT pointer = {};
  GetCursorPos(&pointer);
  HMENU popup = CreatePopupMenu();
  if (popup == nullptr) return;
  for (size_t i = 0; i < kContextMenuItemCount; ++i) AppendContextItem(popup, kContextMenuItems[i]);
  // The chosen item arrives as WM_COMMAND and runs through the command table.
  TrackPopupMenu(popup, TPM_RIGHTBUTTON, pointer.x, pointer.y, 0, mainWindow, nullptr);
  // Destroys the format submenu with it.
  DestroyMenu(popup);
}
