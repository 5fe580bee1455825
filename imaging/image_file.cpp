#include "imaging/image_file.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <memory>

// The stb decoder and encoder, compiled here and nowhere else. Only the three
// formats read are kept, nothing touches files (we read and write them
// ourselves), and every function stays private to this file.
#define STBI_ONLY_BMP
#define STBI_ONLY_PNG
#define STBI_ONLY_JPEG
#define STBI_NO_STDIO
#define STBI_NO_LINEAR
#define STBI_NO_HDR
#define STBI_FAILURE_USERMSG
#define STB_IMAGE_STATIC
#define STB_IMAGE_IMPLEMENTATION
#define STBI_WRITE_NO_STDIO
#define STB_IMAGE_WRITE_STATIC
#define STB_IMAGE_WRITE_IMPLEMENTATION
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-function"
#pragma GCC diagnostic ignored "-Wunused-parameter"
#pragma GCC diagnostic ignored "-Wsign-compare"
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#pragma GCC diagnostic ignored "-Wimplicit-fallthrough"
#pragma GCC diagnostic ignored "-Wtype-limits"
#include <stb_image.h>
#include <stb_image_write.h>
#pragma GCC diagnostic pop

namespace {

enum class InputKind { kUnknown, kBmp, kPng, kJpeg };

const char* KindName(InputKind kind) {
  switch (kind) {
    case InputKind::kBmp: return "BMP";
    case InputKind::kPng: return "PNG";
    case InputKind::kJpeg: return "JPEG";
    case InputKind::kUnknown: break;
  }
  return "image";
}

constexpr uint8_t kPngSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
constexpr size_t kBmpFileHeaderBytes = 14;

uint32_t Le16(const uint8_t* p) { return p[0] | static_cast<uint32_t>(p[1]) << 8; }
uint32_t Le32(const uint8_t* p) { return Le16(p) | Le16(p + 2) << 16; }
uint32_t Be32(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) << 24 | static_cast<uint32_t>(p[1]) << 16 |
         static_cast<uint32_t>(p[2]) << 8 | p[3];
}

void PutLe16(std::vector<uint8_t>* out, uint32_t value) {
  out->push_back(static_cast<uint8_t>(value));
  out->push_back(static_cast<uint8_t>(value >> 8));
}
void PutLe32(std::vector<uint8_t>* out, uint32_t value) {
  PutLe16(out, value & 0xFFFF);
  PutLe16(out, value >> 16);
}

InputKind Sniff(const uint8_t* data, size_t size) {
  if (size >= 2 && data[0] == 'B' && data[1] == 'M') return InputKind::kBmp;
  if (size >= sizeof kPngSignature && std::memcmp(data, kPngSignature, sizeof kPngSignature) == 0)
    return InputKind::kPng;
  if (size >= 3 && data[0] == 0xFF && data[1] == 0xD8 && data[2] == 0xFF) return InputKind::kJpeg;
  return InputKind::kUnknown;
}

std::string Dimensions(int64_t width, int64_t height) {
  return std::to_string(width) + " x " + std::to_string(height);
}

// Whether a picture of these sides fits a frame: 16-bit sides, and pixel
// bytes that the frame header's 32-bit image size can hold.
bool CheckSides(int64_t width, int64_t height, std::string* error) {
  if (width < 1 || height < 1) {
    *error = "the image has no pixels (" + Dimensions(width, height) + ")";
    return false;
  }
  if (width > kMaxFrameSide || height > kMaxFrameSide) {
    *error = "the image is " + Dimensions(width, height) +
             " pixels; at most 65535 pixels a side are supported";
    return false;
  }
  if (FrameRowStride(width) * height > UINT32_MAX) {
    *error = "the image is too large for one frame (" + Dimensions(width, height) + " pixels)";
    return false;
  }
  return true;
}

