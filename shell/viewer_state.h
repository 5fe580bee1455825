#pragma once
// ViewerState: the one process-wide state record. No window owns it; every
// part of the program reads and writes it on the one user-interface thread.
// Integers are 32-bit signed; texts are 8-bit, terminated, in the ANSI code
// page, in fields of the given size.
//
// The record is portable: window and COM handles are declared by their
// opaque tags here, the same tags <windows.h> uses with STRICT.
#include <cstdint>

#include "imaging/frame_image.h"
#include "imaging/stereo_format.h"

struct HWND__;
struct HINSTANCE__;
struct IWebBrowser2;

constexpr int kTextField = 256;
constexpr int kPathField = 260;
// A favourite's page address: the base address (a string-table text of at
// most 255 characters) followed by a stored position of up to 511.
constexpr int kFavoriteUrlField = 768;

struct ViewerState {
  int32_t shiftX = 0;
  int32_t shiftY = 0;
  int32_t stereoFormat = kColorAnaglyph;
  int32_t navigatorShown = 0;
  int32_t swapEyes = 0;
  int32_t baseDivisor = 30;
  int32_t earthView = 1;
  int32_t viewWidth = 1000;
  int32_t eraseNextPaint = 0;
  char searchText[kTextField] = {};
  char favoriteUrl[kFavoriteUrlField] = {};
  char positionText[kTextField] = {};
  char favoriteName[kTextField] = {};
  char favoriteParams[kTextField] = {};
  int32_t saveParams = 1;
  int32_t favoriteIndex = 0;
  char favoritesPath[kPathField] = {};
  FrameImage* currentFrame = nullptr;
  char lastTitle[kTextField] = {};
  HWND__* mainWindow = nullptr;
  HWND__* viewWindow = nullptr;
  HWND__* browserHostWindow = nullptr;
  IWebBrowser2* webBrowser = nullptr;
  HINSTANCE__* instance = nullptr;
};

extern ViewerState g_state;
