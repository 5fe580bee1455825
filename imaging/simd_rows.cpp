#include "imaging/simd_rows.h"

#include <cstring>

#include "imaging/colour_rules.h"

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#define VEXO_X86 1
#define VEXO_AVX2 __attribute__((target("avx2")))
#endif

// Three paths: plain C++ (any machine, and the reference the tests compare
// with), SSE2 (every x86-64) and AVX2 (chosen at run time). The AVX2 path
// has no FMA target enabled, so no multiply is ever fused with an add.

namespace {

enum class Level { kScalar, kSse2, kAvx2 };

Level DetectLevel() {
#ifdef VEXO_X86
  __builtin_cpu_init();
  return __builtin_cpu_supports("avx2") ? Level::kAvx2 : Level::kSse2;
#else
  return Level::kScalar;
#endif
}

const Level kBestLevel = DetectLevel();
Level g_level = kBestLevel;

uint8_t Floor2(unsigned a, unsigned b) { return static_cast<uint8_t>((a + b) >> 1); }

// Sources of the Sharp 3D LCD rule by byte phase within a column pair
// (blue, green, red of the even column, then of the odd column): the left
// or right eye, and how many bytes back from the output byte.
struct LcdSource {
  bool left;
  int back;
};
constexpr LcdSource kLcdSources[6] = {{true, 0}, {false, 6}, {true, 0},
                                      {false, 3}, {true, 3}, {false, 3}};

uint8_t LcdByte(const uint8_t* left, const uint8_t* right, size_t j) {
  const LcdSource s = kLcdSources[j % 6];
  return (s.left ? left : right)[j - s.back];
}

void PickRowScalar(uint8_t* dst, const uint8_t* left, const uint8_t* right, size_t begin,
                   size_t bytes, const uint8_t* mask) {
  for (size_t i = begin; i < bytes; ++i) dst[i] = mask[i % kPickPeriod] ? left[i] : right[i];
}

void AverageRowsScalar(uint8_t* dst, const uint8_t* a, const uint8_t* b, size_t begin,
                       size_t bytes) {
  for (size_t i = begin; i < bytes; ++i) dst[i] = Floor2(a[i], b[i]);
}

void AverageNeighbourPickScalar(uint8_t* dst, const uint8_t* left, const uint8_t* right,
                                size_t begin, size_t bytes, const uint8_t* mask) {
  for (size_t i = begin; i < bytes; ++i) {
    dst[i] = mask[i % kPickPeriod] ? Floor2(left[i], left[i + 3]) : Floor2(right[i], right[i + 3]);
  }
}

void MirrorRowScalar(uint8_t* dst, const uint8_t* src, int32_t begin, int32_t width) {
  for (int32_t x = begin; x < width; ++x) {
    std::memcpy(dst + 3 * (width - 1 - x), src + 3 * x, 3);
  }
}

void AnaglyphRowScalar(uint8_t* dst, const uint8_t* left, const uint8_t* right, int32_t begin,
                       int32_t width) {
  for (int32_t x = begin; x < width; ++x) {
    const uint8_t* l = left + 3 * x;
    const uint8_t* r = right + 3 * x;
    const uint8_t grayRight = GrayValue(r[0], r[1], r[2]);
    dst[3 * x + 0] = grayRight;
    dst[3 * x + 1] = grayRight;
    dst[3 * x + 2] = GrayValue(l[0], l[1], l[2]);
  }
}

void HalfColorAnaglyphRowScalar(uint8_t* dst, const uint8_t* left, const uint8_t* right,
                                int32_t begin, int32_t width) {
  for (int32_t x = begin; x < width; ++x) {
    const uint8_t* l = left + 3 * x;
    const uint8_t* r = right + 3 * x;
    dst[3 * x + 0] = r[0];
    dst[3 * x + 1] = r[1];
    dst[3 * x + 2] = GrayValue(l[0], l[1], l[2]);
  }
}

void DuboisRowScalar(uint8_t* dst, const uint8_t* left, const uint8_t* right, int32_t begin,
                     int32_t width) {
  for (int32_t x = begin; x < width; ++x) DuboisValue(left + 3 * x, right + 3 * x, dst + 3 * x);
}

#ifdef VEXO_X86
__m128i Load(const uint8_t* p) { return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p)); }
void Store(uint8_t* p, __m128i v) { _mm_storeu_si128(reinterpret_cast<__m128i*>(p), v); }

// Floor of the mean of two byte vectors: pavgb rounds up, so subtract the
// low bit of a ^ b where it rounded.
__m128i FloorAverage(__m128i a, __m128i b) {
  const __m128i odd = _mm_and_si128(_mm_xor_si128(a, b), _mm_set1_epi8(1));
  return _mm_sub_epi8(_mm_avg_epu8(a, b), odd);
}

