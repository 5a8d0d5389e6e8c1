// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window as it is created: every control's place, size, initial picture,
// pointer, focus order and visibility, and the stacking order.
#include <array>
#include <string_view>

#include "platform/picture.h"
#include "screens/controls.h"

enum class PointerKind { Standard, Arrow, Hand, Pipette, Droplet };

struct ControlDefinition {
    int id;
    std::string_view name;
    int left, top, width, height;
    std::string_view initial_picture;  // embedded asset, e.g. "PICTURE/01.GIF"; empty for none
    PointerKind pointer;
    int focus_order;
    bool visible;
    Colour background;
};

extern const std::array<ControlDefinition, ctl::BoxCount> kWindowDefinition;
extern const std::array<int, ctl::BoxCount> kStackingFrontToBack;

struct PointerDefinition {
    PointerKind kind;
    std::string_view image;  // embedded resource
    int hot_x, hot_y;
};
extern const std::array<PointerDefinition, 4> kPointerDefinitions;

inline constexpr std::string_view kWindowBackgroundPicture = "PICTURE/GLAVNA.JPG";
inline constexpr std::string_view kWindowIcon = "resources/icon32.png";
inline constexpr int kRepeatTimerIntervalMs = 500;
