// The stereo view window (class VEXOVIEW): the refresh timer, the paint of
// the composed picture, the caption, the shift drag and the double-click.
#include "imaging/view_window_win.h"

#include "imaging/capture_win.h"
#include "imaging/view_caption.h"
#include "resources/resource.h"
#include "shell/resource_text_win.h"
#include "shell/viewer_state.h"

namespace {

constexpr UINT_PTR kRefreshTimer = 1;
constexpr UINT kRefreshPeriodMs = 100;

void ViewOnCreate(HWND window) {
  g_state.lastTitle[0] = '\0';
  SetTimer(window, kRefreshTimer, kRefreshPeriodMs, nullptr);
}

void ViewOnTimer(HWND window) {
  if (g_state.earthView == 0) return;  // map view: the last frame stays
  g_state.currentFrame = CaptureBrowserPane(g_state.currentFrame);
  InvalidateRect(window, nullptr, g_state.eraseNextPaint != 0);
  g_state.eraseNextPaint = 0;
}

void UpdateCaption() {
  const int32_t format = g_state.stereoFormat;
  // Both texts stay valid together: LoadResString alternates two buffers.
  const char* pattern = LoadResString(IDS_CAPTION_FORMAT);
  const uint32_t nameId = CaptionFormatNameId(format);
  const char* name = nameId != 0 ? LoadResString(nameId) : nullptr;
  char caption[kCaptionBytes];
  BuildViewCaption(caption, pattern, g_state.shiftX, g_state.shiftY, format, name,
                   g_state.swapEyes);
  if (TakeNewCaption(g_state.lastTitle, caption)) SetWindowTextA(g_state.mainWindow, caption);
}

void PaintFrame(HDC dc) {
  FrameImage* frame = g_state.currentFrame;
  const uint16_t width = FrameWidth(frame);
  const uint16_t height = FrameHeight(frame);
  RECT pane = {};
  GetClientRect(g_state.browserHostWindow, &pane);
  g_state.viewWidth = pane.right;
  const int32_t x = PicturePlacementX(pane.right, width);
  SetDIBitsToDevice(dc, x, 0, width, height, 0, 0, 0, height, FramePixels(frame),
                    reinterpret_cast<const BITMAPINFO*>(frame), DIB_RGB_COLORS);
}

void ViewOnPaint(HWND window) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  if (g_state.currentFrame != nullptr) {
    UpdateCaption();
    PaintFrame(dc);
  }
  EndPaint(window, &paint);
}

// One mouse move of a drag: the shift follows the mouse and the picture is
// captured and painted at once, since no timer tick comes while dragging.
void DragOnMouseMove(HWND window, int32_t shiftAtPress, int16_t xAtPress, LPARAM lParam) {
  g_state.shiftX = DragShift(shiftAtPress, xAtPress, static_cast<int16_t>(LOWORD(lParam)));
  if (g_state.earthView != 0) g_state.currentFrame = CaptureBrowserPane(g_state.currentFrame);
  InvalidateRect(window, nullptr, TRUE);
  UpdateWindow(window);
}

// Runs the drag's own message loop for as long as the window holds the
// mouse capture. Returns true when the button was released, false when the
// capture went elsewhere.
//
// Each pass first dispatches the message at the head of the queue if it
// belongs to another window (messages without a window and the view's own
// non-mouse messages stay queued, and accelerators are not translated), then
// takes the view's next mouse message. A pass that finds nothing to do waits
// for a new message instead of polling, so a motionless drag costs no CPU;
// WaitMessage returns only for messages that arrive after the last look at
// the queue, so a message that stays queued does not make the loop spin.
bool RunDragLoop(HWND window, int32_t shiftAtPress, int16_t xAtPress) {
  while (GetCapture() == window) {
    bool acted = false;
    MSG message;
    if (PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE) && message.hwnd != nullptr &&
        message.hwnd != window) {
      // Remove exactly that message: a message posted in between could
      // otherwise jump ahead of it.
      if (PeekMessageA(&message, message.hwnd, message.message, message.message, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
      }
      acted = true;
    }
    if (PeekMessageA(&message, window, WM_MOUSEMOVE, WM_MBUTTONDBLCLK, PM_REMOVE)) {
      acted = true;
      switch (message.message) {
        case WM_MOUSEMOVE:
          DragOnMouseMove(window, shiftAtPress, xAtPress, message.lParam);
          break;
        case WM_LBUTTONUP:
          SetFocus(window);
          return true;
        default:
          break;  // other buttons and a second press are dropped
      }
    }
    if (!acted && GetCapture() == window) WaitMessage();
  }
  return false;
}

void ViewOnLeftButtonDown(HWND window, LPARAM lParam) {
  if (g_state.earthView == 0) return;
  KillTimer(window, kRefreshTimer);
  SetCapture(window);
  RunDragLoop(window, g_state.shiftX, static_cast<int16_t>(LOWORD(lParam)));
  SetTimer(window, kRefreshTimer, kRefreshPeriodMs, nullptr);
  // When the capture was lost it belongs to another window now (or to none)
  // and is left alone.
  if (GetCapture() == window) ReleaseCapture();
}

void ViewOnDoubleClick(HWND window) {
  if (g_state.earthView == 0) return;
  SetFocus(window);
  g_state.shiftX = 0;
  g_state.shiftY = 0;
  g_state.currentFrame = CaptureBrowserPane(g_state.currentFrame);
  InvalidateRect(window, nullptr, TRUE);
}

void ViewOnRightButtonDown(WPARAM wParam, LPARAM lParam) {
  // The main window shows the context menu at the pointer.
  SendMessageA(g_state.mainWindow, WM_RBUTTONDOWN, wParam, lParam);
}

void ViewOnClose(HWND window) {
  KillTimer(window, kRefreshTimer);
  if (g_state.currentFrame != nullptr) {
    FreeFrameImage(g_state.currentFrame);
    g_state.currentFrame = nullptr;
  }
  DestroyWindow(window);
}

}  // namespace

LRESULT CALLBACK ViewWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE: ViewOnCreate(window); return 0;
    case WM_TIMER: ViewOnTimer(window); return 0;
    case WM_PAINT: ViewOnPaint(window); return 0;
    case WM_LBUTTONDOWN: ViewOnLeftButtonDown(window, lParam); return 0;
    case WM_LBUTTONDBLCLK: ViewOnDoubleClick(window); return 0;
    case WM_RBUTTONDOWN: ViewOnRightButtonDown(wParam, lParam); return 0;
    case WM_CLOSE: ViewOnClose(window); return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}
