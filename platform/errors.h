// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Failures that handlers trap. A handler "stops silently at a failing step":
// the step throws, the handler's trap catches at its end.
#include <stdexcept>
#include <string>

struct PictureLoadError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

struct PlatformError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Thrown by the runtime's end-process operation so that the stack unwinds to
// main(). It deliberately does not derive from std::exception: no handler's
// trap may swallow the end of the program.
struct ProcessEnded {
    int status;
};

// Runs body; a failure ends it silently, keeping what was done.
template <class F>
void trap(F&& body) {
    try {
        body();
    } catch (const std::exception&) {
    }
}
