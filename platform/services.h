// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The outside services the program uses, one small interface each. The SDL
// back-end implements them for real; the headless back-end records calls.
#include <cstdint>
#include <functional>
#include <span>
#include <string>

#include "platform/picture.h"

// Decodes JPEG, GIF and icon files. Throws PictureLoadError for a file that is
// missing, unreadable or not a picture.
class IPictures {
public:
    virtual ~IPictures() = default;
    virtual Picture load(const std::string& path) = 0;
    virtual Picture decode(std::span<const std::uint8_t> bytes) = 0;
};

// Exclusive full screen at 1024 x 768 x 32, and giving the mode back.
class IDisplay {
public:
    virtual ~IDisplay() = default;
    virtual void take_over() = 0;       // throws PlatformError
    virtual void restore_mode() = 0;    // throws PlatformError
};

// The low-level key filter: the back-end asks the filter about every key event
// before the window sees it. install returns a handle, 0 on failure.
struct KeyRecord;
using KeyFilter = std::int32_t (*)(std::int32_t code, std::int32_t message, const KeyRecord* record);
class IKeyboardHook {
public:
    virtual ~IKeyboardHook() = default;
    virtual std::int32_t install(KeyFilter filter) = 0;
    virtual void remove(std::int32_t handle) = 0;
};

// Asynchronous sound effects: a new one cuts off the one in progress. Never
// reports a failure.
class ISoundPlayer {
public:
    virtual ~ISoundPlayer() = default;
    virtual void play_async(const std::string& path) = 0;
};

// The MIDI music engine. Every operation may throw PlatformError.
class IMusicEngine {
public:
    virtual ~IMusicEngine() = default;
    virtual void open() = 0;                               // (re)build the engine
    virtual void set_volume(int hundredths_db) = 0;        // master volume
    virtual void load(const std::string& path) = 0;        // the segment
    virtual void play() = 0;                               // from the beginning
    virtual void stop() = 0;
    virtual bool is_playing() = 0;
    virtual void close() = 0;
};

class IShell {
public:
    virtual ~IShell() = default;
    virtual void open_url(const std::string& url) = 0;     // result ignored
    virtual void minimise_window() = 0;
    // Starts an executable by full path, no shell, never waited for.
    virtual void start_program(const std::string& path) = 0;  // throws PlatformError
};

// The default printer, no dialog: the picture at its natural size (96 pixels
// an inch) at the top-left of the page, in colour when asked. Throws
// PlatformError when nothing can print.
class IPrinter {
public:
    virtual ~IPrinter() = default;
    virtual void print_picture(const PictureData& picture, bool colour) = 0;
};

class IRuntime {
public:
    virtual ~IRuntime() = default;
    virtual std::string program_folder() = 0;
    virtual std::int64_t file_length(const std::string& path) = 0;  // throws PlatformError
    virtual double seconds() = 0;                                    // monotonic
    virtual double random_unit() = 0;                                // [0, 1)
    virtual void seed_random_from_clock() = 0;
    virtual void set_current_directory(const std::string& path) = 0;
    virtual void save_bitmap(const PictureData& picture, const std::string& path) = 0;  // throws
    [[noreturn]] virtual void end_process(int status) = 0;
};

// The window's event loop as seen from inside a handler.
class IHost {
public:
    virtual ~IHost() = default;
    virtual void show_window(bool visible) = 0;
    // Handles every pending event, then returns.
    virtual void yield_events() = 0;
    // Sleeps until an event arrives or the monotonic clock reaches deadline,
    // handling what arrives.
    virtual void wait_events_until(double deadline) = 0;
    // Puts the current frame on screen now, without handling events.
    virtual void present_now() = 0;
    // Sleeps until deadline without handling events (pacing of the wipes).
    virtual void sleep_until(double deadline) = 0;
};

struct Platform {
    IPictures& pictures;
    IDisplay& display;
    IKeyboardHook& keyboard;
    ISoundPlayer& sound;
    IMusicEngine& music;
    IShell& shell;
    IPrinter& printer;
    IRuntime& runtime;
    IHost& host;
};
