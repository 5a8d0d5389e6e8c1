// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every real service, built in the order they depend on one another, and
// the Platform that hands them to the program. The program and the
// benchmarks that drive the real back-end build it the same way.
#include "platform/sdl/system_printer.h"
#include "platform/sdl/sdl_audio.h"
#include "platform/sdl/sdl_host.h"
#include "platform/sdl/sdl_keys.h"
#include "platform/sdl/sdl_pictures.h"
#include "platform/sdl/sdl_services.h"
#include "platform/services.h"

template <class Runtime = SdlRuntime>
struct SdlPlatform {
    // The icon's bytes as built into the program.
    explicit SdlPlatform(std::span<const std::uint8_t> window_icon)
        : host(runtime, keyboard, pictures.decode(window_icon)) {}
    SdlPlatform(const SdlPlatform&) = delete;
    SdlPlatform& operator=(const SdlPlatform&) = delete;

    SdlPictures pictures;
    Runtime runtime;
    SdlKeyboardHook keyboard;
    SdlHost host;
    SdlShell shell{host};
    SdlSound sound;
    SdlMusic music;
    SystemPrinter printer;
    Platform platform{pictures, host, keyboard, sound, music, shell, printer, runtime, host};
};
