// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The fill against a plain breadth-first fill and the memory floor (one
// read-and-write pass over the buffer), measured in the same run.
#include <benchmark/benchmark.h>

#include <cstring>

#include "colouring/fill.h"
#include "tests/support/reference_fill.h"

namespace {

PixelBuffer maze() {
    PixelBuffer b(750, 600, kWhite);
    for (int y = 1; y < 600; y += 2)
        for (int x = 0; x < 750; ++x)
            if (!((y / 2) % 2 == 0 ? x == 749 : x == 0)) b.at(x, y) = 0;
    return b;
}

void BM_SpanFill_FullCanvas(benchmark::State& state) {
    PixelBuffer b(750, 600, kWhite);
    Colour c = 1;
    for (auto _ : state) {
        flood_fill(b, 375, 300, c ^= 0x10);
        benchmark::ClobberMemory();
    }
}
void BM_BreadthFirst_FullCanvas(benchmark::State& state) {
    PixelBuffer b(750, 600, kWhite);
    Colour c = 1;
    for (auto _ : state) {
        reference_fill(b, 375, 300, c ^= 0x10);
        benchmark::ClobberMemory();
    }
}
void BM_ReadWritePass_FullCanvas(benchmark::State& state) {
    PixelBuffer b(750, 600, kWhite);
    std::uint32_t c = 1;
    for (auto _ : state) {
        c ^= 0x10;
        for (auto& p : b.pixels) p = (p == c) ? p : c;
        benchmark::ClobberMemory();
    }
}
void BM_Memset_FullCanvas(benchmark::State& state) {
    PixelBuffer b(750, 600, kWhite);
    for (auto _ : state) {
        std::memset(b.pixels.data(), static_cast<int>(state.iterations() & 1), b.pixels.size() * 4);
        benchmark::ClobberMemory();
    }
}
void BM_SpanFill_Maze(benchmark::State& state) {
    const PixelBuffer base = maze();
    for (auto _ : state) {
        state.PauseTiming();
        PixelBuffer b = base;
        state.ResumeTiming();
        flood_fill(b, 0, 0, rgb(255, 0, 0));
        benchmark::ClobberMemory();
    }
}
void BM_BreadthFirst_Maze(benchmark::State& state) {
    const PixelBuffer base = maze();
    for (auto _ : state) {
        state.PauseTiming();
        PixelBuffer b = base;
        state.ResumeTiming();
        reference_fill(b, 0, 0, rgb(255, 0, 0));
        benchmark::ClobberMemory();
    }
}

}  // namespace

BENCHMARK(BM_SpanFill_FullCanvas)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BreadthFirst_FullCanvas)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ReadWritePass_FullCanvas)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Memset_FullCanvas)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SpanFill_Maze)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BreadthFirst_Maze)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