// The BMP headers, checked so that the decoder only sees files whose pixel
// data is all there (it would read zeros past the end).
bool CheckBmp(const uint8_t* data, size_t size, std::string* error) {
  if (size < kBmpFileHeaderBytes + 4) {
    *error = "the BMP file is truncated (" + std::to_string(size) + " bytes)";
    return false;
  }
  const uint32_t offset = Le32(data + 10);
  const uint32_t headerBytes = Le32(data + 14);
  if (headerBytes != 12 && headerBytes != 40 && headerBytes != 56 && headerBytes != 108 &&
      headerBytes != 124) {
    *error = "BMP headers of " + std::to_string(headerBytes) + " bytes are not supported";
    return false;
  }
  if (size < kBmpFileHeaderBytes + headerBytes) {
    *error = "the BMP file is truncated inside its header (" + std::to_string(size) + " bytes)";
    return false;
  }
  const uint8_t* h = data + kBmpFileHeaderBytes;
  int64_t width, height;
  uint32_t bitCount, compression;
  if (headerBytes == 12) {  // OS/2 core header: 16-bit unsigned sides
    width = Le16(h + 4);
    height = Le16(h + 6);
    bitCount = Le16(h + 10);
    compression = 0;
  } else {
    width = static_cast<int32_t>(Le32(h + 4));
    height = static_cast<int32_t>(Le32(h + 8));  // negative: rows stored top-down
    bitCount = Le16(h + 14);
    compression = Le32(h + 16);
  }
  if (compression == 1 || compression == 2) {
    *error = "run-length compressed BMP files are not supported";
    return false;
  }
  if (compression != 0 && compression != 3) {
    *error = "BMP compression " + std::to_string(compression) + " is not supported";
    return false;
  }
  if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 16 && bitCount != 24 &&
      bitCount != 32) {
    *error = "BMP files of " + std::to_string(bitCount) + " bits a pixel are not supported";
    return false;
  }
  const int64_t rows = height < 0 ? -height : height;
  if (!CheckSides(width, rows, error)) return false;
  if (offset < kBmpFileHeaderBytes + headerBytes) {
    *error = "the BMP pixel data offset " + std::to_string(offset) + " lies inside the header";
    return false;
  }
  const int64_t stride = (width * bitCount + 31) / 32 * 4;
  const int64_t needed = static_cast<int64_t>(offset) + stride * rows;
  if (needed > static_cast<int64_t>(size)) {
    *error = "the BMP file holds " + std::to_string(size) + " bytes but its header (" +
             Dimensions(width, rows) + " pixels, " + std::to_string(bitCount) +
             " bits) needs " + std::to_string(needed);
    return false;
  }
  return true;
}

// The PNG chunk list, walked up to IEND: the decoder accepts a file cut
// short after its image data, which must count as truncated.
bool CheckPng(const uint8_t* data, size_t size, std::string* error) {
  size_t pos = sizeof kPngSignature;
  if (size - pos < 8 + 13 + 4 || Be32(data + pos) != 13 ||
      std::memcmp(data + pos + 4, "IHDR", 4) != 0) {
    *error = "the PNG file is truncated or has no IHDR header";
    return false;
  }
  if (!CheckSides(Be32(data + pos + 8), Be32(data + pos + 12), error)) return false;
  for (;;) {
    if (size - pos < 12) {
      *error = "the PNG file is truncated (it ends before its IEND chunk)";
      return false;
    }
    const uint32_t length = Be32(data + pos);
    if (length > size - pos - 12) {
      *error = "the PNG file is truncated (a chunk of " + std::to_string(length) +
               " bytes runs past its end)";
      return false;
    }
    if (std::memcmp(data + pos + 4, "IEND", 4) == 0) return true;
    pos += 12 + static_cast<size_t>(length);
  }
}

struct StbPixelsDeleter {
  void operator()(stbi_uc* pixels) const { stbi_image_free(pixels); }
};

void AppendBytes(void* context, void* data, int size) {
  auto* out = static_cast<std::vector<uint8_t>*>(context);
  const auto* bytes = static_cast<const uint8_t*>(data);
  out->insert(out->end(), bytes, bytes + size);
}

std::string Lowercase(std::string text) {
  for (char& c : text)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return text;
}

}  // namespace

UniqueFrame DecodeImage(const uint8_t* data, size_t size, std::string* error) {
  if (size == 0) {
    *error = "the file is empty";
    return nullptr;
  }
  // The decoder counts bytes in int.
  if (size > static_cast<size_t>(INT_MAX)) {
    *error = "the file is larger than 2 GB";
    return nullptr;
  }
  const InputKind kind = Sniff(data, size);
  switch (kind) {
    case InputKind::kBmp:
      if (!CheckBmp(data, size, error)) return nullptr;
      break;
    case InputKind::kPng:
      if (!CheckPng(data, size, error)) return nullptr;
      break;
    case InputKind::kJpeg:  // the decoder itself stops at a missing marker
      break;
    case InputKind::kUnknown:
      *error = "not a BMP, PNG or JPEG image";
      return nullptr;
  }
  const int length = static_cast<int>(size);
  int width = 0, height = 0, channels = 0;
  if (!stbi_info_from_memory(data, length, &width, &height, &channels)) {
    *error = std::string("cannot read the ") + KindName(kind) + " header (" +
             stbi_failure_reason() + ")";
    return nullptr;
  }
  // The BMP header query hands back a top-down file's height as stored,
  // negative; the decoded picture has the magnitude.
  if (kind == InputKind::kBmp && height < 0) height = -height;
  if (!CheckSides(width, height, error)) return nullptr;

  int decodedWidth = 0, decodedHeight = 0;
  std::unique_ptr<stbi_uc, StbPixelsDeleter> rgb(
      stbi_load_from_memory(data, length, &decodedWidth, &decodedHeight, &channels, 3));
  if (!rgb) {
    *error = std::string("cannot decode the ") + KindName(kind) + " image (" +
             stbi_failure_reason() + ")";
    return nullptr;
  }
  if (decodedWidth != width || decodedHeight != height) {
    *error = std::string("the ") + KindName(kind) + " image changed size while decoding";
    return nullptr;
  }
  UniqueFrame frame(CreateFrameImage(width, height));
  if (!frame) {
    *error = "not enough memory for a frame of " + Dimensions(width, height) + " pixels";
    return nullptr;
  }
  // The decoder gives packed red-green-blue rows, top row first.
  const int64_t stride = FrameRowStride(width);
  const size_t sourceStride = static_cast<size_t>(width) * 3;
  uint8_t* pixels = FramePixels(frame.get());
  for (int y = 0; y < height; ++y) {
    const uint8_t* src = rgb.get() + static_cast<size_t>(height - 1 - y) * sourceStride;
    uint8_t* dst = pixels + y * stride;
    for (int x = 0; x < width; ++x, src += 3, dst += 3) {
      dst[0] = src[2];
      dst[1] = src[1];
      dst[2] = src[0];
    }
  }
  return frame;
}

