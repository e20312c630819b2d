// The outline of a skinned window: the runs of visible pixels of a full-screen
// frame image, and the runs joined into bands. A checkerboard of transparent cells
// gives many runs; the time must grow with the pixels and the runs, nothing more.
// And the decoding of a run-length compressed skin image, which must grow with
// its pixels.
#include <benchmark/benchmark.h>
#include <cstdint>
#include <string>
#include <vector>

#include "skin/bmp_run_length.h"
#include "skin/pixel_image.h"
#include "skin/region_runs.h"

namespace nuvopick {
namespace {

constexpr TRgb kTrans{255, 0, 255};
constexpr std::int32_t kWidth = 1920;
constexpr std::int32_t kHeight = 1080;

// Cells of Cell × Cell pixels, transparent and opaque in turn.
TPixelImage Checkerboard(std::int32_t cell) {
  TPixelImage image(kWidth, kHeight, TRgb{40, 80, 160});
  for (std::int32_t y = 0; y < kHeight; ++y) {
    for (std::int32_t x = 0; x < kWidth; ++x) {
      if ((x / cell + y / cell) % 2 == 0) image.SetPixel(x, y, kTrans);
    }
  }
  return image;
}

void BM_RegionRuns(benchmark::State& state) {
  const TPixelImage image = Checkerboard(static_cast<std::int32_t>(state.range(0)));
  std::size_t runs = 0;
  for (auto _ : state) {
    std::vector<TRect> result = RegionRuns(image, kTrans);
    runs = result.size();
    benchmark::DoNotOptimize(result);
  }
  state.SetComplexityN(static_cast<std::int64_t>(runs));
  state.counters["runs"] = static_cast<double>(runs);
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(runs));
}

void BM_MergeRunBands(benchmark::State& state) {
  const std::vector<TRect> runs =
      RegionRuns(Checkerboard(static_cast<std::int32_t>(state.range(0))), kTrans);
  std::size_t bands = 0;
  for (auto _ : state) {
    std::vector<TRect> result = MergeRunBands(runs);
    bands = result.size();
    benchmark::DoNotOptimize(result);
  }
  state.SetComplexityN(static_cast<std::int64_t>(runs.size()));
  state.counters["runs"] = static_cast<double>(runs.size());
  state.counters["rects"] = static_cast<double>(bands);
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(runs.size()));
}

// Cells of 32 down to 1 pixel: the same 2 million pixels, 32 times the runs.
void CellSizes(benchmark::internal::Benchmark* b) {
  b->Arg(32)->Arg(8)->Arg(2)->Arg(1)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);
}

BENCHMARK(BM_RegionRuns)->Apply(CellSizes);
BENCHMARK(BM_MergeRunBands)->Apply(CellSizes);

// An 8-bit stream of Height full-width rows, each of blocks of an encoded run of
// four pixels and a literal run of six, as a paint program writes a dithered image.
std::string RunLengthStream(std::int32_t height) {
  std::string stream;
  for (std::int32_t y = 0; y < height; ++y) {
    for (std::int32_t x = 0; x < kWidth; x += 10) {
      stream += std::string{'\x04', '\x01', '\x00', '\x06', '\x02',
                            '\x03', '\x02', '\x03', '\x02', '\x03'};
    }
    stream += std::string{'\x00', '\x00'};
  }
  return stream + std::string{'\x00', '\x01'};
}

void BM_DecodeRunLength(benchmark::State& state) {
  const auto height = static_cast<std::int32_t>(state.range(0));
  const std::string stream = RunLengthStream(height);
  const std::vector<TRgb> palette = {{0, 0, 0}, {255, 0, 255}, {40, 80, 160}, {250, 250, 250}};
  TPixelImage image(kWidth, height, TRgb{0, 0, 0});
  for (auto _ : state) {
    benchmark::DoNotOptimize(DecodeRunLength(stream, 8, palette, image));
  }
  const std::int64_t pixels = std::int64_t{kWidth} * height;
  state.SetComplexityN(pixels);
  state.SetItemsProcessed(state.iterations() * pixels);
}

// 1920 pixels wide, 135 to 1080 rows: a quarter to two million pixels.
BENCHMARK(BM_DecodeRunLength)
    ->Arg(135)
    ->Arg(270)
    ->Arg(540)
    ->Arg(1080)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

}  // namespace
}  // namespace nuvopick

BENCHMARK_MAIN();
