// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The SDL2 back-end's outside services (besides pictures and the host).
#include <random>
#include <vector>

#include "platform/services.h"

class SdlRuntime : public IRuntime {
public:
    std::string program_folder() override;
    std::int64_t file_length(const std::string& path) override;
    double seconds() override;
    double random_unit() override;
    void seed_random_from_clock() override;
    void set_current_directory(const std::string& path) override;
    void save_bitmap(const PictureData& picture, const std::string& path) override;
    [[noreturn]] void end_process(int status) override;

private:
    std::mt19937_64 rng_{0x5eed};
};

class SdlHost;

class SdlShell : public IShell {
public:
    explicit SdlShell(SdlHost& host) : host_(host) {}
    void open_url(const std::string& url) override;
    void minimise_window() override;
    void start_program(const std::string& path) override;
    // Collects companions that have ended, so none lingers as a zombie.
    void reap_children();

private:
    SdlHost& host_;
    std::vector<int> children_;
};

// The key filter. Where the system has no hook of its own (X), the host
// consults it for every key event and grabs the keyboard while it is
// installed; on Windows a low-level hook of the system calls it before any
// window sees the key, and the host has nothing to do.
class SdlKeyboardHook : public IKeyboardHook {
public:
    std::int32_t install(KeyFilter filter) override;
    void remove(std::int32_t handle) override;
    // The filter the host must apply itself; none when the system does.
    KeyFilter filter() const { return filter_; }

private:
    KeyFilter filter_ = nullptr;
};
