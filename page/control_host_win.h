#pragma once
// The control host window class "AtlAxWin": a child window that creates the
// ActiveX control named by its window text (a ProgID), activates it in place
// over its whole client area and keeps it sized to the window.
//
// Messages a host window answers:
//   "WM_ATLGETCONTROL" (wParam, lParam 0): the control's IUnknown with a
//     reference added for the caller, or null.
//   "WM_ATLGETHOST" (wParam, lParam 0): the host's own site object's
//     IUnknown with a reference added for the caller, or null.
// CreateWindowEx yields no window when the control cannot be created.
#include <windows.h>

constexpr char kControlHostClass[] = "AtlAxWin";

// Initialises OLE for the thread (once), registers the messages
// "WM_ATLGETHOST" and "WM_ATLGETCONTROL" and the class "AtlAxWin" unless it
// exists for `instance`.
void SetUpControlHost(HINSTANCE instance);

// Undoes the OLE initialisation of SetUpControlHost; called once at exit,
// after every host window has been destroyed.
void ShutDownControlHost();

// The registered message numbers (0 before SetUpControlHost).
UINT ControlHostGetControlMessage();
UINT ControlHostGetHostMessage();