__m128i Select(__m128i mask, __m128i onSet, __m128i onClear) {
  return _mm_or_si128(_mm_and_si128(mask, onSet), _mm_andnot_si128(mask, onClear));
}

size_t PickRowSse2(uint8_t* dst, const uint8_t* left, const uint8_t* right, size_t bytes,
                   const uint8_t* mask) {
  const __m128i m0 = Load(mask), m1 = Load(mask + 16), m2 = Load(mask + 32);
  size_t i = 0;
  for (; i + kPickPeriod <= bytes; i += kPickPeriod) {
    Store(dst + i, Select(m0, Load(left + i), Load(right + i)));
    Store(dst + i + 16, Select(m1, Load(left + i + 16), Load(right + i + 16)));
    Store(dst + i + 32, Select(m2, Load(left + i + 32), Load(right + i + 32)));
  }
  return i;
}

size_t AverageRowsSse2(uint8_t* dst, const uint8_t* a, const uint8_t* b, size_t bytes) {
  size_t i = 0;
  for (; i + 16 <= bytes; i += 16) Store(dst + i, FloorAverage(Load(a + i), Load(b + i)));
  return i;
}

// Picks the eye first and averages once. Each step reads 16 bytes at
// i + 3, so it stops where that would pass the last neighbour (bytes + 2).
size_t AverageNeighbourPickSse2(uint8_t* dst, const uint8_t* left, const uint8_t* right,
                                size_t bytes, const uint8_t* mask) {
  const __m128i m[3] = {Load(mask), Load(mask + 16), Load(mask + 32)};
  size_t i = 0;
  for (; i + 16 <= bytes; i += 16) {
    const __m128i pick = m[(i / 16) % 3];
    const __m128i here = Select(pick, Load(left + i), Load(right + i));
    const __m128i next = Select(pick, Load(left + i + 3), Load(right + i + 3));
    Store(dst + i, FloorAverage(here, next));
  }
  return i;
}

// The LCD rule from byte 6 on (column pair 1 and later) as four shifted
// loads under byte masks. Returns where the scalar rule takes over.
size_t Sharp3dLcdRowSse2(uint8_t* dst, const uint8_t* left, const uint8_t* right, size_t bytes) {
  // Masks for the byte phases 6, 22 and 38 of the 48-byte pattern: the
  // loop starts at byte 6 and steps 16 bytes, so those three repeat.
  alignas(16) uint8_t masks[3][4][16];
  for (int set = 0; set < 3; ++set) {
    for (int k = 0; k < 16; ++k) {
      const LcdSource s = kLcdSources[(6 + 16 * set + k) % 6];
      masks[set][0][k] = (s.left && s.back == 0) ? 0xFF : 0;
      masks[set][1][k] = (s.left && s.back == 3) ? 0xFF : 0;
      masks[set][2][k] = (!s.left && s.back == 3) ? 0xFF : 0;
      masks[set][3][k] = (!s.left && s.back == 6) ? 0xFF : 0;
    }
  }
  size_t j = 6;
  for (int set = 0; j + 16 <= bytes; j += 16, set = (set + 1) % 3) {
    const __m128i v = _mm_or_si128(
        _mm_or_si128(_mm_and_si128(Load(masks[set][0]), Load(left + j)),
                     _mm_and_si128(Load(masks[set][1]), Load(left + j - 3))),
        _mm_or_si128(_mm_and_si128(Load(masks[set][2]), Load(right + j - 3)),
                     _mm_and_si128(Load(masks[set][3]), Load(right + j - 6))));
    Store(dst + j, v);
  }
  return j;
}

VEXO_AVX2 __m256i Load256(const uint8_t* p) {
  return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p));
}
VEXO_AVX2 void Store256(uint8_t* p, __m256i v) {
  _mm256_storeu_si256(reinterpret_cast<__m256i*>(p), v);
}
VEXO_AVX2 __m256i FloorAverage256(__m256i a, __m256i b) {
  const __m256i odd = _mm256_and_si256(_mm256_xor_si256(a, b), _mm256_set1_epi8(1));
  return _mm256_sub_epi8(_mm256_avg_epu8(a, b), odd);
}

// 96 bytes, two periods of a 48-byte mask, as three 32-byte vectors.
struct Mask96 {
  alignas(32) uint8_t bytes[96];
  explicit Mask96(const uint8_t* mask48) {
    std::memcpy(bytes, mask48, 48);
    std::memcpy(bytes + 48, mask48, 48);
  }
};

