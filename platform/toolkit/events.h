// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Events as the toolkit delivers them to the program: a control (or the window
// itself) and what happened to it.

enum class EventKind { Click, MouseDown, MouseMove, KeyDown, Timer };

// Mouse buttons and shift state use the classic bit values.
namespace mouse {
inline constexpr int kLeft = 1;
inline constexpr int kRight = 2;
inline constexpr int kMiddle = 4;
}  // namespace mouse
namespace shiftmask {
inline constexpr int kShift = 1;
inline constexpr int kCtrl = 2;
inline constexpr int kAlt = 4;
}  // namespace shiftmask

struct ControlEvent {
    EventKind kind = EventKind::Click;
    int button = 0;   // MouseDown: the button; MouseMove: the buttons held
    int shift = 0;
    float x = 0;      // position inside the control
    float y = 0;
    int key = 0;      // KeyDown: virtual-key code
};

// The id of the window's own surface, beside the controls' ids 0..N-1.
inline constexpr int kWindowId = -1;

class IEventSink {
public:
    virtual ~IEventSink() = default;
    virtual void dispatch(int control, const ControlEvent& event) = 0;
};

// Raw input in window coordinates, from a back-end.
struct InputEvent {
    enum class Type { MouseMove, MouseDown, MouseUp, KeyDown } type = Type::MouseMove;
    int x = 0;
    int y = 0;
    int button = 0;  // MouseDown/MouseUp: the button that changed
    int shift = 0;
    int key = 0;
};
