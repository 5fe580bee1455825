#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "imaging/image_file.h"
#include "tests/tools/image_fixtures.h"

namespace {

// Every channel of every pixel, within tolerance (0: exactly).
void ExpectPixels(const FrameImage* frame, int width, int height, const Painter& expected,
                  int tolerance) {
  ASSERT_NE(frame, nullptr);
  ASSERT_EQ(FrameWidth(frame), width);
  ASSERT_EQ(FrameHeight(frame), height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const Rgb got = PixelAt(frame, x, y);
      const Rgb want = expected(x, y);
      const bool close = std::abs(got.red - want.red) <= tolerance &&
                         std::abs(got.green - want.green) <= tolerance &&
                         std::abs(got.blue - want.blue) <= tolerance;
      ASSERT_TRUE(close) << "pixel " << x << "," << y << " is " << got << ", want " << want;
    }
  }
}

Rgb Grey(int x, int y) {
  const uint8_t v = static_cast<uint8_t>(x * 40 + y * 70 + 1);
  return Rgb{v, v, v};
}

// Two flat 8 x 8 blocks, which JPEG keeps nearly exact.
Rgb TwoBlocks(int x, int) { return x < 8 ? Rgb{200, 40, 30} : Rgb{20, 90, 220}; }

struct DecodeCase {
  const char* name;
  std::vector<uint8_t> (*file)();
  int width, height;
  Rgb (*expected)(int, int);
  int tolerance;
};

// Tests are listed by the row name.
void PrintTo(const DecodeCase& c, std::ostream* os) { *os << c.name; }

class DecodeImageTest : public testing::TestWithParam<DecodeCase> {};

TEST_P(DecodeImageTest, GivesTheFramesBottomUpBgrRows) {
  const DecodeCase& c = GetParam();
  const std::vector<uint8_t> bytes = c.file();
  std::string error;
  UniqueFrame frame = DecodeImage(bytes.data(), bytes.size(), &error);
  ASSERT_NE(frame, nullptr) << error;
  ExpectPixels(frame.get(), c.width, c.height, c.expected, c.tolerance);
  // The row fill bytes of the frame stay zero.
  const int64_t stride = FrameRowStride(c.width);
  for (int y = 0; y < c.height; ++y)
    for (int64_t i = 3 * c.width; i < stride; ++i)
      EXPECT_EQ(FramePixels(frame.get())[y * stride + i], 0) << "row " << y;
}

const DecodeCase kDecodeCases[] = {
    // Width 3: 9 pixel bytes and 3 fill bytes a row.
    {"bmp24_bottom_up", [] { return BmpBytes(3, 2, 24, false, Tagged); }, 3, 2, Tagged, 0},
    {"bmp24_top_down", [] { return BmpBytes(3, 2, 24, true, Tagged); }, 3, 2, Tagged, 0},
    {"bmp24_one_pixel", [] { return BmpBytes(1, 1, 24, false, Tagged); }, 1, 1, Tagged, 0},
    {"bmp32_bottom_up", [] { return BmpBytes(2, 3, 32, false, Tagged); }, 2, 3, Tagged, 0},
    {"bmp32_top_down", [] { return BmpBytes(5, 2, 32, true, Tagged); }, 5, 2, Tagged, 0},
    {"png_rgb", [] { return PngBytes(5, 3, 3, Tagged); }, 5, 3, Tagged, 0},
    // The alpha channel is dropped, not blended.
    {"png_rgba", [] { return PngBytes(4, 2, 4, Tagged); }, 4, 2, Tagged, 0},
    {"png_grey", [] { return PngBytes(3, 3, 1, Grey); }, 3, 3, Grey, 0},
    {"jpeg", [] { return JpegBytes(16, 8, 100, TwoBlocks); }, 16, 8, TwoBlocks, 4},
};
INSTANTIATE_TEST_SUITE_P(Files, DecodeImageTest, testing::ValuesIn(kDecodeCases),
                         [](const auto& info) { return std::string(info.param.name); });

std::vector<uint8_t> GoodBmp() { return BmpBytes(4, 2, 24, false, Tagged); }

std::vector<uint8_t> Cut(std::vector<uint8_t> bytes, size_t dropped) {
  bytes.resize(bytes.size() - dropped);
  return bytes;
}

std::vector<uint8_t> BmpWith(size_t offset, uint32_t value) {
  std::vector<uint8_t> bytes = GoodBmp();
  PutLe32At(&bytes, offset, value);
  return bytes;
}

// BMP header offsets: 18 width, 22 height, 28 bit count (16-bit), 30 compression.
std::vector<uint8_t> BmpWithBitsAndCompression(uint32_t bits, uint32_t compression) {
  std::vector<uint8_t> bytes = GoodBmp();
  bytes[28] = static_cast<uint8_t>(bits);
  PutLe32At(&bytes, 30, compression);
  return bytes;
}

