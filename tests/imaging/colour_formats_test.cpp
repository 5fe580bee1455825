#include <gtest/gtest.h>

#include "imaging/simd_rows.h"
#include "imaging/stereo_format.h"
#include "imaging/stereo_compose.h"
#include "imaging/stereo_kernels.h"
#include "tests/imaging/frame_fixture.h"
#include "tests/imaging/reference_compose.h"

namespace {

constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kBlack{0, 0, 0};

// The one output pixel of a 2 x 1 capture: left eye l, right eye r.
Rgb ComposeOnePixel(Rgb l, Rgb r, int format) {
  UniqueFrame captured = MakeFrame(2, 1, [&](int x, int) { return x == 0 ? l : r; });
  UniqueFrame out(ComposeCaptured(captured.release(), 0, 0, format, 0));
  EXPECT_NE(out, nullptr);
  return out ? PixelAt(out.get(), 0, 0) : Rgb{};
}

struct GrayCase {
  const char* name;
  Rgb pixel;
  uint8_t gray;
};

class GrayTest : public testing::TestWithParam<GrayCase> {};

TEST_P(GrayTest, TruncatedDoubleSum) {
  const GrayCase& c = GetParam();
  EXPECT_EQ(GrayOf(c.pixel.blue, c.pixel.green, c.pixel.red), c.gray);
  // Format 2 puts the left grey in red and the right grey in green and blue.
  EXPECT_EQ(ComposeOnePixel(c.pixel, c.pixel, kAnaglyph), (Rgb{c.gray, c.gray, c.gray}));
}

const GrayCase kGrayCases[] = {
    {"white", kWhite, 255},
    {"green_1", {0, 1, 0}, 0},       // 0.587 truncated
    {"red", {255, 0, 0}, 76},
    {"green", {0, 255, 0}, 149},
    {"blue", {0, 0, 255}, 29},
    {"grey_23", {23, 23, 23}, 22},   // sum 22.999999999999996
    {"grey_254", {254, 254, 254}, 253},  // sum 253.99999999999997
    {"grey_100", {100, 100, 100}, 100},
};
INSTANTIATE_TEST_SUITE_P(Pixels, GrayTest, testing::ValuesIn(kGrayCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct PairCase {
  const char* name;
  int format;
  Rgb left, right, out;
};

class AnaglyphTest : public testing::TestWithParam<PairCase> {};

TEST_P(AnaglyphTest, OutputPixel) {
  const PairCase& c = GetParam();
  EXPECT_EQ(ComposeOnePixel(c.left, c.right, c.format), c.out);
}

const PairCase kPairCases[] = {
    {"gray_white_black_is_red", kAnaglyph, kWhite, kBlack, {255, 0, 0}},
    {"gray_black_white_is_cyan", kAnaglyph, kBlack, kWhite, {0, 255, 255}},
    {"color_takes_left_red", kColorAnaglyph, {10, 20, 30}, {40, 50, 60}, {10, 50, 60}},
    {"half_color_gray_red", kHalfColorAnaglyph, {0, 255, 0}, {40, 50, 60}, {149, 50, 60}},
    {"yellow_blue", kYellowBlueAnaglyph, {10, 20, 30}, {40, 50, 60}, {10, 20, 60}},
    // Dubois: white on white has a green sum of 254.99999999999997.
    {"dubois_white_white", kDuboisAnaglyph, kWhite, kWhite, {255, 254, 255}},
    {"dubois_red_black", kDuboisAnaglyph, {255, 0, 0}, kBlack, {116, 0, 0}},
    {"dubois_black_white", kDuboisAnaglyph, kBlack, kWhite, {0, 255, 255}},
    {"dubois_grey_grey", kDuboisAnaglyph, {128, 128, 128}, {128, 128, 128}, {128, 128, 128}},
    {"dubois_black_black", kDuboisAnaglyph, kBlack, kBlack, kBlack},
};
INSTANTIATE_TEST_SUITE_P(Pairs, AnaglyphTest, testing::ValuesIn(kPairCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(MirrorTest, LeftEyeIsFlippedRightEyeIsNot) {
  // 10 x 2 capture: eye images 5 pixels wide.
  UniqueFrame captured = MakeFrame(10, 2, Tagged);
  UniqueFrame out(ComposeCaptured(captured.release(), 0, 0, kMirror, 0));
  ASSERT_NE(out, nullptr);
  ASSERT_EQ(FrameWidth(out.get()), 10);
  for (int y = 0; y < 2; ++y) {
    for (int x = 0; x < 5; ++x) {
      EXPECT_EQ(PixelAt(out.get(), 4 - x, y), Tagged(x, y));
      EXPECT_EQ(PixelAt(out.get(), 5 + x, y), Tagged(5 + x, y));
    }
  }
}

TEST(SideBySideTest, OddEyeWidthRowsEndOnFourBytes) {
  // Eye width 3: the output is 6 pixels, 18 bytes, filled to 20; the fill
  // bytes stay zero.
  UniqueFrame captured = MakeFrame(7, 3, Tagged);
  UniqueFrame out(ComposeCaptured(captured.release(), 0, 0, kSideBySide, 0));
  ASSERT_NE(out, nullptr);
  EXPECT_EQ(FrameWidth(out.get()), 6);
  EXPECT_EQ(out->biSizeImage, 20u * 3);
  for (int y = 0; y < 3; ++y) {
    const uint8_t* row = FramePixels(out.get()) + 20 * y;
    EXPECT_EQ(row[18], 0);
    EXPECT_EQ(row[19], 0);
    EXPECT_EQ(PixelAt(out.get(), 3, y), Tagged(3, y));
  }
}

// The vector paths of the arithmetic formats against the scalar rules over
// every 8-bit grey input and a spread of colours, over lengths that leave
// every possible tail.
TEST(ColourRowsTest, VectorPathsMatchTheRules) {
  std::vector<uint8_t> left, right;
  uint32_t seed = 12345;
  auto next = [&] {
    seed = seed * 1103515245u + 12345u;
    return static_cast<uint8_t>(seed >> 16);
  };
  for (int v = 0; v < 256; ++v) {
    for (int c = 0; c < 3; ++c) left.push_back(static_cast<uint8_t>(v));
    for (int c = 0; c < 3; ++c) right.push_back(static_cast<uint8_t>(255 - v));
  }
  for (int i = 0; i < 3 * 20000; ++i) {
    left.push_back(next());
    right.push_back(next());
  }
  const int32_t pixels = static_cast<int32_t>(left.size() / 3);
  for (auto row : {AnaglyphRow, HalfColorAnaglyphRow, DuboisRow}) {
    for (int32_t width : {1, 2, 3, 5, 7, 8, 9, 15, 17, 33, pixels}) {
      std::vector<uint8_t> vec(3 * width + 16, 0xAB), plain(3 * width + 16, 0xAB);
      row(vec.data(), left.data(), right.data(), width);
      const bool was = UseVectorRows(false);
      row(plain.data(), left.data(), right.data(), width);
      UseVectorRows(was);
      ASSERT_EQ(vec, plain) << "width " << width;
    }
  }
}

TEST(ColourRowsTest, ScalarRulesMatchTheReference) {
  uint32_t seed = 99;
  auto next = [&] {
    seed = seed * 1103515245u + 12345u;
    return static_cast<uint8_t>(seed >> 16);
  };
  for (int i = 0; i < 200000; ++i) {
    const Rgb l{next(), next(), next()}, r{next(), next(), next()};
    const uint8_t lb[3] = {l.blue, l.green, l.red}, rb[3] = {r.blue, r.green, r.red};
    uint8_t o[3];
    DuboisPixel(lb, rb, o);
    ASSERT_EQ((Rgb{o[2], o[1], o[0]}), reference::Dubois(l, r)) << l << r;
    ASSERT_EQ(GrayOf(l.blue, l.green, l.red), reference::Gray(l)) << l;
  }
}

}  // namespace
