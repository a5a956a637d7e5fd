// Composing one frame (the copy of the old picture plus the effect) for every drawn style, at
// 1920 x 1080 and 3840 x 2160, over progress values spread across 1..99; BM_Memcpy copies one
// frame with memcpy as the baseline of the same run. bench/effect_table.sh turns the output
// into a table of times and ratios.
#include <benchmark/benchmark.h>

#include <array>
#include <cstring>
#include <map>
#include <memory>
#include <string>

#include "effects/EffectTable.h"
#include "effects/FrameComposer.h"
#include "platform/Random.h"

namespace {

constexpr std::array<int, 2> kWidths = {1920, 3840};
// 1, 7, 13, ..., 97: seventeen frames spread over the whole transition.
constexpr int kProgressStep = 6;

struct Frames {
  Bitmap oldPicture;
  Bitmap newPicture;
  Bitmap screen;
};

Bitmap Noise(std::int32_t w, std::int32_t h, std::uint32_t seed) {
  Bitmap b(w, h);
  RandomGenerator random(seed);
  for (std::int32_t y = 0; y < h; ++y) {
    Pixel* row = b.Row(y);
    for (std::int32_t x = 0; x < w; ++x) row[x] = static_cast<Pixel>(random.Random(0x1000000));
  }
  return b;
}

Frames& FramesFor(int width) {
  static std::map<int, std::unique_ptr<Frames>> frames;
  auto& slot = frames[width];
  if (!slot) {
    const int height = width * 9 / 16;
    slot = std::make_unique<Frames>(
        Frames{Noise(width, height, 1), Noise(width, height, 2), Bitmap(width, height)});
  }
  return *slot;
}

void BM_Effect(benchmark::State& state, int style, int width) {
  Frames& f = FramesFor(width);
  int progress = 1;
  for (auto _ : state) {
    RenderFrame(f.screen, f.oldPicture, f.newPicture, style, progress);
    benchmark::DoNotOptimize(f.screen.Bits());
    benchmark::ClobberMemory();
    progress = progress + kProgressStep > 99 ? 1 : progress + kProgressStep;
  }
  state.SetLabel(StyleName(style));
}

void BM_Memcpy(benchmark::State& state, int width) {
  Frames& f = FramesFor(width);
  const std::size_t bytes = f.screen.Stride() * static_cast<std::size_t>(f.screen.Height());
  for (auto _ : state) {
    std::memcpy(f.screen.Bits(), f.oldPicture.Bits(), bytes);
    benchmark::DoNotOptimize(f.screen.Bits());
    benchmark::ClobberMemory();
  }
}

}  // namespace

int main(int argc, char** argv) {
  for (const int width : kWidths) {
    benchmark::RegisterBenchmark(("BM_Memcpy/" + std::to_string(width)).c_str(), BM_Memcpy, width)
        ->Unit(benchmark::kMillisecond);
  }
  for (int style = 1; style <= kLastStyle; ++style) {
    if (!IsStyleDrawn(style)) continue;
    for (const int width : kWidths) {
      const std::string name = "BM_Effect/" + std::to_string(style) + "/" + std::to_string(width);
      benchmark::RegisterBenchmark(name.c_str(), BM_Effect, style, width)
          ->Unit(benchmark::kMillisecond);
    }
  }
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
