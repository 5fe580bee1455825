#include "imaging/frame_image.h"

#include "imaging/global_memory.h"

FrameImage* CreateFrameImage(int32_t width, int32_t height) {
  // Negative widths would give a negative stride and negative heights no
  // rows; no caller needs either, so both are refused with width 0.
  if (width < 1 || height < 0) return nullptr;
  // biSizeImage is 32-bit: refuse frames whose pixel bytes it cannot hold.
  const int64_t stride = FrameRowStride(width);
  if (height > 0 && stride > UINT32_MAX / height) return nullptr;
  const int64_t imageBytes = stride * height;

  gmem::Handle block =
      gmem::AllocZeroed(static_cast<size_t>(imageBytes) + kFrameHeaderBytes + kFrameSpareBytes);
  if (!block) return nullptr;
  auto* frame = static_cast<FrameImage*>(gmem::Lock(block));
  if (!frame) {
    gmem::Free(block);
    return nullptr;
  }
  frame->biSize = kFrameHeaderBytes;
  frame->biWidth = width;
  frame->biHeight = height;
  frame->biPlanes = 1;
  frame->biBitCount = 24;
  frame->biCompression = 0;  // BI_RGB
  frame->biSizeImage = static_cast<uint32_t>(imageBytes);
  return frame;
}

uint16_t FrameWidth(const FrameImage* frame) {
  return frame ? static_cast<uint16_t>(frame->biWidth) : 0;
}

uint16_t FrameHeight(const FrameImage* frame) {
  return frame ? static_cast<uint16_t>(frame->biHeight) : 0;
}

uint32_t FrameHeaderSize(const FrameImage* frame) { return frame ? frame->biSize : 0; }

const uint8_t* FramePixels(const FrameImage* frame) {
  if (!frame) return nullptr;
  uint32_t colours = 0;
  if (FrameHeaderSize(frame) >= 36 && frame->biClrUsed != 0) {
    colours = frame->biClrUsed;
  } else if (frame->biBitCount <= 8) {
    colours = 1u << frame->biBitCount;
  }
  return reinterpret_cast<const uint8_t*>(frame) + FrameHeaderSize(frame) + 4ull * colours;
}

uint8_t* FramePixels(FrameImage* frame) {
  return const_cast<uint8_t*>(FramePixels(static_cast<const FrameImage*>(frame)));
}

void FreeFrameImage(FrameImage* frame) {
  if (!frame) return;
  gmem::Unlock(gmem::FromAddress(frame));
  gmem::Free(gmem::FromAddress(frame));
}
