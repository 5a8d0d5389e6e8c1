// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The fill against the baselines it has to beat, measured in the same run:
//  - a breadth-first fill whose queue is one vector allocated before timing
//    (a plain fill with no container overhead left to beat);
//  - the memory floor: one read-compare-write pass over the whole buffer, in
//    blocks of 16 pixels so that the compiler vectorises it at -O2 (check with
//    -fopt-info-vec: "loop vectorized" for floor_pass), and memcpy of the
//    buffer for reference.
// Mazes of one-pixel corridors are the span fill's worst cases: a serpentine
// (long runs, every wall row scanned for its one gap) and a comb (hundreds of
// one-pixel runs on every row).
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "colouring/fill.h"

namespace {

constexpr int kWidth = 750, kHeight = 600;

struct Point {
    int x, y;
};

// Each pixel is painted when it enters the queue, so it enters at most once:
// a queue of width * height points never grows.
void breadth_first_fill(PixelBuffer& b, std::vector<Point>& queue, int sx, int sy, Colour colour) {
    if (!b.inside(sx, sy)) return;
    const std::uint32_t target = b.at(sx, sy), paint = colour & 0xFFFFFF;
    if (target == paint) return;
    std::size_t head = 0, tail = 0;
    queue[tail++] = {sx, sy};
    b.at(sx, sy) = paint;
    auto visit = [&](int x, int y) {
        if (b.inside(x, y) && b.at(x, y) == target) {
            b.at(x, y) = paint;
            queue[tail++] = {x, y};
        }
    };
    while (head < tail) {
        const Point p = queue[head++];
        visit(p.x + 1, p.y);
        visit(p.x - 1, p.y);
        visit(p.x, p.y + 1);
        visit(p.x, p.y - 1);
    }
}

void floor_pass(std::uint32_t* px, std::size_t n, std::uint32_t target, std::uint32_t paint) {
    std::size_t i = 0;
    for (; i + 16 <= n; i += 16)
        for (std::size_t k = i; k < i + 16; ++k) px[k] = px[k] == target ? paint : px[k];
    for (; i < n; ++i) px[i] = px[i] == target ? paint : px[i];
}

PixelBuffer serpentine() {
    PixelBuffer b(kWidth, kHeight, kWhite);
    for (int y = 1; y < kHeight; y += 2)
        for (int x = 0; x < kWidth; ++x)
            if (!((y / 2) % 2 == 0 ? x == kWidth - 1 : x == 0)) b.at(x, y) = 0;
    return b;
}

// A top row with one-pixel teeth hanging from it, one-pixel walls between.
PixelBuffer comb() {
    PixelBuffer b(kWidth, kHeight, kWhite);
    for (int y = 1; y < kHeight; ++y)
        for (int x = 1; x < kWidth; x += 2) b.at(x, y) = 0;
    return b;
}

// Full canvas: each round fills the whole buffer with the other of two colours.
void BM_SpanFill_FullCanvas(benchmark::State& state) {
    PixelBuffer b(kWidth, kHeight, kWhite);
    Colour c = 1;
    for (auto _ : state) {
        flood_fill(b, 375, 300, c ^= 0x10);
        benchmark::ClobberMemory();
    }
}
void BM_BreadthFirst_FullCanvas(benchmark::State& state) {
    PixelBuffer b(kWidth, kHeight, kWhite);
    std::vector<Point> queue(b.pixels.size());
    Colour c = 1;
    for (auto _ : state) {
        breadth_first_fill(b, queue, 375, 300, c ^= 0x10);
        benchmark::ClobberMemory();
    }
}
void BM_ReadWritePass_FullCanvas(benchmark::State& state) {
    std::uint32_t c = 1;
    PixelBuffer b(kWidth, kHeight, c);
    for (auto _ : state) {
        const std::uint32_t was = c;
        floor_pass(b.pixels.data(), b.pixels.size(), was, c ^= 0x10);
        benchmark::ClobberMemory();
    }
}
void BM_Memcpy_FullCanvas(benchmark::State& state) {
    const PixelBuffer from(kWidth, kHeight, kWhite);
    PixelBuffer to(kWidth, kHeight, 0);
    for (auto _ : state) {
        benchmark::DoNotOptimize(from.pixels.data());
        std::memcpy(to.pixels.data(), from.pixels.data(), to.pixels.size() * 4);
        benchmark::ClobberMemory();
    }
}
void BM_Memset_FullCanvas(benchmark::State& state) {
    PixelBuffer b(kWidth, kHeight, kWhite);
    for (auto _ : state) {
        std::memset(b.pixels.data(), static_cast<int>(state.iterations() & 1), b.pixels.size() * 4);
        benchmark::ClobberMemory();
    }
}

// Mazes: each round fills a fresh copy, made outside the timing.
template <PixelBuffer (*Maze)()>
void BM_SpanFill(benchmark::State& state) {
    const PixelBuffer base = Maze();
    for (auto _ : state) {
        state.PauseTiming();
        PixelBuffer b = base;
        state.ResumeTiming();
        flood_fill(b, 0, 0, rgb(255, 0, 0));
        benchmark::ClobberMemory();
    }
}
template <PixelBuffer (*Maze)()>
void BM_BreadthFirst(benchmark::State& state) {
    const PixelBuffer base = Maze();
    std::vector<Point> queue(base.pixels.size());
    for (auto _ : state) {
        state.PauseTiming();
        PixelBuffer b = base;
        state.ResumeTiming();
        breadth_first_fill(b, queue, 0, 0, rgb(255, 0, 0));
        benchmark::ClobberMemory();
    }
}

}  // namespace

BENCHMARK(BM_SpanFill_FullCanvas)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BreadthFirst_FullCanvas)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ReadWritePass_FullCanvas)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Memcpy_FullCanvas)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Memset_FullCanvas)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SpanFill<serpentine>)->Name("BM_SpanFill_Maze")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BreadthFirst<serpentine>)->Name("BM_BreadthFirst_Maze")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SpanFill<comb>)->Name("BM_SpanFill_Comb")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BreadthFirst<comb>)->Name("BM_BreadthFirst_Comb")->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
