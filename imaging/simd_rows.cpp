#include "imaging/simd_rows.h"

#include "imaging/colour_rules.h"

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#define VEXO_X86 1
#endif

namespace {

bool g_vectorRows = true;

uint8_t Floor2(unsigned a, unsigned b) { return static_cast<uint8_t>((a + b) >> 1); }

void PickRowScalar(uint8_t* dst, const uint8_t* left, const uint8_t* right, size_t bytes,
                   const uint8_t* mask) {
  for (size_t i = 0; i < bytes; ++i) dst[i] = mask[i % kPickPeriod] ? left[i] : right[i];
}

void AverageNeighbourPickScalar(uint8_t* dst, const uint8_t* left, const uint8_t* right,
                                size_t begin, size_t bytes, const uint8_t* mask) {
  for (size_t i = begin; i < bytes; ++i) {
    dst[i] = mask[i % kPickPeriod] ? Floor2(left[i], left[i + 3]) : Floor2(right[i], right[i + 3]);
  }
}

#ifdef VEXO_X86
// Floor of the mean of two byte vectors: pavgb rounds up, so subtract the
// low bit of a ^ b where it rounded.
__m128i FloorAverage(__m128i a, __m128i b) {
  const __m128i odd = _mm_and_si128(_mm_xor_si128(a, b), _mm_set1_epi8(1));
  return _mm_sub_epi8(_mm_avg_epu8(a, b), odd);
}

__m128i Select(__m128i mask, __m128i onSet, __m128i onClear) {
  return _mm_or_si128(_mm_and_si128(mask, onSet), _mm_andnot_si128(mask, onClear));
}

__m128i Load(const uint8_t* p) { return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p)); }
void Store(uint8_t* p, __m128i v) { _mm_storeu_si128(reinterpret_cast<__m128i*>(p), v); }
#endif

}  // namespace

bool UseVectorRows(bool enable) {
  const bool before = g_vectorRows;
  g_vectorRows = enable;
  return before;
}

void PickRow(uint8_t* dst, const uint8_t* left, const uint8_t* right, size_t bytes,
             const uint8_t* mask) {
  size_t i = 0;
#ifdef VEXO_X86
  if (g_vectorRows) {
    const __m128i m0 = Load(mask), m1 = Load(mask + 16), m2 = Load(mask + 32);
    for (; i + kPickPeriod <= bytes; i += kPickPeriod) {
      Store(dst + i, Select(m0, Load(left + i), Load(right + i)));
      Store(dst + i + 16, Select(m1, Load(left + i + 16), Load(right + i + 16)));
      Store(dst + i + 32, Select(m2, Load(left + i + 32), Load(right + i + 32)));
    }
  }
#endif
  PickRowScalar(dst + i, left + i, right + i, bytes - i, mask);
}

void AverageRows(uint8_t* dst, const uint8_t* a, const uint8_t* b, size_t bytes) {
  size_t i = 0;
#ifdef VEXO_X86
  if (g_vectorRows) {
    for (; i + 16 <= bytes; i += 16) Store(dst + i, FloorAverage(Load(a + i), Load(b + i)));
  }
#endif
  for (; i < bytes; ++i) dst[i] = Floor2(a[i], b[i]);
}

void AverageNeighbourPick(uint8_t* dst, const uint8_t* left, const uint8_t* right, size_t bytes,
                          const uint8_t* mask) {
  size_t i = 0;
#ifdef VEXO_X86
  if (g_vectorRows) {
    const __m128i m[3] = {Load(mask), Load(mask + 16), Load(mask + 32)};
    // Each step reads 16 bytes at i + 3, so it stops where that would pass
    // the last neighbour (byte bytes + 2).
    for (; i + 16 <= bytes; i += 16) {
      const __m128i l = FloorAverage(Load(left + i), Load(left + i + 3));
      const __m128i r = FloorAverage(Load(right + i), Load(right + i + 3));
      Store(dst + i, Select(m[(i / 16) % 3], l, r));
    }
  }
#endif
  AverageNeighbourPickScalar(dst, left, right, i, bytes, mask);
}

void AnaglyphRow(uint8_t* dst, const uint8_t* left, const uint8_t* right, int32_t width) {
  for (int32_t x = 0; x < width; ++x) {
    const uint8_t* l = left + 3 * x;
    const uint8_t* r = right + 3 * x;
    const uint8_t grayRight = GrayValue(r[0], r[1], r[2]);
    dst[3 * x + 0] = grayRight;
    dst[3 * x + 1] = grayRight;
    dst[3 * x + 2] = GrayValue(l[0], l[1], l[2]);
  }
}

void HalfColorAnaglyphRow(uint8_t* dst, const uint8_t* left, const uint8_t* right, int32_t width) {
  for (int32_t x = 0; x < width; ++x) {
    const uint8_t* l = left + 3 * x;
    const uint8_t* r = right + 3 * x;
    dst[3 * x + 0] = r[0];
    dst[3 * x + 1] = r[1];
    dst[3 * x + 2] = GrayValue(l[0], l[1], l[2]);
  }
}

void DuboisRow(uint8_t* dst, const uint8_t* left, const uint8_t* right, int32_t width) {
  for (int32_t x = 0; x < width; ++x) DuboisValue(left + 3 * x, right + 3 * x, dst + 3 * x);
}