VEXO_AVX2 size_t PickRowAvx2(uint8_t* dst, const uint8_t* left, const uint8_t* right,
                             size_t bytes, const uint8_t* mask) {
  const Mask96 wide(mask);
  const __m256i m0 = Load256(wide.bytes), m1 = Load256(wide.bytes + 32),
                m2 = Load256(wide.bytes + 64);
  size_t i = 0;
  for (; i + 96 <= bytes; i += 96) {
    Store256(dst + i, _mm256_blendv_epi8(Load256(right + i), Load256(left + i), m0));
    Store256(dst + i + 32,
             _mm256_blendv_epi8(Load256(right + i + 32), Load256(left + i + 32), m1));
    Store256(dst + i + 64,
             _mm256_blendv_epi8(Load256(right + i + 64), Load256(left + i + 64), m2));
  }
  return i;
}

VEXO_AVX2 size_t AverageRowsAvx2(uint8_t* dst, const uint8_t* a, const uint8_t* b, size_t bytes) {
  size_t i = 0;
  for (; i + 32 <= bytes; i += 32) {
    Store256(dst + i, FloorAverage256(Load256(a + i), Load256(b + i)));
  }
  return i;
}

VEXO_AVX2 size_t AverageNeighbourPickAvx2(uint8_t* dst, const uint8_t* left,
                                          const uint8_t* right, size_t bytes,
                                          const uint8_t* mask) {
  const Mask96 wide(mask);
  const __m256i m[3] = {Load256(wide.bytes), Load256(wide.bytes + 32), Load256(wide.bytes + 64)};
  size_t i = 0;
  for (int k = 0; i + 32 <= bytes; i += 32, k = (k + 1) % 3) {
    const __m256i here = _mm256_blendv_epi8(Load256(right + i), Load256(left + i), m[k]);
    const __m256i next = _mm256_blendv_epi8(Load256(right + i + 3), Load256(left + i + 3), m[k]);
    Store256(dst + i, FloorAverage256(here, next));
  }
  return i;
}

// Mirrors five pixels a step with one byte shuffle: the 15 bytes land at
// the end of a 16-byte store whose first byte belongs to the next pixel
// still to be written. Returns the first source pixel left to the caller.
VEXO_AVX2 int32_t MirrorRowAvx2(uint8_t* dst, const uint8_t* src, int32_t width) {
  alignas(16) int8_t order[16];
  order[0] = -1;
  for (int k = 1; k < 16; ++k) order[k] = static_cast<int8_t>(3 * (4 - (k - 1) / 3) + (k - 1) % 3);
  const __m128i shuffle = _mm_load_si128(reinterpret_cast<const __m128i*>(order));
  int32_t x = 0;
  for (; x + 6 <= width; x += 5) {
    const __m128i v = _mm_shuffle_epi8(Load(src + 3 * x), shuffle);
    Store(dst + 3 * (width - x) - 16, v);
  }
  return x;
}

// Channel extraction from four packed pixels (12 of 16 loaded bytes) into
// four 32-bit lanes, and the reverse packing of three channels.
struct PixelShuffles {
  __m128i blue, green, red, interleave;
};

VEXO_AVX2 PixelShuffles MakePixelShuffles() {
  PixelShuffles s;
  s.blue = _mm_setr_epi8(0, -1, -1, -1, 3, -1, -1, -1, 6, -1, -1, -1, 9, -1, -1, -1);
  s.green = _mm_setr_epi8(1, -1, -1, -1, 4, -1, -1, -1, 7, -1, -1, -1, 10, -1, -1, -1);
  s.red = _mm_setr_epi8(2, -1, -1, -1, 5, -1, -1, -1, 8, -1, -1, -1, 11, -1, -1, -1);
  s.interleave = _mm_setr_epi8(0, 4, 8, 1, 5, 9, 2, 6, 10, 3, 7, 11, -1, -1, -1, -1);
  return s;
}

VEXO_AVX2 __m256d c(double v) { return _mm256_set1_pd(v); }

VEXO_AVX2 __m256d Channel(__m128i pixels, __m128i shuffle) {
  return _mm256_cvtepi32_pd(_mm_shuffle_epi8(pixels, shuffle));
}

// Truncated sums to bytes. The saturating packs clamp to 0..255: every sum
// of these rules lies far inside the signed 16-bit range the second pack
// reads, so saturation gives exactly clamp(trunc(sum)).
VEXO_AVX2 __m128i PackPixels(__m128i blue, __m128i green, __m128i red, __m128i interleave) {
  const __m128i blueGreen = _mm_packus_epi32(blue, green);
  const __m128i redRed = _mm_packus_epi32(red, red);
  return _mm_shuffle_epi8(_mm_packus_epi16(blueGreen, redRed), interleave);
}

