#include "imaging/frame_image.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

struct StrideCase {
  const char* name;
  int width;
  int64_t stride;
};

class FrameRowStrideTest : public testing::TestWithParam<StrideCase> {};

TEST_P(FrameRowStrideTest, RowsAreFilledToFourBytes) {
  const StrideCase& c = GetParam();
  UniqueFrame frame(CreateFrameImage(c.width, 2));
  ASSERT_NE(frame, nullptr);
  EXPECT_EQ(FrameRowStride(c.width), c.stride);
  EXPECT_EQ(frame->biSizeImage, c.stride * 2);
}

const StrideCase kStrideCases[] = {
    {"w1", 1, 4},   {"w2", 2, 8},   {"w3", 3, 12},
    {"w4", 4, 12},  {"w5", 5, 16},  {"w65535", 65535, 196608},
};
INSTANTIATE_TEST_SUITE_P(Widths, FrameRowStrideTest, testing::ValuesIn(kStrideCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FrameImageTest, HeaderIsABottomUp24BitDib) {
  UniqueFrame frame(CreateFrameImage(7, 3));
  ASSERT_NE(frame, nullptr);
  EXPECT_EQ(frame->biSize, 40u);
  EXPECT_EQ(frame->biWidth, 7);
  EXPECT_EQ(frame->biHeight, 3);
  EXPECT_EQ(frame->biPlanes, 1);
  EXPECT_EQ(frame->biBitCount, 24);
  EXPECT_EQ(frame->biCompression, 0u);
  EXPECT_EQ(frame->biSizeImage, 24u * 3);
  EXPECT_EQ(frame->biXPelsPerMeter, 0);
  EXPECT_EQ(frame->biYPelsPerMeter, 0);
  EXPECT_EQ(frame->biClrUsed, 0u);
  EXPECT_EQ(frame->biClrImportant, 0u);
  EXPECT_EQ(FrameWidth(frame.get()), 7);
  EXPECT_EQ(FrameHeight(frame.get()), 3);
  EXPECT_EQ(FrameHeaderSize(frame.get()), 40u);
  EXPECT_EQ(FramePixels(frame.get()), reinterpret_cast<uint8_t*>(frame.get()) + 40);
}

TEST(FrameImageTest, NewFrameIsZeroIncludingFillAndSpareBytes) {
  UniqueFrame frame(CreateFrameImage(5, 4));  // stride 16: one fill byte a row
  ASSERT_NE(frame, nullptr);
  const uint8_t* pixels = FramePixels(frame.get());
  const size_t bytes = 16 * 4 + kFrameSpareBytes;
  for (size_t i = 0; i < bytes; ++i) ASSERT_EQ(pixels[i], 0) << "byte " << i;
}

TEST(FrameImageTest, RefusedSizesGiveNoFrame) {
  EXPECT_EQ(CreateFrameImage(0, 100), nullptr);
  EXPECT_EQ(CreateFrameImage(-1, 10), nullptr);
  EXPECT_EQ(CreateFrameImage(-3, 10), nullptr);  // stride would be negative
  EXPECT_EQ(CreateFrameImage(INT32_MIN, 10), nullptr);
  EXPECT_EQ(CreateFrameImage(10, -1), nullptr);
  // More pixel bytes than biSizeImage can describe.
  EXPECT_EQ(CreateFrameImage(INT32_MAX, INT32_MAX), nullptr);
  EXPECT_EQ(CreateFrameImage(65535, 65535), nullptr);
}

TEST(FrameImageTest, ZeroHeightFrameHasOnlyHeaderAndSpare) {
  UniqueFrame frame(CreateFrameImage(5, 0));
  ASSERT_NE(frame, nullptr);
  EXPECT_EQ(FrameHeight(frame.get()), 0);
  EXPECT_EQ(frame->biSizeImage, 0u);
  const uint8_t* spare = FramePixels(frame.get());
  for (uint32_t i = 0; i < kFrameSpareBytes; ++i) ASSERT_EQ(spare[i], 0);
}

TEST(FrameImageTest, AccessorsAcceptNoFrame) {
  EXPECT_EQ(FrameWidth(nullptr), 0);
  EXPECT_EQ(FrameHeight(nullptr), 0);
  EXPECT_EQ(FrameHeaderSize(nullptr), 0u);
  EXPECT_EQ(FramePixels(static_cast<FrameImage*>(nullptr)), nullptr);
  FreeFrameImage(nullptr);
}

TEST(FrameImageTest, SizesAreTheLow16Bits) {
  DibHeader header{};
  header.biSize = 40;
  header.biWidth = 70000;   // 0x11170
  header.biHeight = -2;     // 0xFFFE
  EXPECT_EQ(FrameWidth(&header), 0x1170);
  EXPECT_EQ(FrameHeight(&header), 0xFFFE);
}

struct PixelsCase {
  const char* name;
  uint32_t headerSize;
  uint16_t bitCount;
  uint32_t coloursUsed;
  size_t offset;
};

class FramePixelsTest : public testing::TestWithParam<PixelsCase> {};

TEST_P(FramePixelsTest, PixelsFollowHeaderAndColourTable) {
  const PixelsCase& c = GetParam();
  DibHeader header{};
  header.biSize = c.headerSize;
  header.biBitCount = c.bitCount;
  header.biClrUsed = c.coloursUsed;
  EXPECT_EQ(FramePixels(&header) - reinterpret_cast<uint8_t*>(&header),
            static_cast<ptrdiff_t>(c.offset));
}

const PixelsCase kPixelsCases[] = {
    {"bpp8_full_table", 40, 8, 0, 40 + 1024},
    {"bpp8_16_colours", 40, 8, 16, 40 + 64},
    {"bpp24", 40, 24, 0, 40},
    {"bpp1", 40, 1, 0, 40 + 8},
    {"bpp24_with_table", 40, 24, 3, 40 + 12},
    // Too short to hold biClrUsed: the table size comes from the bit count.
    {"short_header", 12, 8, 16, 12 + 1024},
};
INSTANTIATE_TEST_SUITE_P(Headers, FramePixelsTest, testing::ValuesIn(kPixelsCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
