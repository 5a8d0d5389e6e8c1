// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An in-memory back-end for tests: the same toolkit, every outside call
// recorded, a clock that moves only when told to (or when the program waits).
#include <deque>
#include <map>
#include <memory>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "platform/services.h"
#include "platform/toolkit/window.h"

// Wraps a real decoder; records every load and can make chosen paths fail.
class RecordingPictures : public IPictures {
public:
    explicit RecordingPictures(IPictures& inner) : inner_(inner) {}
    Picture load(const std::string& path) override;
    Picture decode(std::span<const std::uint8_t> bytes) override { return inner_.decode(bytes); }
    std::vector<std::string> loads;        // every load requested, in order
    std::set<std::string> failing;         // paths whose load fails
private:
    IPictures& inner_;
};

struct HeadlessDisplay : IDisplay {
    void take_over() override;
    void restore_mode() override;
    bool fail_take_over = false;
    bool fail_restore = false;
    bool taken = false;
    std::vector<std::string>* log = nullptr;
};

struct HeadlessKeyboard : IKeyboardHook {
    std::int32_t install(KeyFilter f) override;
    void remove(std::int32_t handle) override;
    bool fail_install = false;
    KeyFilter filter = nullptr;
    int removals = 0;
    std::vector<std::string>* log = nullptr;
};

struct HeadlessSound : ISoundPlayer {
    void play_async(const std::string& path) override { played.push_back(path); }
    std::vector<std::string> played;
};

struct HeadlessMusic : IMusicEngine {
    void open() override;
    void set_volume(int hundredths_db) override;
    void load(const std::string& path) override;   // fails for a missing file
    void play() override;
    void stop() override;
    bool is_playing() override;
    void close() override;
    std::vector<std::string> requests;  // "open", "volume -3000", "load <path>", "play", "stop", "close"
    bool playing = false;
    bool fail_open = false;
    std::vector<std::string>* log = nullptr;
};

struct HeadlessShell : IShell {
    void open_url(const std::string& url) override;
    void minimise_window() override;
    void start_program(const std::string& path) override;  // fails unless an executable file
    std::vector<std::string> urls;
    std::vector<std::string> started;
    int minimised = 0;
    std::vector<std::string>* log = nullptr;
};

struct HeadlessPrinter : IPrinter {
    void print_picture(const PictureData& picture, bool colour) override;
    bool available = true;
    std::vector<PictureData> printed;
    std::vector<bool> colour;
    std::vector<std::string>* log = nullptr;
};

class HeadlessRuntime : public IRuntime {
public:
    std::string program_folder() override { return folder; }
    std::int64_t file_length(const std::string& path) override;
    double seconds() override { return clock; }
    double random_unit() override;
    void seed_random_from_clock() override { rng.seed(static_cast<unsigned>(clock * 1000.0) + seed_base++); }
    void set_current_directory(const std::string& path) override { cwd = path; }
    void save_bitmap(const PictureData& picture, const std::string& path) override;
    [[noreturn]] void end_process(int status) override;

    std::string folder;
    double clock = 1000.0;
    std::string cwd;
    std::mt19937 rng{12345};
    unsigned seed_base = 1;
    std::vector<std::string> lengths_read;
    std::vector<std::string>* log = nullptr;
    bool ended = false;
    int status = -1;
};

class HeadlessHost : public IHost {
public:
    explicit HeadlessHost(HeadlessRuntime& runtime) : runtime_(runtime) {}
    void attach(Window* window) { window_ = window; }
    void show_window(bool visible) override;
    void yield_events() override;
    void wait_events_until(double deadline) override;
    void present_now() override {
        ++frames_presented;
        if (window_) window_->compose();
        if (on_present) on_present();
    }
    void sleep_until(double deadline) override;

    // Queues input as a user would make it; it is handled by the next wait,
    // yield or run_pending().
    void post(const InputEvent& e) { queue_.push_back(e); }
    void run_pending();
    // Moves the clock on, firing timers as their time comes.
    void advance(double seconds);

    bool window_visible = true;
    int frames_presented = 0;
    std::vector<std::string>* log = nullptr;
    // Called once at each wait, with the clock at the start of the wait
    // (lets a test act "during" a three-second wait).
    std::function<void()> on_wait;
    // Called after every frame presented outside the loop (lets a test watch a wipe).
    std::function<void()> on_present;

private:
    HeadlessRuntime& runtime_;
    Window* window_ = nullptr;
    std::deque<InputEvent> queue_;
};

// Everything together, with one log of the calls in the order they happened.
class HeadlessPlatform {
public:
    explicit HeadlessPlatform(IPictures& decoder, std::string program_folder);
    Platform& platform() { return platform_; }

    RecordingPictures pictures;
    HeadlessDisplay display;
    HeadlessKeyboard keyboard;
    HeadlessSound sound;
    HeadlessMusic music;
    HeadlessShell shell;
    HeadlessPrinter printer;
    HeadlessRuntime runtime;
    HeadlessHost host;
    std::vector<std::string> log;

private:
    Platform platform_;
};
