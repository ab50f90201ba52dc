// Baselines for the drawing benchmarks: the plainest code that touches the same memory.
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdint>
#include <memory>

namespace {

constexpr std::size_t PaperPixels = 7500u * 7500u;
constexpr std::size_t ViewPixels = 1200u * 950u;

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

// The floor for composing the view: fill it white, AND a view-sized block into it, copy it
// onto the canvas.
void BM_ViewBaseline(benchmark::State& state) {
    std::unique_ptr<std::uint32_t[]> view(new std::uint32_t[ViewPixels]);
    std::unique_ptr<std::uint32_t[]> source(new std::uint32_t[ViewPixels]);
    std::unique_ptr<std::uint32_t[]> canvas(new std::uint32_t[ViewPixels]);
    std::fill_n(source.get(), ViewPixels, 0x00C0C0C0u);
    std::fill_n(canvas.get(), ViewPixels, 0u);
    for (auto _ : state) {
        std::fill_n(view.get(), ViewPixels, 0x00FFFFFFu);
        for (std::size_t i = 0; i < ViewPixels; ++i) view[i] &= source[i];
        std::copy(view.get(), view.get() + ViewPixels, canvas.get());
        benchmark::DoNotOptimize(canvas.get());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_ViewBaseline)->Unit(benchmark::kMillisecond);

} // namespace