UniqueFrame ReadImageFile(const std::string& path, std::string* error) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) {
    *error = std::string("cannot open the file (") + std::strerror(errno) + ")";
    return nullptr;
  }
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> holder(file, std::fclose);
  std::vector<uint8_t> bytes;
  uint8_t chunk[1 << 16];
  for (;;) {
    const size_t got = std::fread(chunk, 1, sizeof chunk, file);
    bytes.insert(bytes.end(), chunk, chunk + got);
    if (bytes.size() > static_cast<size_t>(INT_MAX)) {
      *error = "the file is larger than 2 GB";
      return nullptr;
    }
    if (got < sizeof chunk) break;
  }
  if (std::ferror(file)) {
    *error = std::string("cannot read the file (") + std::strerror(errno) + ")";
    return nullptr;
  }
  return DecodeImage(bytes.data(), bytes.size(), error);
}

std::vector<uint8_t> EncodeBmp(const FrameImage* frame) {
  if (!frame || frame->biSize != kFrameHeaderBytes || frame->biBitCount != 24 ||
      frame->biCompression != 0 || frame->biHeight < 0 ||
      frame->biSizeImage != FrameRowStride(FrameWidth(frame)) * FrameHeight(frame))
    return {};
  const uint64_t offset = kBmpFileHeaderBytes + kFrameHeaderBytes;
  const uint64_t total = offset + frame->biSizeImage;
  if (total > UINT32_MAX) return {};
  std::vector<uint8_t> out;
  out.reserve(static_cast<size_t>(total));
  out.push_back('B');
  out.push_back('M');
  PutLe32(&out, static_cast<uint32_t>(total));
  PutLe32(&out, 0);  // two reserved 16-bit fields
  PutLe32(&out, static_cast<uint32_t>(offset));
  const auto* block = reinterpret_cast<const uint8_t*>(frame);
  out.insert(out.end(), block, block + kFrameHeaderBytes + frame->biSizeImage);
  return out;
}

std::vector<uint8_t> EncodePng(const FrameImage* frame) {
  const int width = FrameWidth(frame);
  const int height = FrameHeight(frame);
  if (width == 0 || height == 0) return {};
  // The encoder sizes its buffers in int: filtered rows, then the deflate
  // stream, which can come out larger than its input.
  if ((static_cast<int64_t>(width) * 3 + 1) * height > (INT_MAX / 4)) return {};
  const int64_t stride = FrameRowStride(width);
  const size_t rgbStride = static_cast<size_t>(width) * 3;
  std::vector<uint8_t> rgb(rgbStride * height);
  const uint8_t* pixels = FramePixels(frame);
  for (int y = 0; y < height; ++y) {
    const uint8_t* src = pixels + (height - 1 - y) * stride;
    uint8_t* dst = rgb.data() + static_cast<size_t>(y) * rgbStride;
    for (int x = 0; x < width; ++x, src += 3, dst += 3) {
      dst[0] = src[2];
      dst[1] = src[1];
      dst[2] = src[0];
    }
  }
  std::vector<uint8_t> out;
  if (!stbi_write_png_to_func(AppendBytes, &out, width, height, 3, rgb.data(),
                              static_cast<int>(rgbStride)))
    return {};
  return out;
}

OutputKind OutputKindForPath(const std::string& path) {
  const size_t dot = path.find_last_of('.');
  if (dot == std::string::npos) return OutputKind::kUnknown;
  const std::string extension = Lowercase(path.substr(dot));
  if (extension == ".bmp") return OutputKind::kBmp;
  if (extension == ".png") return OutputKind::kPng;
  return OutputKind::kUnknown;
}
