// Composition speed on a full-screen capture: 3840 x 1080, two 1920 x 1080
// eyes, one thread. Each format has a copy of as many bytes as its output
// beside it as its floor.
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "imaging/simd_rows.h"
#include "imaging/stereo_compose.h"

namespace {

constexpr int kCaptureWidth = 3840;
constexpr int kCaptureHeight = 1080;

FrameImage* MakeCapture() {
  FrameImage* frame = CreateFrameImage(kCaptureWidth, kCaptureHeight);
  uint8_t* pixels = FramePixels(frame);
  uint32_t seed = 1;
  for (uint32_t i = 0; i < frame->biSizeImage; ++i) {
    seed = seed * 1664525u + 1013904223u;
    pixels[i] = static_cast<uint8_t>(seed >> 24);
  }
  return frame;
}

void BM_Compose(benchmark::State& state) {
  const int format = static_cast<int>(state.range(0));
  const bool vector = state.range(1) != 0;
  const bool was = UseVectorRows(vector);
  FrameImage* capture = MakeCapture();
  const PairOffsets offsets = SplitShift(FrameWidth(capture), FrameHeight(capture), 0, 0);
  for (auto _ : state) {
    FrameImage* out = ComposeStereo(capture, offsets, format, 0);
    benchmark::DoNotOptimize(out);
    FreeFrameImage(out);
  }
  FreeFrameImage(capture);
  UseVectorRows(was);
}

// A plain copy of the output's bytes into a fresh frame: what the format
// costs at the least.
void BM_CopyFloor(benchmark::State& state) {
  const int width = static_cast<int>(state.range(0));
  FrameImage* source = CreateFrameImage(width, kCaptureHeight);
  for (auto _ : state) {
    FrameImage* out = CreateFrameImage(width, kCaptureHeight);
    std::memcpy(FramePixels(out), FramePixels(source), source->biSizeImage);
    benchmark::DoNotOptimize(out);
    FreeFrameImage(out);
  }
  FreeFrameImage(source);
}

}  // namespace

BENCHMARK(BM_CopyFloor)->ArgName("width")->Arg(1920)->Arg(3840)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Compose)
    ->ArgNames({"format", "vector"})
    ->ArgsProduct({{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 80}, {1}})
    ->Args({2, 0})
    ->Args({4, 0})
    ->Args({5, 0})
    ->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
