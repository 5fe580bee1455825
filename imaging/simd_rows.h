#pragma once
// Row primitives of the pixel kernels. Each works on one row of bytes or
// pixels with no allocation; the vector paths give the same bytes as the
// scalar rules (the arithmetic ones stay in double precision without fused
// multiply-add).
#include <cstddef>
#include <cstdint>

// Pick masks repeat every 48 bytes: 16 pixels, a multiple of the 3- and
// 6-byte periods of the formats.
constexpr int kPickPeriod = 48;

// dst[i] = mask[i % 48] ? left[i] : right[i], for i < bytes.
void PickRow(uint8_t* dst, const uint8_t* left, const uint8_t* right, size_t bytes,
             const uint8_t* mask);

// dst[i] = (a[i] + b[i]) >> 1, for i < bytes.
void AverageRows(uint8_t* dst, const uint8_t* a, const uint8_t* b, size_t bytes);

// dst[i] = mask[i % 48] ? (left[i] + left[i + 3]) >> 1 : (right[i] + right[i + 3]) >> 1,
// for i < bytes: each pixel averaged with its right-hand neighbour.
void AverageNeighbourPick(uint8_t* dst, const uint8_t* left, const uint8_t* right, size_t bytes,
                          const uint8_t* mask);

// dst pixel (width - 1 - x) = src pixel x, for x < width.
void MirrorRow(uint8_t* dst, const uint8_t* src, int32_t width);

// The Sharp 3D LCD rule over the whole column pairs of a row; firstGreen is
// the green of output pixel 0, which no column of the eye image supplies.
void Sharp3dLcdRow(uint8_t* dst, const uint8_t* left, const uint8_t* right, int32_t width,
                   uint8_t firstGreen);

// Whole-row colour rules over width pixels.
void AnaglyphRow(uint8_t* dst, const uint8_t* left, const uint8_t* right, int32_t width);
void HalfColorAnaglyphRow(uint8_t* dst, const uint8_t* left, const uint8_t* right, int32_t width);
void DuboisRow(uint8_t* dst, const uint8_t* left, const uint8_t* right, int32_t width);

// Forces the plain C++ paths (for tests and benchmarks that compare them
// with the vector paths); returns whether vector paths were in use.
bool UseVectorRows(bool enable);
