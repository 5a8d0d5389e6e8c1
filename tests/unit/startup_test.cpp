// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up and the exit sequence on the headless back-end and its virtual
// clock: the order of the outside calls, the two waits, the failures.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>

#include "platform/asset_path.h"
#include "platform/errors.h"
#include "tests/support/app_fixture.h"

namespace fs = std::filesystem;

namespace {

constexpr double kClockAtStart = 1000.0;

std::vector<std::string> normal_start_log(const std::string& folder) {
    return {"hook install", "hide window", "start " + folder + "MARIGOLD.EXE", "wait", "show window",
            "display take_over", "wait"};
}

void expect_initial_state(App& app) {
    EXPECT_EQ(app.f().CurrentColor, rgb(255, 0, 0));
    EXPECT_EQ(app.f().MusicOff, 1);
    EXPECT_EQ(app.f().SoundEffectsOn, 1);
    EXPECT_EQ(app.f().GalleryOpen, 0);
    EXPECT_EQ(app.f().CurrentPicture, 1);
    EXPECT_EQ(app.f().ColourSelected[1], 0);
    EXPECT_EQ(app.f().FillMode, -1);
}

TEST(Startup, StepsInOrderWithTwoWaitsOfThreeSeconds) {
    App app;
    ASSERT_EQ(app.hp.runtime.clock, kClockAtStart);
    // The first wait: hidden window, filter installed, nothing checked yet.
    bool first_seen = false, second_seen = false;
    app.hp.host.on_wait = [&] {
        first_seen = true;
        EXPECT_FALSE(app.hp.host.window_visible);
        EXPECT_EQ(app.f().HookHandle, 1);
        EXPECT_NE(app.hp.keyboard.filter, nullptr);
        EXPECT_EQ(app.f().FillMode, -1);
        EXPECT_TRUE(app.hp.runtime.lengths_read.empty());
        EXPECT_EQ(app.f().MusicOff, 0) << "not yet initialised";
        EXPECT_EQ(app.hp.runtime.clock, kClockAtStart);
        // The second wait: shown, checked, initialised, display taken; a
        // click on a visible control is handled at once.
        app.hp.host.on_wait = [&] {
            second_seen = true;
            EXPECT_TRUE(app.hp.host.window_visible);
            EXPECT_EQ(app.hp.runtime.lengths_read.size(), 147u);
            EXPECT_TRUE(app.hp.display.taken);
            expect_initial_state(app);
            EXPECT_EQ(app.hp.runtime.clock, kClockAtStart + 3.0);
            app.click_on(ctl::palette(2));
            EXPECT_EQ(app.f().CurrentColor, rgb(52, 204, 103));
        };
    };
    app.start();
    EXPECT_TRUE(first_seen && second_seen);
    EXPECT_EQ(app.hp.log, normal_start_log(app.folder.path()));
    EXPECT_EQ(app.hp.runtime.clock, kClockAtStart + 6.0);
    EXPECT_EQ(app.hp.runtime.cwd, app.f().AssetRoot);
    EXPECT_EQ(app.f().CurrentColor, rgb(52, 204, 103)) << "the click during the wait sticks";
}

// A folder reported with or without its trailing separator.
TEST(Startup, ProgramFolderForms) {
    for (bool trailing : {true, false}) {
        SCOPED_TRACE(trailing ? "with separator" : "without separator");
        App app;
        const std::string with_separator = app.folder.path();  // ends in the system's separator
        const std::string reported = trailing ? with_separator : with_separator.substr(0, with_separator.size() - 1);
        app.hp.runtime.folder = reported;
        app.start();
        EXPECT_EQ(app.f().AppFolder, with_separator);
        EXPECT_EQ(app.f().AssetRoot, reported);
        EXPECT_EQ(app.hp.runtime.cwd, reported);
        ASSERT_FALSE(app.hp.runtime.lengths_read.empty());
        EXPECT_EQ(app.hp.runtime.lengths_read.front(), map_asset_path(with_separator + "\\PICTURE\\01.GIF"));
        EXPECT_EQ(app.hp.shell.started, std::vector<std::string>{with_separator + "MARIGOLD.EXE"});
        EXPECT_TRUE(app.hp.display.taken);
    }
}

// Without the companion start-up carries on: otherwise the window would stay
// hidden for good while the key filter holds the keyboard.
TEST(Startup, MissingCompanionDoesNotStopStartUp) {
    App app;
    fs::remove(app.folder.path() + "MARIGOLD.EXE");
    testing::internal::CaptureStderr();
    app.start();
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_TRUE(app.hp.shell.started.empty());
    EXPECT_EQ(app.hp.log, normal_start_log(app.folder.path()));
    EXPECT_TRUE(app.hp.host.window_visible);
    expect_initial_state(app);
    EXPECT_NE(err.find("MARIGOLD.EXE"), std::string::npos) << err;
}

// A display that cannot be taken over: start-up stops there, the state is
// already initialised and the program runs on in the mode it has.
TEST(Startup, FailingDisplayStopsBeforeTheSecondWait) {
    App app;
    app.hp.display.fail_take_over = true;
    app.start();
    std::vector<std::string> expected = normal_start_log(app.folder.path());
    expected.pop_back();
    EXPECT_EQ(app.hp.log, expected);
    EXPECT_EQ(app.hp.runtime.clock, kClockAtStart + 3.0);
    expect_initial_state(app);
    EXPECT_FALSE(app.f().DisplayDraw);
    app.click_on(ctl::palette(2));
    EXPECT_EQ(app.f().CurrentColor, rgb(52, 204, 103));
}

// Without a key filter the shortcuts still work, and nothing is removed at exit.
TEST(Startup, FilterThatCannotBeInstalled) {
    App app;
    app.hp.keyboard.fail_install = true;
    app.start();
    EXPECT_EQ(app.f().HookHandle, 0);
    app.key(88, 2);
    ASSERT_TRUE(app.f().Da.Visible());
    try {
        app.click_on(ctl::Da);
        ADD_FAILURE() << "Da must end the program";
    } catch (const ProcessEnded& e) {
        EXPECT_EQ(e.status, 0);
    }
    EXPECT_EQ(app.hp.keyboard.removals, 0);
}

// ---- The exit sequence: Ctrl+X, then Da ----

struct ExitCase {
    const char* name;
    std::function<void(App&)> before_start;
    std::function<void(App&)> before_exit;
    std::vector<std::string> calls;  // the exit's outside calls, in order
};
void PrintTo(const ExitCase& c, std::ostream* os) { *os << c.name; }

class ExitRoads : public ::testing::TestWithParam<ExitCase> {};

TEST_P(ExitRoads, CallsInOrder) {
    const ExitCase& c = GetParam();
    App app;
    if (c.before_start) c.before_start(app);
    app.start();
    if (c.before_exit) c.before_exit(app);
    app.key(88, 2);
    ASSERT_TRUE(app.f().Da.Visible());
    const std::size_t from = app.hp.log.size();
    int status = -1;
    try {
        app.click_on(ctl::Da);
    } catch (const ProcessEnded& e) {
        status = e.status;
    }
    EXPECT_EQ(status, 0);
    std::vector<std::string> calls;
    for (std::size_t i = from; i < app.hp.log.size(); ++i) {
        const std::string& line = app.hp.log[i];
        if (line.rfind("music ", 0) == 0 && line != "music stop" && line != "music close") continue;
        calls.push_back(line);
    }
    EXPECT_EQ(calls, c.calls);
}

INSTANTIATE_TEST_SUITE_P(
    Exit, ExitRoads,
    ::testing::Values(
        ExitCase{"music_off", nullptr, nullptr, {"display restore", "hook remove", "hook remove", "end 0"}},
        // The music stops first; unloading removes the filter and closes the
        // engine; the exit removes the filter once more.
        ExitCase{"music_playing",
                 nullptr,
                 [](App& app) {
                     app.click_on(ctl::MusicOn);
                     ASSERT_EQ(app.f().MusicPlaying, 1);
                 },
                 {"music stop", "display restore", "hook remove", "music close", "hook remove", "end 0"}},
        // Switched on and off again: nothing to stop, but the engine is closed.
        ExitCase{"music_was_on",
                 nullptr,
                 [](App& app) {
                     app.click_on(ctl::MusicOn);
                     app.click_on(ctl::MusicOn);
                     ASSERT_EQ(app.f().MusicPlaying, 0);
                 },
                 {"display restore", "hook remove", "music close", "hook remove", "end 0"}},
        // The display mode cannot be given back: the window is not unloaded,
        // yet the filter goes and the program ends.
        ExitCase{"restore_fails",
                 [](App& app) { app.hp.display.fail_restore = true; },
                 nullptr,
                 {"display restore", "hook remove", "end 0"}},
        // The display was never taken: there is nothing to restore it with.
        ExitCase{"display_never_taken",
                 [](App& app) { app.hp.display.fail_take_over = true; },
                 nullptr,
                 {"hook remove", "end 0"}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
