#pragma once
// The page bridge: the browser control's IWebBrowser2, its events, the
// start page, page scripts and the page commands.
#include <windows.h>

// Takes hold of the control in browserHostWindow, connects the event sink
// and opens the start page; shows the failure message where it must.
void ConnectBrowserPane(HWND mainWindow);

// Hands one page address or "javascript:" URL (ANSI text) to the control.
// Does nothing while there is no webBrowser.
void RunPageScript(const char* url);

// The page commands, run by the main window's command table. Each does
// nothing while there is no webBrowser.
void PageOnSearch(HWND mainWindow);       // 3001: SEARCH dialog, moveAddress, `Search`
void PageOnNavigator(HWND mainWindow);    // 3002: toggle, `Navigation`, Showcont/Hidecont
void PageOnEarthMap(HWND mainWindow);     // 3003: toggle earthView, GEjump
void PageOnStereoBase(HWND mainWindow);   // 3004: STBASE dialog, SetDiv, `Div`
// 3007: the help page in the user's default web browser.
void PageOnHelp(HWND mainWindow);
