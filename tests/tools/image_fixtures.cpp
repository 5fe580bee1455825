#include "tests/tools/image_fixtures.h"

#include <fstream>
#include <iterator>

// The encoder is private to this file, as the core's copy is to its own.
#define STBI_WRITE_NO_STDIO
#define STB_IMAGE_WRITE_STATIC
#define STB_IMAGE_WRITE_IMPLEMENTATION
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-function"
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#include <stb_image_write.h>
#pragma GCC diagnostic pop

namespace {

void Append(void* context, void* data, int size) {
  auto* out = static_cast<std::vector<uint8_t>*>(context);
  const auto* bytes = static_cast<const uint8_t*>(data);
  out->insert(out->end(), bytes, bytes + size);
}

void PutLe(std::vector<uint8_t>* out, uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out->push_back(static_cast<uint8_t>(value >> (8 * i)));
}

// Packed rows, top row first, as the encoder takes them.
std::vector<uint8_t> TopDownRows(int width, int height, int channels, const Painter& paint) {
  std::vector<uint8_t> rows;
  for (int row = 0; row < height; ++row) {
    for (int x = 0; x < width; ++x) {
      const Rgb p = paint(x, height - 1 - row);
      if (channels == 1) {
        rows.push_back(p.green);
        continue;
      }
      rows.push_back(p.red);
      rows.push_back(p.green);
      rows.push_back(p.blue);
      if (channels == 4) rows.push_back(0x40);
    }
  }
  return rows;
}

}  // namespace

std::vector<uint8_t> BmpBytes(int width, int height, int bitCount, bool topDown,
                              const Painter& paint) {
  const int bytesPerPixel = bitCount / 8;
  const uint32_t stride = (width * bytesPerPixel + 3) / 4 * 4;
  const uint32_t imageBytes = stride * height;
  std::vector<uint8_t> out{'B', 'M'};
  PutLe(&out, 54 + imageBytes, 4);  // file size
  PutLe(&out, 0, 4);                // reserved
  PutLe(&out, 54, 4);               // pixel data offset
  PutLe(&out, 40, 4);               // header size
  PutLe(&out, static_cast<uint32_t>(width), 4);
  PutLe(&out, static_cast<uint32_t>(topDown ? -height : height), 4);
  PutLe(&out, 1, 2);  // planes
  PutLe(&out, bitCount, 2);
  PutLe(&out, 0, 4);  // BI_RGB
  PutLe(&out, imageBytes, 4);
  PutLe(&out, 2835, 4);  // 72 dpi, as many programs write
  PutLe(&out, 2835, 4);
  PutLe(&out, 0, 4);
  PutLe(&out, 0, 4);
  for (int row = 0; row < height; ++row) {
    const int y = topDown ? height - 1 - row : row;
    for (int x = 0; x < width; ++x) {
      const Rgb p = paint(x, y);
      out.push_back(p.blue);
      out.push_back(p.green);
      out.push_back(p.red);
      if (bytesPerPixel == 4) out.push_back(0x80);
    }
    for (uint32_t fill = width * bytesPerPixel; fill < stride; ++fill) out.push_back(0);
  }
  return out;
}

std::vector<uint8_t> PngBytes(int width, int height, int channels, const Painter& paint) {
  const std::vector<uint8_t> rows = TopDownRows(width, height, channels, paint);
  std::vector<uint8_t> out;
  stbi_write_png_to_func(Append, &out, width, height, channels, rows.data(), width * channels);
  return out;
}

std::vector<uint8_t> JpegBytes(int width, int height, int quality, const Painter& paint) {
  const std::vector<uint8_t> rows = TopDownRows(width, height, 3, paint);
  std::vector<uint8_t> out;
  stbi_write_jpg_to_func(Append, &out, width, height, 3, rows.data(), quality);
  return out;
}

void PutLe32At(std::vector<uint8_t>* bytes, size_t offset, uint32_t value) {
  for (int i = 0; i < 4; ++i) (*bytes)[offset + i] = static_cast<uint8_t>(value >> (8 * i));
}

void PutBe32At(std::vector<uint8_t>* bytes, size_t offset, uint32_t value) {
  for (int i = 0; i < 4; ++i) (*bytes)[offset + i] = static_cast<uint8_t>(value >> (24 - 8 * i));
}

uint32_t Le32At(const std::vector<uint8_t>& bytes, size_t offset) {
  uint32_t value = 0;
  for (int i = 3; i >= 0; --i) value = value << 8 | bytes[offset + i];
  return value;
}

std::vector<uint8_t> ReadFileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteFileBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
}