// PNG: IHDR's width at byte 16, height at 20.
std::vector<uint8_t> PngWithSides(uint32_t width, uint32_t height) {
  std::vector<uint8_t> bytes = PngBytes(3, 2, 3, Tagged);
  PutBe32At(&bytes, 16, width);
  PutBe32At(&bytes, 20, height);
  return bytes;
}

struct BrokenCase {
  const char* name;
  std::vector<uint8_t> (*file)();
  const char* reason;  // a part of the error text
};

// Tests are listed by the row name.
void PrintTo(const BrokenCase& c, std::ostream* os) { *os << c.name; }

class BrokenImageTest : public testing::TestWithParam<BrokenCase> {};

TEST_P(BrokenImageTest, IsRefusedWithAReason) {
  const BrokenCase& c = GetParam();
  const std::vector<uint8_t> bytes = c.file();
  std::string error;
  UniqueFrame frame = DecodeImage(bytes.data(), bytes.size(), &error);
  EXPECT_EQ(frame, nullptr);
  EXPECT_NE(error.find(c.reason), std::string::npos) << error;
  EXPECT_EQ(error.find('\n'), std::string::npos) << error;
}

const BrokenCase kBrokenCases[] = {
    {"empty", [] { return std::vector<uint8_t>{}; }, "empty"},
    {"text", [] { return std::vector<uint8_t>{'h', 'i', '!'}; }, "not a BMP, PNG or JPEG"},
    {"bmp_cut_in_file_header", [] { return Cut(GoodBmp(), GoodBmp().size() - 10); }, "truncated"},
    {"bmp_cut_in_info_header", [] { return Cut(GoodBmp(), GoodBmp().size() - 30); }, "truncated"},
    // The last row lacks its final bytes: the decoder alone would pad zeros.
    {"bmp_cut_in_pixels", [] { return Cut(GoodBmp(), 5); }, "needs 78"},
    {"bmp_height_beyond_data", [] { return BmpWith(22, 200); }, "needs"},
    {"bmp_top_down_height_beyond_data", [] { return BmpWith(22, static_cast<uint32_t>(-3)); },
     "needs"},
    {"bmp_65536_wide", [] { return BmpWith(18, 65536); }, "at most 65535"},
    {"bmp_65536_high_top_down", [] { return BmpWith(22, static_cast<uint32_t>(-65536)); },
     "at most 65535"},
    {"bmp_int_min_height", [] { return BmpWith(22, 0x80000000u); }, "at most 65535"},
    // 65535 a side fits 16 bits but not a 32-bit image size.
    {"bmp_too_large_for_a_frame",
     [] {
       std::vector<uint8_t> bytes = BmpWith(18, 65535);
       PutLe32At(&bytes, 22, 65535);
       return bytes;
     },
     "too large for one frame"},
    {"bmp_zero_width", [] { return BmpWith(18, 0); }, "no pixels"},
    {"bmp_rle8", [] { return BmpWithBitsAndCompression(8, 1); }, "run-length"},
    {"bmp_rle4", [] { return BmpWithBitsAndCompression(4, 2); }, "run-length"},
    {"bmp_embedded_jpeg", [] { return BmpWithBitsAndCompression(24, 4); }, "compression 4"},
    {"bmp_7_bits", [] { return BmpWithBitsAndCompression(7, 0); }, "7 bits"},
    {"bmp_52_byte_header", [] { return BmpWith(14, 52); }, "52 bytes are not supported"},
    {"bmp_offset_inside_header", [] { return BmpWith(10, 30); }, "offset 30"},
    {"png_without_iend", [] { return Cut(PngBytes(3, 2, 3, Tagged), 12); }, "truncated"},
    {"png_cut_in_iend", [] { return Cut(PngBytes(3, 2, 3, Tagged), 2); }, "truncated"},
    {"png_cut_in_image_data", [] { return Cut(PngBytes(3, 2, 3, Tagged), 20); }, "truncated"},
    {"png_signature_only",
     [] { return std::vector<uint8_t>{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'}; }, "truncated"},
    {"png_65536_wide", [] { return PngWithSides(65536, 2); }, "at most 65535"},
    {"png_zero_high", [] { return PngWithSides(3, 0); }, "no pixels"},
    {"jpeg_cut", [] { return Cut(JpegBytes(16, 8, 90, TwoBlocks), 10); }, "cannot decode the JPEG"},
    {"jpeg_start_marker_only",
     [] {
       return std::vector<uint8_t>{0xFF, 0xD8, 0xFF};
     },
     "cannot read the JPEG header"},
};
INSTANTIATE_TEST_SUITE_P(Files, BrokenImageTest, testing::ValuesIn(kBrokenCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ReadImageFileTest, MissingFileIsNamedAsUnopenable) {
  std::string error;
  EXPECT_EQ(ReadImageFile("no-such-dir/no-such-file.bmp", &error), nullptr);
  EXPECT_NE(error.find("cannot open the file"), std::string::npos) << error;
}

struct SizeCase {
  const char* name;
  int width, height;
};

// Tests are listed by the row name.
void PrintTo(const SizeCase& c, std::ostream* os) { *os << c.name; }

// Widths 1 to 5 cover every amount of row fill (3, 2, 1, 0 bytes).
const SizeCase kSizeCases[] = {
    {"w1", 1, 2}, {"w2", 2, 2}, {"w3", 3, 2}, {"w4", 4, 2}, {"w5_h3", 5, 3}, {"w7_h1", 7, 1},
};

class EncodeTest : public testing::TestWithParam<SizeCase> {};

TEST_P(EncodeTest, BmpIsFileHeaderThenTheFrameAsInMemory) {
  const SizeCase& c = GetParam();
  UniqueFrame frame = MakeFrame(c.width, c.height, Tagged);
  const std::vector<uint8_t> bytes = EncodeBmp(frame.get());
  const uint32_t imageBytes = static_cast<uint32_t>(FrameRowStride(c.width) * c.height);
  ASSERT_EQ(bytes.size(), 54 + imageBytes);
  EXPECT_EQ(bytes[0], 'B');
  EXPECT_EQ(bytes[1], 'M');
  EXPECT_EQ(Le32At(bytes, 2), 54 + imageBytes);  // file size
  EXPECT_EQ(Le32At(bytes, 6), 0u);               // reserved
  EXPECT_EQ(Le32At(bytes, 10), 54u);             // pixel data offset
  EXPECT_EQ(std::memcmp(bytes.data() + 14, frame.get(), 40 + imageBytes), 0);
  // And it reads back as the same picture.
  std::string error;
  UniqueFrame back = DecodeImage(bytes.data(), bytes.size(), &error);
  ExpectPixels(back.get(), c.width, c.height, Tagged, 0);
}

TEST_P(EncodeTest, PngReadsBackAsTheSamePicture) {
  const SizeCase& c = GetParam();
  UniqueFrame frame = MakeFrame(c.width, c.height, Tagged);
  const std::vector<uint8_t> bytes = EncodePng(frame.get());
  ASSERT_GT(bytes.size(), 8u);
  std::string error;
  UniqueFrame back = DecodeImage(bytes.data(), bytes.size(), &error);
  ExpectPixels(back.get(), c.width, c.height, Tagged, 0);
}

INSTANTIATE_TEST_SUITE_P(Sizes, EncodeTest, testing::ValuesIn(kSizeCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(EncodeTest, NothingToEncodeGivesNoBytes) {
  UniqueFrame noRows(CreateFrameImage(5, 0));
  ASSERT_NE(noRows, nullptr);
  EXPECT_TRUE(EncodePng(noRows.get()).empty());
  EXPECT_TRUE(EncodePng(nullptr).empty());
  EXPECT_TRUE(EncodeBmp(nullptr).empty());
  // A header that is not a frame's own is not written as one.
  UniqueFrame frame = MakeFrame(2, 2, Tagged);
  frame->biBitCount = 32;
  EXPECT_TRUE(EncodeBmp(frame.get()).empty());
}

struct KindCase {
  const char* name;
  const char* path;
  OutputKind kind;
};

// Tests are listed by the row name.
void PrintTo(const KindCase& c, std::ostream* os) { *os << c.name; }

class OutputKindTest : public testing::TestWithParam<KindCase> {};

TEST_P(OutputKindTest, ByExtension) {
  EXPECT_EQ(OutputKindForPath(GetParam().path), GetParam().kind);
}

const KindCase kKindCases[] = {
    {"bmp", "out.bmp", OutputKind::kBmp},
    {"bmp_capitals", "C:\\Photos\\OUT.BMP", OutputKind::kBmp},
    {"png", "dir/out.png", OutputKind::kPng},
    {"png_mixed_case", "out.Png", OutputKind::kPng},
    {"jpeg", "out.jpg", OutputKind::kUnknown},
    {"jps", "out.jps", OutputKind::kUnknown},
    {"no_extension", "png", OutputKind::kUnknown},
    {"png_then_more", "out.png.txt", OutputKind::kUnknown},
    {"png_directory", "out.png/", OutputKind::kUnknown},
    {"empty", "", OutputKind::kUnknown},
};
INSTANTIATE_TEST_SUITE_P(Paths, OutputKindTest, testing::ValuesIn(kKindCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
