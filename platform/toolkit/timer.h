// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>
#include <string_view>
// A timer that raises its event every interval while enabled; enabling it
// starts the count afresh.

class Timer {
public:
    Timer(int id, int interval_ms) : id_(id), interval_ms_(interval_ms) {}
    int id() const { return id_; }
    bool Enabled() const { return enabled_; }
    int interval_ms() const { return interval_ms_; }
    double next_due() const { return next_due_; }

    void set_enabled(bool on, double now) {
        enabled_ = on;
        if (on) next_due_ = now + interval_ms_ / 1000.0;
    }
    // Called by the loop when the clock passed next_due; returns whether to fire.
    bool take_due(double now) {
        if (!enabled_ || now < next_due_) return false;
        next_due_ = now + interval_ms_ / 1000.0;
        return true;
    }

private:
    int id_;
    int interval_ms_;
    bool enabled_ = false;
    double next_due_ = 0;
};

// A text label drawn on the window's surface. The program only ever sets its
// caption while it is hidden, so it is never drawn.
struct Label {
    int id = 0;
    int left = 0, top = 0, width = 0, height = 0;
    bool visible = false;
    std::string_view name;
    std::string Caption;
};
