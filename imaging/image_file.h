#pragma once
// Image files to and from frame images.
//
// Decoding takes BMP (uncompressed or bit-field, 1 to 32 bits a pixel,
// bottom-up or top-down), PNG and JPEG, told apart by their first bytes, not
// by the file name (a .jps side-by-side photo is a JPEG). The pixels land in
// a new frame in its own layout: row 0 at the bottom, blue-green-red. Alpha
// is dropped, grey is spread to all three channels.
//
// The container structure is checked before the decoder sees the data: the
// decoder fills a short BMP with zeros and accepts a PNG cut before its end,
// and both must be reported as broken files instead.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "imaging/frame_image.h"

// FrameWidth and FrameHeight read 16 bits, so no side may exceed this.
constexpr int64_t kMaxFrameSide = 65535;

// A new frame holding the decoded picture, or nullptr with *error set to a
// one-line reason (no file name, no trailing newline).
UniqueFrame DecodeImage(const uint8_t* data, size_t size, std::string* error);

// Reads the whole file and decodes it. The reason does not repeat the path;
// the caller puts it in front.
UniqueFrame ReadImageFile(const std::string& path, std::string* error);

// A BMP file: a 14-byte file header, then the frame's own 40-byte header and
// its pixel rows exactly as they lie in memory (24-bit, bottom-up, rows
// filled to 4 bytes; the spare bytes after the rows are not written).
// Empty for nullptr, for a header that is not a frame's own, and for a frame
// too large for the file header's 32-bit size.
std::vector<uint8_t> EncodeBmp(const FrameImage* frame);

// An 8-bit RGB PNG of the frame, top row first as PNG wants it. Empty for
// nullptr, for a frame with no rows, or when the frame is too large for the
// encoder (about a gigabyte of pixels).
std::vector<uint8_t> EncodePng(const FrameImage* frame);

enum class OutputKind { kUnknown, kBmp, kPng };

// The kind of file to write, by the path's extension (".bmp" or ".png",
// any letter case); kUnknown for anything else.
OutputKind OutputKindForPath(const std::string& path);
