// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/headless/headless_platform.h"

#include "platform/bitmap_file.h"
#include "platform/errors.h"
#include "platform/file_system.h"

namespace {
void note(std::vector<std::string>* log, const std::string& what) {
    if (log) log->push_back(what);
}
}  // namespace

Picture RecordingPictures::load(const std::string& path) {
    loads.push_back(path);
    if (failing.count(path)) throw PictureLoadError("cannot load " + path);
    return inner_.load(path);
}

void HeadlessDisplay::take_over() {
    note(log, "display take_over");
    if (fail_take_over) throw PlatformError("no 1024 x 768 x 32 mode");
    taken = true;
}

void HeadlessDisplay::restore_mode() {
    note(log, "display restore");
    if (fail_restore) throw PlatformError("cannot restore the display mode");
    taken = false;
}

std::int32_t HeadlessKeyboard::install(KeyFilter f) {
    note(log, "hook install");
    if (fail_install) return 0;
    filter = f;
    return 1;
}

void HeadlessKeyboard::remove(std::int32_t) {
    note(log, "hook remove");
    ++removals;
    filter = nullptr;
}

void HeadlessMusic::open() {
    requests.push_back("open");
    note(log, "music open");
    if (fail_open) throw PlatformError("no music engine");
}
void HeadlessMusic::set_volume(int v) { requests.push_back("volume " + std::to_string(v)); }
void HeadlessMusic::load(const std::string& path) {
    requests.push_back("load " + path);
    if (!file_is_readable(path)) throw PlatformError("cannot load " + path);
}
void HeadlessMusic::play() {
    requests.push_back("play");
    playing = true;
}
void HeadlessMusic::stop() {
    requests.push_back("stop");
    note(log, "music stop");
    playing = false;
}
bool HeadlessMusic::is_playing() { return playing; }
void HeadlessMusic::close() {
    requests.push_back("close");
    note(log, "music close");
    playing = false;
}

void HeadlessShell::open_url(const std::string& url) {
    note(log, "open " + url);
    urls.push_back(url);
}

void HeadlessShell::minimise_window() {
    note(log, "minimise window");
    ++minimised;
}

void HeadlessShell::start_program(const std::string& path) {
    note(log, "start " + path);
    if (!file_is_executable(path)) throw PlatformError("cannot start " + path);
    started.push_back(path);
}

void HeadlessPrinter::print_picture(const PictureData& picture, bool in_colour) {
    note(log, "print");
    if (!available) throw PlatformError("no default printer");
    printed.push_back(picture);
    colour.push_back(in_colour);
}

std::int64_t HeadlessRuntime::file_length(const std::string& path) {
    lengths_read.push_back(path);
    const std::optional<FileStatus> st = regular_file_status(path);
    if (!st) throw PlatformError("cannot read " + path);
    return st->size;
}

double HeadlessRuntime::random_unit() { return std::uniform_real_distribution<double>(0.0, 1.0)(rng); }

void HeadlessRuntime::save_bitmap(const PictureData& picture, const std::string& path) {
    note(log, "save " + path);
    write_bitmap_file(picture, path);
}

void HeadlessRuntime::end_process(int s) {
    note(log, "end " + std::to_string(s));
    ended = true;
    status = s;
    throw ProcessEnded{s};
}

void HeadlessHost::show_window(bool visible) {
    note(log, visible ? "show window" : "hide window");
    window_visible = visible;
}

void HeadlessHost::run_pending() {
    while (!queue_.empty()) {
        const InputEvent e = queue_.front();
        queue_.pop_front();
        if (window_) window_->route(e);
    }
}

void HeadlessHost::yield_events() {
    run_pending();
    if (window_) window_->fire_due_timers(runtime_.clock);
}

void HeadlessHost::advance(double seconds) {
    const double end = runtime_.clock + seconds;
    while (window_ && window_->next_timer_due() <= end) {
        runtime_.clock = std::max(runtime_.clock, window_->next_timer_due());
        window_->fire_due_timers(runtime_.clock);
    }
    runtime_.clock = std::max(runtime_.clock, end);
}

void HeadlessHost::wait_events_until(double deadline) {
    note(log, "wait");
    if (on_wait) {
        auto hook = on_wait;
        on_wait = nullptr;
        hook();
    }
    run_pending();
    if (runtime_.clock < deadline) advance(deadline - runtime_.clock);
}

void HeadlessHost::sleep_until(double deadline) {
    if (runtime_.clock < deadline) runtime_.clock = deadline;
}

HeadlessPlatform::HeadlessPlatform(IPictures& decoder, std::string program_folder)
    : pictures(decoder),
      host(runtime),
      platform_{pictures, display, keyboard, sound, music, shell, printer, runtime, host} {
    runtime.folder = std::move(program_folder);
    display.log = keyboard.log = music.log = shell.log = printer.log = runtime.log = host.log = &log;
}