VEXO_AVX2 __m128i Gray4(__m128i pixels, const PixelShuffles& s) {
  const __m256d sum = _mm256_add_pd(
      _mm256_add_pd(_mm256_mul_pd(Channel(pixels, s.green), _mm256_set1_pd(kGrayGreen)),
                    _mm256_mul_pd(Channel(pixels, s.blue), _mm256_set1_pd(kGrayBlue))),
      _mm256_mul_pd(Channel(pixels, s.red), _mm256_set1_pd(kGrayRed)));
  return _mm256_cvttpd_epi32(sum);
}

// The blocks below read and write 16 bytes at pixel x: safe while x + 6
// pixels fit the row; the extra four bytes written belong to pixel x + 4,
// which the next block or the scalar tail writes again.
VEXO_AVX2 int32_t AnaglyphRowAvx2(uint8_t* dst, const uint8_t* left, const uint8_t* right,
                                  int32_t width) {
  const PixelShuffles s = MakePixelShuffles();
  int32_t x = 0;
  for (; x + 6 <= width; x += 4) {
    const __m128i grayLeft = Gray4(Load(left + 3 * x), s);
    const __m128i grayRight = Gray4(Load(right + 3 * x), s);
    Store(dst + 3 * x, PackPixels(grayRight, grayRight, grayLeft, s.interleave));
  }
  return x;
}

VEXO_AVX2 int32_t HalfColorAnaglyphRowAvx2(uint8_t* dst, const uint8_t* left,
                                           const uint8_t* right, int32_t width) {
  const PixelShuffles s = MakePixelShuffles();
  int32_t x = 0;
  for (; x + 6 <= width; x += 4) {
    const __m128i grayLeft = Gray4(Load(left + 3 * x), s);
    const __m128i r = Load(right + 3 * x);
    Store(dst + 3 * x, PackPixels(_mm_shuffle_epi8(r, s.blue), _mm_shuffle_epi8(r, s.green),
                                  grayLeft, s.interleave));
  }
  return x;
}

VEXO_AVX2 int32_t DuboisRowAvx2(uint8_t* dst, const uint8_t* left, const uint8_t* right,
                                int32_t width) {
  const PixelShuffles s = MakePixelShuffles();
  int32_t x = 0;
  for (; x + 6 <= width; x += 4) {
    const __m128i l = Load(left + 3 * x), r = Load(right + 3 * x);
    const __m256d lb = Channel(l, s.blue), lg = Channel(l, s.green), lr = Channel(l, s.red);
    const __m256d rb = Channel(r, s.blue), rg = Channel(r, s.green), rr = Channel(r, s.red);
    // The same order of operations as the scalar sums in colour_rules.h.
    __m256d red = _mm256_add_pd(_mm256_mul_pd(lr, c(kDuboisRedLRed)),
                                _mm256_mul_pd(lb, c(kDuboisRedLBlue)));
    red = _mm256_add_pd(red, _mm256_mul_pd(lg, c(kDuboisRedLGreen)));
    red = _mm256_sub_pd(red, _mm256_mul_pd(rr, c(kDuboisRedRRed)));
    red = _mm256_sub_pd(red, _mm256_mul_pd(rg, c(kDuboisRedRGreen)));
    red = _mm256_sub_pd(red, _mm256_mul_pd(rb, c(kDuboisRedRBlue)));

    __m256d leftGreen = _mm256_add_pd(_mm256_mul_pd(lg, c(kDuboisGreenLGreen)),
                                      _mm256_mul_pd(lb, c(kDuboisGreenLBlue)));
    leftGreen = _mm256_add_pd(leftGreen, _mm256_mul_pd(lr, c(kDuboisGreenLRed)));
    __m256d green = _mm256_sub_pd(_mm256_mul_pd(rr, c(kDuboisGreenRRed)), leftGreen);
    green = _mm256_add_pd(green, _mm256_mul_pd(rg, c(kDuboisGreenRGreen)));
    green = _mm256_sub_pd(green, _mm256_mul_pd(rb, c(kDuboisGreenRBlue)));

    __m256d rest = _mm256_add_pd(_mm256_mul_pd(lg, c(kDuboisBlueLGreen)),
                                 _mm256_mul_pd(rg, c(kDuboisBlueRGreen)));
    rest = _mm256_add_pd(rest, _mm256_mul_pd(rr, c(kDuboisBlueRRed)));
    rest = _mm256_add_pd(rest, _mm256_mul_pd(lr, c(kDuboisBlueLRed)));
    rest = _mm256_add_pd(rest, _mm256_mul_pd(lb, c(kDuboisBlueLBlue)));
    const __m256d blue = _mm256_sub_pd(_mm256_mul_pd(rb, c(kDuboisBlueRBlue)), rest);

    Store(dst + 3 * x, PackPixels(_mm256_cvttpd_epi32(blue), _mm256_cvttpd_epi32(green),
                                  _mm256_cvttpd_epi32(red), s.interleave));
  }
  return x;
}
#endif  // VEXO_X86

}  // namespace

