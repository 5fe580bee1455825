#include "page/browser_pane_win.h"

#include <exdisp.h>
#include <shellapi.h>

#include <cstdio>

#include "dialogs/dialogs_win.h"
#include "page/browser_event_sink_win.h"
#include "page/page_script.h"
#include "resources/resource.h"
#include "shell/resource_text_win.h"
#include "shell/settings_win.h"
#include "shell/viewer_state.h"

namespace {

// The one event sink. The program keeps its reference for the whole run:
// the control holds the sink while connected, and OnQuit must be able to
// disconnect it.
BrowserEventSink* g_eventSink = nullptr;

bool IsAnsiLeadByte(unsigned char byte) {
  return IsDBCSLeadByte(byte) != FALSE;
}

void ShowInitFailure(HWND mainWindow) {
  // LoadResString keeps two texts alive: the message and its caption.
  const char* text = LoadResString(IDS_INIT_ERROR);
  const char* caption = LoadResString(IDS_INIT_ERROR_CAPTION);
  MessageBoxA(mainWindow, text, caption, MB_OK);
}

void OpenStartPage() {
  char address[300];
  std::snprintf(address, sizeof address, LoadResString(IDS_START_PAGE),
                static_cast<int>(g_state.navigatorShown), static_cast<int>(g_state.baseDivisor));
  RunPageScript(address);
}

void WriteNumberSetting(const char* name, int32_t value) {
  char text[16];
  std::snprintf(text, sizeof text, "%d", static_cast<int>(value));
  WriteSetting(name, text);
}

}  // namespace

void ConnectBrowserPane(HWND mainWindow) {
  IUnknown* control = nullptr;
  if (g_state.browserHostWindow != nullptr) {
    const UINT getControl = RegisterWindowMessageA("WM_ATLGETCONTROL");
    control = reinterpret_cast<IUnknown*>(SendMessageA(g_state.browserHostWindow, getControl, 0, 0));
  }
  // No control (or no host window): the program runs without a page, silently.
  if (control == nullptr) return;

  IWebBrowser2* browser = nullptr;
  control->QueryInterface(IID_IWebBrowser2, reinterpret_cast<void**>(&browser));
  if (g_state.webBrowser != nullptr) g_state.webBrowser->Release();
  g_state.webBrowser = browser;
  if (browser == nullptr) {
    ShowInitFailure(mainWindow);
    control->Release();
    return;
  }

  if (g_eventSink == nullptr) g_eventSink = new BrowserEventSink();
  g_eventSink->HoldControl(control);
  // When this fails the sink ignores every event; the connection goes on.
  g_eventSink->LearnEventInterface();
  if (FAILED(g_eventSink->Connect())) {
    // webBrowser stays held: page commands still reach the control.
    ShowInitFailure(mainWindow);
    control->Release();
    return;
  }
  OpenStartPage();
  control->Release();
}

void RunPageScript(const char* url) {
  IWebBrowser2* browser = g_state.webBrowser;
  if (browser == nullptr || url == nullptr) return;

  VARIANT address;
  VariantInit(&address);
  // The units needed, terminator included: at most one per byte plus one.
  const int units = MultiByteToWideChar(CP_ACP, 0, url, -1, nullptr, 0);
  BSTR text = SysAllocStringLen(nullptr, units > 0 ? static_cast<UINT>(units - 1) : 0);
  if (text != nullptr) {
    if (units > 0) MultiByteToWideChar(CP_ACP, 0, url, -1, text, units);
    address.vt = VT_BSTR;
    address.bstrVal = text;
  } else {
    // The call is made all the same; the control gets the error.
    address.vt = VT_ERROR;
    address.scode = E_OUTOFMEMORY;
  }
  VARIANT empty;
  VariantInit(&empty);
  browser->Navigate2(&address, &empty, &empty, &empty, &empty);
  VariantClear(&address);
  VariantClear(&empty);
}

void PageOnSearch(HWND mainWindow) {
  if (g_state.webBrowser == nullptr) return;
  // -1 (the dialog could not be opened) is no confirmation.
  if (DialogBoxParamA(g_state.instance, "SEARCH", mainWindow, SearchDialogProc, 0) <= 0) return;
  char script[kSearchScriptSize];
  FormatSearchScript(g_state.searchText, IsAnsiLeadByte, script, sizeof script);
  RunPageScript(script);
  WriteSetting("Search", g_state.searchText);
}

void PageOnNavigator(HWND) {
  if (g_state.webBrowser == nullptr) return;
  g_state.navigatorShown = ToggleValue(g_state.navigatorShown);
  WriteNumberSetting("Navigation", g_state.navigatorShown);
  RunPageScript(g_state.navigatorShown != 0 ? kShowNavigatorScript : kHideNavigatorScript);
}

void PageOnEarthMap(HWND) {
  if (g_state.webBrowser == nullptr) return;
  g_state.earthView = ToggleValue(g_state.earthView);
  RunPageScript(kEarthMapScript);
}

void PageOnStereoBase(HWND mainWindow) {
  if (g_state.webBrowser == nullptr) return;
  if (DialogBoxParamA(g_state.instance, "STBASE", mainWindow, StereoBaseDialogProc, 0) <= 0) return;
  char script[kStereoBaseScriptSize];
  FormatStereoBaseScript(g_state.baseDivisor, script, sizeof script);
  RunPageScript(script);
  WriteNumberSetting("Div", g_state.baseDivisor);
}

void PageOnHelp(HWND mainWindow) {
  // The help page opens in the user's default browser, not in the control,
  // so it works without one. The outcome is not examined.
  ShellExecuteA(mainWindow, "open", LoadResString(IDS_HELP_PAGE), nullptr, nullptr,
                SW_SHOWNORMAL);
}
