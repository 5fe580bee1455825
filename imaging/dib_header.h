#pragma once
// The device-independent-bitmap header as the window system lays it out
// (BITMAPINFOHEADER): 40 bytes, little-endian, no padding. A frame image
// starts with one, so its address can be handed to the bitmap calls as is.
#include <cstdint>

struct DibHeader {
  uint32_t biSize;
  int32_t biWidth;
  int32_t biHeight;  // positive: rows stored bottom-up
  uint16_t biPlanes;
  uint16_t biBitCount;
  uint32_t biCompression;
  uint32_t biSizeImage;
  int32_t biXPelsPerMeter;
  int32_t biYPelsPerMeter;
  uint32_t biClrUsed;
  uint32_t biClrImportant;
};
static_assert(sizeof(DibHeader) == 40, "DibHeader must match BITMAPINFOHEADER");
