#include "shell/commands.h"

#include <cstdint>
#include <limits>

#include "resources/resource.h"

const ContextMenuItem kContextMenuItems[] = {
    {IDS_MENU_STEREO, IDM_FORMAT_FIRST, true, MenuCheck::kFormat},
    {IDS_MENU_SEARCH, IDM_SEARCH, false, MenuCheck::kNever},
    {IDS_MENU_FAVORITE, IDM_FAVORITE, false, MenuCheck::kNever},
    {IDS_MENU_STEREO_BASE, IDM_STEREO_BASE, false, MenuCheck::kNever},
    {IDS_MENU_SWAP, IDM_SWAP, false, MenuCheck::kSwapEyes},
    {IDS_MENU_NAVIGATOR, IDM_NAVIGATOR, false, MenuCheck::kNavigatorShown},
    {IDS_MENU_EARTH_MAP, IDM_EARTH_MAP, false, MenuCheck::kMapView},
    {IDS_MENU_HELP, IDM_HELP, false, MenuCheck::kNever},
    {IDS_MENU_ABOUT, IDM_ABOUT, false, MenuCheck::kNever},
    {IDS_MENU_CLOSE, IDM_CLOSE, false, MenuCheck::kNever},
};
const size_t kContextMenuItemCount = sizeof kContextMenuItems / sizeof kContextMenuItems[0];

int CheckedCommand(const ContextMenuItem& item, const ViewerState& state) {
  switch (item.check) {
    case MenuCheck::kNever:
      return 0;
    case MenuCheck::kFormat:
      if (state.stereoFormat < 0 || state.stereoFormat > IDM_FORMAT_LAST - IDM_FORMAT_FIRST) return 0;
      return IDM_FORMAT_FIRST + state.stereoFormat;
    case MenuCheck::kSwapEyes:
      return state.swapEyes == 1 ? item.command : 0;
    case MenuCheck::kNavigatorShown:
      return state.navigatorShown == 1 ? item.command : 0;
    case MenuCheck::kMapView:
      return state.earthView == 0 ? item.command : 0;
  }
  return 0;
}

bool IsFormatCommand(int command) {
  return command >= IDM_FORMAT_FIRST && command <= IDM_FORMAT_LAST;
}

int32_t StepShift(int32_t value, int32_t delta) {
  const int64_t next = static_cast<int64_t>(value) + delta;
  if (next > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
  if (next < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(next);
}
