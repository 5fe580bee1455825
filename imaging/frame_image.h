#pragma once
// FrameImage: the one image container of the program.
//
// A frame is a single movable, zero-filled global memory block that stays
// locked for its whole life. The value passed around is the locked address,
// which is the address of its DibHeader, so it can be handed unchanged to
// CreateDIBSection, GetDIBits and SetDIBitsToDevice.
//
// Block layout:
//   40-byte DibHeader (biBitCount 24, BI_RGB, positive biHeight)
//   height pixel rows of FrameRowStride(width) bytes each:
//     row 0 is the bottom row of the picture, row height-1 the top row;
//     a pixel is 3 bytes, blue, green, red; each row is zero-filled up to
//     a multiple of 4 bytes; no colour table
//   1160 spare zero bytes, never addressed as pixels
// so the block holds rowStride * height + 1200 bytes.
//
// Sizes are read back as the low 16 bits of biWidth and biHeight: every
// size the composition and the view work with is 16-bit unsigned.
#include <cstdint>
#include <memory>

#include "imaging/dib_header.h"

using FrameImage = DibHeader;

constexpr uint32_t kFrameHeaderBytes = 40;
constexpr uint32_t kFrameSpareBytes = 1160;

// ((width * 3 + 3) / 4) * 4, truncating; 64-bit so that no width overflows.
inline int64_t FrameRowStride(int64_t width) { return ((width * 3 + 3) / 4) * 4; }

// A new black frame, or nullptr when the width is below 1, the height is
// negative, the pixel bytes would not fit biSizeImage, or memory is short.
FrameImage* CreateFrameImage(int32_t width, int32_t height);

uint16_t FrameWidth(const FrameImage* frame);       // 0 for nullptr
uint16_t FrameHeight(const FrameImage* frame);      // 0 for nullptr
uint32_t FrameHeaderSize(const FrameImage* frame);  // 0 for nullptr

// The first pixel row after the header and its colour table, for any DIB
// header; nullptr for nullptr.
uint8_t* FramePixels(FrameImage* frame);
const uint8_t* FramePixels(const FrameImage* frame);

// Releases the block; nullptr is accepted and ignored.
void FreeFrameImage(FrameImage* frame);

// Owning holder for code that keeps a frame in a scope of its own (tools,
// tests). The viewer's frames have one plain owner each.
struct FrameImageDeleter {
  void operator()(FrameImage* frame) const { FreeFrameImage(frame); }
};
using UniqueFrame = std::unique_ptr<FrameImage, FrameImageDeleter>;
