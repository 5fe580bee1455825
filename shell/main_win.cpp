// Program entry and main window: the two window classes, the main window
// with its two panes, and the message loop with the accelerator table.
#include <windows.h>
#include <exdisp.h>

#include "imaging/view_window_win.h"
#include "page/browser_pane_win.h"
#include "page/control_host_win.h"
#include "resources/resource.h"
#include "shell/commands_win.h"
#include "shell/main_window.h"
#include "shell/module_path_win.h"
#include "shell/resource_text_win.h"
#include "shell/settings_win.h"
#include "shell/viewer_state.h"

namespace {

constexpr char kMainClass[] = "VexoBrowser";
constexpr char kViewClass[] = "VEXOVIEW";
constexpr char kBrowserProgId[] = "Shell.Explorer.2";

void ReadSettingFromRegistry(const char* name, char* buffer, size_t size) {
  ReadSetting(name, buffer, size);
}

void ReleaseWebBrowser() {
  if (IWebBrowser2* browser = g_state.webBrowser) {
    g_state.webBrowser = nullptr;
    browser->Release();
  }
}

LRESULT MainOnCreate(HWND window, const CREATESTRUCTA* create) {
  SetFavoritesPathBesideExecutable();
  ReadStartupSettings(g_state, ReadSettingFromRegistry);
  SetUpControlHost(create->hInstance);
  g_state.browserHostWindow =
      CreateWindowExA(0, kControlHostClass, kBrowserProgId, WS_CHILD | WS_VISIBLE, 10, 10, 500, 300,
                      window, nullptr, create->hInstance, nullptr);
  g_state.viewWindow = CreateWindowExA(0, kViewClass, "", WS_CHILD | WS_VISIBLE, 10, 10, 10, 10,
                                       window, nullptr, create->hInstance, nullptr);
  // Creation goes on whether or not the browser can be set up.
  ConnectBrowserPane(window);
  return 0;
}

void MainOnSize(int w, int h) {
  g_state.eraseNextPaint = 1;
  const PaneLayout layout = SplitClientArea(w, h);
  MoveWindow(g_state.viewWindow, layout.view.x, layout.view.y, layout.view.width,
             layout.view.height, FALSE);
  MoveWindow(g_state.browserHostWindow, layout.browser.x, layout.browser.y, layout.browser.width,
             layout.browser.height, FALSE);
  // viewWidth still holds the pane width of the last paint, so the shift
  // keeps its proportion to the pane.
  g_state.shiftX = RescaledShift(g_state.shiftX, w, g_state.viewWidth);
}

void MainOnClose() {
  // The view window stops its timer and frees its frame before the main
  // window (and with it the browser pane) goes.
  if (g_state.viewWindow != nullptr) {
    SendMessageA(g_state.viewWindow, WM_CLOSE, 0, 0);
  }
}

void MainOnDestroy() {
  ReleaseWebBrowser();
  PostQuitMessage(0);
}

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      return MainOnCreate(window, reinterpret_cast<const CREATESTRUCTA*>(lParam));
    case WM_SIZE:
      MainOnSize(LOWORD(lParam), HIWORD(lParam));
      return 0;
    case WM_CLOSE:
      MainOnClose();
      break;  // DefWindowProc destroys the main window
    case WM_DESTROY:
      MainOnDestroy();
      return 0;
    case WM_COMMAND:
      MainOnCommand(window, LOWORD(wParam));
      return 0;
    case WM_RBUTTONDOWN:
      MainOnRightButtonDown(window);
      return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

void RegisterWindowClasses(HINSTANCE instance) {
  WNDCLASSEXA mainClass = {};
  mainClass.cbSize = sizeof mainClass;
  mainClass.style = CS_HREDRAW | CS_VREDRAW;
  mainClass.lpfnWndProc = MainWindowProc;
  mainClass.hInstance = instance;
  mainClass.hIcon = static_cast<HICON>(LoadImageA(instance, "VEXOLAN", IMAGE_ICON, 0, 0,
                                                  LR_DEFAULTSIZE | LR_SHARED));
  mainClass.hIconSm = static_cast<HICON>(
      LoadImageA(instance, "VEXOLAN", IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                 GetSystemMetrics(SM_CYSMICON), LR_SHARED));
  mainClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  mainClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
  mainClass.lpszClassName = kMainClass;
  RegisterClassExA(&mainClass);

  WNDCLASSEXA viewClass = {};
  viewClass.cbSize = sizeof viewClass;
  viewClass.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
  viewClass.lpfnWndProc = ViewWindowProc;
  viewClass.hInstance = instance;
  viewClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  viewClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
  viewClass.lpszClassName = kViewClass;
  RegisterClassExA(&viewClass);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  RegisterWindowClasses(instance);
  HWND window = CreateWindowExA(0, kMainClass, LoadResString(IDS_APP_TITLE), WS_OVERLAPPEDWINDOW,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr,
                                nullptr, instance, nullptr);
  // Maximised whatever show command the process was started with. A show
  // command that the starter put in STARTUPINFO can take precedence over the
  // first ShowWindow, so the window is shown once more if not maximised yet.
  ShowWindow(window, SW_SHOWMAXIMIZED);
  if (window != nullptr && !IsZoomed(window)) {
    ShowWindow(window, SW_SHOWMAXIMIZED);
  }
  UpdateWindow(window);
  g_state.instance = instance;
  g_state.mainWindow = window;
  HACCEL accelerators = LoadAcceleratorsA(instance, "VEXOLAN");

  MSG message = {};
  BOOL got;
  // GetMessage without a window filter does not fail; should it return -1
  // all the same, the loop ends instead of spinning.
  while ((got = GetMessageA(&message, nullptr, 0, 0)) != 0 && got != -1) {
    if (!TranslateAcceleratorA(g_state.mainWindow, accelerators, &message)) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
  }
  ReleaseWebBrowser();
  ShutDownControlHost();
  return static_cast<int>(message.wParam);
}
