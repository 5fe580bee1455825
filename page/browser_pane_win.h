#pragma once
// The page bridge: the browser control's IWebBrowser2, its events, the
// start page, page scripts and the page commands.
#include <windows.h>

// Takes hold of the control in browserHostWindow, connects the event sink
// and opens the start page; shows the failure message where it must.
void ConnectBrowserPane(HWND mainWindow);