bool UseVectorRows(bool enable) {
  const bool before = g_level != Level::kScalar;
  g_level = enable ? kBestLevel : Level::kScalar;
  return before;
}

void PickRow(uint8_t* dst, const uint8_t* left, const uint8_t* right, size_t bytes,
             const uint8_t* mask) {
  size_t done = 0;
#ifdef VEXO_X86
  if (g_level == Level::kAvx2) done = PickRowAvx2(dst, left, right, bytes, mask);
  if (g_level != Level::kScalar) {
    done += PickRowSse2(dst + done, left + done, right + done, bytes - done, mask);
  }
#endif
  PickRowScalar(dst, left, right, done, bytes, mask);
}

void AverageRows(uint8_t* dst, const uint8_t* a, const uint8_t* b, size_t bytes) {
  size_t done = 0;
#ifdef VEXO_X86
  if (g_level == Level::kAvx2) {
    done = AverageRowsAvx2(dst, a, b, bytes);
  } else if (g_level == Level::kSse2) {
    done = AverageRowsSse2(dst, a, b, bytes);
  }
#endif
  AverageRowsScalar(dst, a, b, done, bytes);
}

void AverageNeighbourPick(uint8_t* dst, const uint8_t* left, const uint8_t* right, size_t bytes,
                          const uint8_t* mask) {
  size_t done = 0;
#ifdef VEXO_X86
  // Both vector paths start at byte 0 and step a whole number of 16-byte
  // blocks, so the mask phase of the scalar tail stays right.
  if (g_level == Level::kAvx2) {
    done = AverageNeighbourPickAvx2(dst, left, right, bytes, mask);
  } else if (g_level == Level::kSse2) {
    done = AverageNeighbourPickSse2(dst, left, right, bytes, mask);
  }
#endif
  AverageNeighbourPickScalar(dst, left, right, done, bytes, mask);
}

void MirrorRow(uint8_t* dst, const uint8_t* src, int32_t width) {
  int32_t done = 0;
#ifdef VEXO_X86
  if (g_level == Level::kAvx2) done = MirrorRowAvx2(dst, src, width);
#endif
  MirrorRowScalar(dst, src, done, width);
}

void Sharp3dLcdRow(uint8_t* dst, const uint8_t* left, const uint8_t* right, int32_t width,
                   uint8_t firstGreen) {
  const size_t bytes = static_cast<size_t>(width / 2) * 6;  // whole column pairs only
  if (bytes == 0) return;
  dst[0] = left[0];
  dst[1] = firstGreen;
  dst[2] = left[2];
  dst[3] = right[0];
  dst[4] = left[1];
  dst[5] = right[2];
  size_t done = 6;
#ifdef VEXO_X86
  if (g_level != Level::kScalar) done = Sharp3dLcdRowSse2(dst, left, right, bytes);
#endif
  for (size_t j = done; j < bytes; ++j) dst[j] = LcdByte(left, right, j);
}

void AnaglyphRow(uint8_t* dst, const uint8_t* left, const uint8_t* right, int32_t width) {
  int32_t done = 0;
#ifdef VEXO_X86
  if (g_level == Level::kAvx2) done = AnaglyphRowAvx2(dst, left, right, width);
#endif
  AnaglyphRowScalar(dst, left, right, done, width);
}

void HalfColorAnaglyphRow(uint8_t* dst, const uint8_t* left, const uint8_t* right, int32_t width) {
  int32_t done = 0;
#ifdef VEXO_X86
  if (g_level == Level::kAvx2) done = HalfColorAnaglyphRowAvx2(dst, left, right, width);
#endif
  HalfColorAnaglyphRowScalar(dst, left, right, done, width);
}

void DuboisRow(uint8_t* dst, const uint8_t* left, const uint8_t* right, int32_t width) {
  int32_t done = 0;
#ifdef VEXO_X86
  if (g_level == Level::kAvx2) done = DuboisRowAvx2(dst, left, right, width);
#endif
  DuboisRowScalar(dst, left, right, done, width);
}
