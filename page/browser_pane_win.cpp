// Placeholder until the page bridge lands.
#include "page/browser_pane_win.h"

void ConnectBrowserPane(HWND) {}
