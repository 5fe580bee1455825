#pragma once
// The control host window class "AtlAxWin": a child window that creates the
// ActiveX control named by its window text and keeps it over its client area.
#include <windows.h>

// Registers the messages "WM_ATLGETHOST" and "WM_ATLGETCONTROL" and the
// class "AtlAxWin" unless it exists.
void SetUpControlHost(HINSTANCE instance);
