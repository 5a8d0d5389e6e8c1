// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The full-canvas fill timed with a plain clock, against the breadth-first
// reference, so that the same figure comes from builds that have no Google
// Benchmark (the Windows program's, run under Wine) and from the Linux one.
// Prints the medians of many fills in milliseconds.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "colouring/fill.h"
#include "tests/support/reference_fill.h"

namespace {

template <typename Fill>
double median_ms(Fill fill, int runs) {
    PixelBuffer b(750, 600, kWhite);
    Colour c = 1;
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i) {
        const auto t0 = std::chrono::steady_clock::now();
        fill(b, c ^= 0x10);
        const auto t1 = std::chrono::steady_clock::now();
        ms.push_back(std::chrono::duration<double, std::milli>(t1 - t0).count());
    }
    std::sort(ms.begin(), ms.end());
    return ms[ms.size() / 2];
}

}  // namespace

int main() {
    const double span = median_ms([](PixelBuffer& b, Colour c) { flood_fill(b, 375, 300, c); }, 200);
    const double bfs = median_ms([](PixelBuffer& b, Colour c) { reference_fill(b, 375, 300, c); }, 50);
    std::printf("full canvas fill: median %.3f ms, breadth-first %.3f ms\n", span, bfs);
    return 0;
}
