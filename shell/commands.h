#pragma once
// Rules of the command table and of the context menu that need no window:
// the shift steps, the format commands and which context-menu item carries
// a check mark in a given state. Portable; commands_win.cpp moves values
// between these and the window system.
#include <cstddef>
#include <cstdint>

#include "shell/viewer_state.h"

// When a context-menu item carries its check mark.
enum class MenuCheck {
  kNever,
  kFormat,          // the format submenu: item 1000 + stereoFormat
  kSwapEyes,        // swapEyes is 1
  kNavigatorShown,  // navigatorShown is 1
  kMapView,         // earthView is 0
};

struct ContextMenuItem {
  int stringId;  // text, through LoadResString
  int command;   // command number; the format submenu names its first
  bool submenu;  // true for the format submenu (menu VEXOLAN)
  MenuCheck check;
};

// The context menu's items in order, without separators.
extern const ContextMenuItem kContextMenuItems[];
extern const size_t kContextMenuItemCount;

// The command that carries the check mark for the item in state, or 0 for
// none. For the format submenu this is 1000 + stereoFormat when the format
// is 0 to 9, else 0.
int CheckedCommand(const ContextMenuItem& item, const ViewerState& state);

// True for the format commands 1000 to 1009.
bool IsFormatCommand(int command);

// One shift step: value + delta (delta is +1 or -1), held at the ends of the
// 32-bit range instead of overflowing.
int32_t StepShift(int32_t value, int32_t delta);
