#include "imaging/capture_win.h"

#include <windows.h>

#include "imaging/stereo_compose.h"
#include "imaging/view_caption.h"
#include "shell/viewer_state.h"

FrameImage* CaptureBrowserPane(FrameImage* previous) {
  RECT pane = {};
  GetWindowRect(g_state.browserHostWindow, &pane);
  const int32_t width = pane.right - pane.left - kUncapturedColumns;
  const int32_t height = pane.bottom - pane.top;

  FreeFrameImage(previous);

  // A pane of 18 columns or less gives no frame (CreateFrameImage refuses
  // widths below 1), and there is nothing to capture into.
  FrameImage* frame = CreateFrameImage(width, height);
  if (frame == nullptr) return nullptr;
  uint8_t* pixels = FramePixels(frame);
  BITMAPINFO* description = reinterpret_cast<BITMAPINFO*>(frame);

  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  void* sectionBits = nullptr;
  HBITMAP section = CreateDIBSection(screen, description, DIB_RGB_COLORS, &sectionBits, nullptr, 0);
  if (section != nullptr) {
    HGDIOBJ oldBitmap = SelectObject(memory, section);
    BitBlt(memory, 0, 0, width, height, screen, pane.left, pane.top, SRCCOPY);
    // GetDIBits wants the bitmap out of every device context, so the memory
    // context gets its own bitmap back first.
    SelectObject(memory, oldBitmap);
    GetDIBits(screen, section, 0, static_cast<UINT>(height), pixels, description, DIB_RGB_COLORS);
  }
  ReleaseDC(nullptr, screen);
  DeleteDC(memory);
  if (section != nullptr) DeleteObject(section);

  return ComposeCaptured(frame, g_state.shiftX, g_state.shiftY, g_state.stereoFormat,
                         g_state.swapEyes);
}
