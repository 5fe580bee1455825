#pragma once
// Image files written byte by byte (BMP) or with the stb encoder (PNG,
// JPEG), for the decoding tests and the command-line tests.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "tests/imaging/frame_fixture.h"

// paint(x, y) gives the pixel at column x, row y counted from the bottom.
using Painter = std::function<Rgb(int x, int y)>;

// A BMP with a 40-byte header, BI_RGB, 24 or 32 bits a pixel (the fourth
// byte of a 32-bit pixel is 0x80), rows filled to 4 bytes; topDown stores
// the top row first with a negative height, as the format allows.
std::vector<uint8_t> BmpBytes(int width, int height, int bitCount, bool topDown,
                              const Painter& paint);

// A PNG with 1 (grey: the painter's green), 3 (RGB) or 4 (RGBA, alpha 0x40)
// channels.
std::vector<uint8_t> PngBytes(int width, int height, int channels, const Painter& paint);

// A JPEG of the given quality (100 keeps every channel at full resolution).
std::vector<uint8_t> JpegBytes(int width, int height, int quality, const Painter& paint);

void PutLe32At(std::vector<uint8_t>* bytes, size_t offset, uint32_t value);
void PutBe32At(std::vector<uint8_t>* bytes, size_t offset, uint32_t value);
uint32_t Le32At(const std::vector<uint8_t>& bytes, size_t offset);

std::vector<uint8_t> ReadFileBytes(const std::string& path);  // empty when missing
void WriteFileBytes(const std::string& path, const std::vector<uint8_t>& bytes);
