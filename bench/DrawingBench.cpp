// Baselines for the drawing benchmarks: the plainest code that touches the same memory.
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdint>
#include <memory>

namespace {

constexpr std::size_t PaperSide = 7500, ViewWidth = 1200, ViewHeight = 950;
constexpr std::size_t PaperPixels = PaperSide * PaperSide;
constexpr std::size_t ViewPixels = ViewWidth * ViewHeight;

// The floor for anything that touches the whole paper: one fill with white.
void BM_PaperFill(benchmark::State& state) {
    std::unique_ptr<std::uint32_t[]> paper(new std::uint32_t[PaperPixels]);
    for (auto _ : state) {
        std::fill_n(paper.get(), PaperPixels, 0x00FFFFFFu);
        benchmark::DoNotOptimize(paper.get());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_PaperFill)->Unit(benchmark::kMillisecond);

// The plain way to compose the view, on the memory the editor's composition touches: fill
// the view white, AND into it the view-sized block at paper (3000, 3000), read row by row
// out of a paper-sized buffer with the paper's row stride, and copy the view's top-left
// 1198 x 948 onto a canvas-sized buffer (the canvas control's client area).
void BM_ViewBaseline(benchmark::State& state) {
    constexpr std::size_t CanvasWidth = ViewWidth - 2, CanvasHeight = ViewHeight - 2;
    constexpr std::size_t BlockLeft = 3000, BlockTop = 3000;
    std::unique_ptr<std::uint32_t[]> paper(new std::uint32_t[PaperPixels]);
    std::unique_ptr<std::uint32_t[]> view(new std::uint32_t[ViewPixels]);
    std::unique_ptr<std::uint32_t[]> canvas(new std::uint32_t[CanvasWidth * CanvasHeight]);
    std::fill_n(paper.get(), PaperPixels, 0x00C0C0C0u);
    std::fill_n(canvas.get(), CanvasWidth * CanvasHeight, 0u);
    for (auto _ : state) {
        std::fill_n(view.get(), ViewPixels, 0x00FFFFFFu);
        for (std::size_t y = 0; y < ViewHeight; ++y) {
            std::uint32_t* to = view.get() + y * ViewWidth;
            const std::uint32_t* from = paper.get() + (BlockTop + y) * PaperSide + BlockLeft;
            for (std::size_t x = 0; x < ViewWidth; ++x) to[x] &= from[x];
        }
        for (std::size_t y = 0; y < CanvasHeight; ++y)
            std::copy_n(view.get() + y * ViewWidth, CanvasWidth, canvas.get() + y * CanvasWidth);
        benchmark::DoNotOptimize(canvas.get());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_ViewBaseline)->Unit(benchmark::kMillisecond);

} // namespace
