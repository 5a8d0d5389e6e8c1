// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The wipe that clears the canvas: five sweep orders, eight effects made of
// one or two of them, and the pacing that lets a child watch the sweep.
#include <optional>

class Canvas;
class IRuntime;
class IHost;

enum class WipePass { A, B, C, D, E };

struct WipePoint {
    int x = 0;
    int y = 0;
    bool operator==(const WipePoint&) const = default;
};

// How many pixels a pass paints, and the pixel it paints at step 0..steps-1.
int wipe_pass_steps(WipePass pass);
WipePoint wipe_pass_pixel(WipePass pass, int step);

struct WipeEffect {
    WipePass first;
    std::optional<WipePass> second;
};
// Effects 1..8.
const WipeEffect& wipe_effect(int effect);

// An effect 1..8, each equally likely: the integer part of 9 times a uniform
// number in [0, 1), drawn again while it is 0.
int draw_wipe_effect(IRuntime& runtime);

// A full pass (450,000 pixels) lasts this long whatever the machine, so the
// 225,000-pixel pass E lasts half of it.
inline constexpr double kWipeFullPassSeconds = 0.75;
inline constexpr int kWipeFramesPerFullPass = 60;

// Paints one pass white on the canvas's direct display, presenting frames at
// the fixed pace and handling no event. Returns the frames presented.
int run_wipe_pass(Canvas& canvas, WipePass pass, IRuntime& runtime, IHost& host);
