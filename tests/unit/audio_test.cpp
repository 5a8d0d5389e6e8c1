// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The music switch, its repeat timer, the effects switch and the places that
// play an effect, on the headless back-end (which records what the program
// asks of the music engine and the sound player).
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "platform/errors.h"
#include "tests/support/app_fixture.h"
#include "tests/support/audio_fixtures.h"

namespace {

using Requests = std::vector<std::string>;

class Audio : public ::testing::Test {
protected:
    void SetUp() override {
        audio_fixture::write(music_file(), audio_fixture::midi_tune(1.0, 2.0));
        app.start();
        app.hp.music.requests.clear();
        app.hp.sound.played.clear();
        app.hp.log.clear();
    }
    std::string music_file() { return app.folder.file("\\MUSIC\\001.MID"); }
    Requests start_requests() { return {"open", "volume -3000", "load " + music_file(), "volume 150", "play"}; }
    Requests stop_requests() { return {"open", "volume -3000", "stop"}; }
    Requests take_requests() {
        Requests r = app.hp.music.requests;
        app.hp.music.requests.clear();
        return r;
    }
    void expect_switch(int music_off, int music_playing, bool timer, const char* when) {
        SCOPED_TRACE(when);
        EXPECT_EQ(app.f().MusicOff, music_off);
        EXPECT_EQ(app.f().MusicPlaying, music_playing);
        EXPECT_EQ(app.f().tmrRepeat.Enabled(), timer);
    }

    App app;
};

TEST_F(Audio, ClicksStartStopAndStartAgainFromTheBeginning) {
    const Picture button = app.window().box(ctl::MusicOn).picture();
    expect_switch(1, 0, false, "at start");

    app.click_on(ctl::MusicOn);
    EXPECT_EQ(take_requests(), start_requests());
    expect_switch(0, 1, true, "first click");
    EXPECT_TRUE(app.hp.music.playing);

    app.click_on(ctl::MusicOn);
    EXPECT_EQ(take_requests(), stop_requests());
    expect_switch(1, 0, false, "second click");
    EXPECT_FALSE(app.hp.music.playing);

    // The third click loads the file again and plays it from its beginning.
    app.click_on(ctl::MusicOn);
    EXPECT_EQ(take_requests(), start_requests());
    expect_switch(0, 1, true, "third click");

    // The clicks are silent and leave the button's image to the next mouse move.
    EXPECT_EQ(app.window().box(ctl::MusicOn).picture(), button);
    EXPECT_TRUE(app.hp.sound.played.empty());
}

TEST_F(Audio, TimerRestartsOnlyATuneThatHasEnded) {
    app.click_on(ctl::MusicOn);
    take_requests();
    app.f().lblPlay.Caption = "?";

    app.hp.host.advance(0.5);  // a tick while the tune plays
    EXPECT_EQ(take_requests(), Requests{});
    EXPECT_EQ(app.f().lblPlay.Caption, "");

    app.hp.music.playing = false;  // the tune ends just after that tick
    app.hp.host.advance(0.49);
    EXPECT_EQ(take_requests(), Requests{}) << "the timer ticks every 500 ms";
    app.hp.host.advance(0.01);
    EXPECT_EQ(take_requests(), Requests{"play"}) << "played again, without loading, at the next tick";
    EXPECT_TRUE(app.hp.music.playing);

    app.hp.host.advance(0.5);
    EXPECT_EQ(take_requests(), Requests{}) << "the restarted tune is left to play";

    app.click_on(ctl::MusicOn);
    take_requests();
    app.hp.music.playing = false;
    app.hp.host.advance(5.0);
    EXPECT_EQ(take_requests(), Requests{}) << "switched off, nothing restarts";
}

TEST_F(Audio, SetVolumeGivesHundredthsOfADecibel) {
    const std::pair<int, int> cases[] = {{0, -3000}, {1, -2958}, {75, 150}, {100, 1200}, {255, 7710}};
    for (const auto& [n, expected] : cases) {
        app.f().SetVolume(static_cast<std::uint8_t>(n));
        EXPECT_EQ(take_requests(), Requests{"volume " + std::to_string(expected)}) << "SetVolume(" << n << ")";
    }
}

TEST_F(Audio, MissingMusicFileLeavesTheSwitchOnWithNothingPlaying) {
    std::filesystem::remove(music_file());
    app.click_on(ctl::MusicOn);
    EXPECT_EQ(take_requests(), (Requests{"open", "volume -3000", "load " + music_file()}));
    expect_switch(0, 1, false, "click with the file missing");
    EXPECT_FALSE(app.f().MusicSegment);
    EXPECT_FALSE(app.hp.music.playing);
    app.hp.host.advance(2.0);
    EXPECT_EQ(take_requests(), Requests{}) << "no timer, no restarts";

    app.click_on(ctl::MusicOn);
    EXPECT_EQ(take_requests(), stop_requests());
    expect_switch(1, 0, false, "the next click switches off");

    audio_fixture::write(music_file(), audio_fixture::midi_tune(1.0, 2.0));
    app.click_on(ctl::MusicOn);
    EXPECT_EQ(take_requests(), start_requests());
    expect_switch(0, 1, true, "the file is back");
}

TEST_F(Audio, EngineThatCannotBeBuiltLeavesTheSwitchAlone) {
    app.hp.music.fail_open = true;
    app.click_on(ctl::MusicOn);
    EXPECT_EQ(take_requests(), Requests{"open"});
    expect_switch(1, 0, false, "failed click");
    EXPECT_FALSE(app.f().MusicSegment);
}

TEST_F(Audio, MuteWaveSwitchesEffectsAndLeavesTheMusicAlone) {
    app.click_on(ctl::MusicOn);
    take_requests();
    ASSERT_EQ(app.f().SoundEffectsOn, 1);

    app.click_on(ctl::MuteWave);
    EXPECT_EQ(app.f().SoundEffectsOn, 0);
    app.click_on(ctl::palette(2));
    EXPECT_EQ(app.f().CurrentColor, rgb(52, 204, 103)) << "the palette works while muted";
    EXPECT_TRUE(app.hp.sound.played.empty());

    app.click_on(ctl::MuteWave);
    EXPECT_EQ(app.f().SoundEffectsOn, 1);
    app.click_on(ctl::palette(2));
    EXPECT_EQ(app.hp.sound.played, Requests{app.folder.file("\\SOUND\\ZELENA.WAV")});

    EXPECT_EQ(take_requests(), Requests{}) << "the effects switch does not touch the music";
    EXPECT_TRUE(app.hp.music.playing);
    EXPECT_TRUE(app.f().tmrRepeat.Enabled());
}

// ---- Exit ----

struct ExitCase {
    const char* name;
    int clicks_on_music;
    Requests expected;  // the music, display and end entries of the log, in order
    int music_off_after;
};
void PrintTo(const ExitCase& c, std::ostream* os) { *os << c.name; }

class ExitWithMusic : public Audio, public ::testing::WithParamInterface<ExitCase> {};

TEST_P(ExitWithMusic, StopsTheMusicOnlyWhenItPlays) {
    const ExitCase& c = GetParam();
    for (int i = 0; i < c.clicks_on_music; ++i) app.click_on(ctl::MusicOn);
    app.hp.log.clear();
    EXPECT_THROW(app.f().Da_Click(), ProcessEnded);
    Requests seen;
    for (const std::string& e : app.hp.log)
        if (e.rfind("music", 0) == 0 || e.rfind("display", 0) == 0 || e.rfind("end", 0) == 0) seen.push_back(e);
    EXPECT_EQ(seen, c.expected);
    EXPECT_EQ(app.f().MusicPlaying, 0);
    EXPECT_EQ(app.f().MusicOff, c.music_off_after);
    EXPECT_FALSE(app.f().tmrRepeat.Enabled());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ExitWithMusic,
    ::testing::Values(
        // StopMusic leaves MusicOff as it was: the program is ending.
        ExitCase{"music_playing", 1, {"music stop", "display restore", "music close", "end 0"}, 0},
        ExitCase{"music_switched_off", 2, {"display restore", "music close", "end 0"}, 1},
        ExitCase{"music_never_started", 0, {"display restore", "end 0"}, 1}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- The places that play an effect ----

// A canvas point (in canvas coordinates) whose colour is, or is not, outline black.
std::pair<int, int> canvas_point(App& app, bool outline) {
    const Canvas& canvas = app.f().Slika;
    const Rect r = canvas.bounds();
    for (int y = 0; y < r.h; ++y)
        for (int x = 0; x < r.w; ++x)
            if ((canvas.Point(x, y) <= 9) == outline) return {x, y};
    ADD_FAILURE() << "no " << (outline ? "outline" : "paper") << " pixel on the canvas";
    return {0, 0};
}

void press_canvas(App& app, bool outline, int button) {
    const auto [x, y] = canvas_point(app, outline);
    const Rect r = app.f().Slika.bounds();
    app.click(r.x + x, r.y + y, button);
}

struct EffectCase {
    const char* name;
    std::function<void(App&)> act;
    const char* sound;  // nullptr: the action is silent
};
void PrintTo(const EffectCase& c, std::ostream* os) { *os << c.name; }

EffectCase palette_case(const char* name, int nn, const char* sound) {
    return {name, [nn](App& app) { app.click_on(ctl::palette(nn)); }, sound};
}

const EffectCase kEffectCases[] = {
    palette_case("PaletaCrvena", 1, "\\SOUND\\CRVENA.WAV"),
    palette_case("PaletaZelena", 2, "\\SOUND\\ZELENA.WAV"),
    palette_case("PaletaZuta", 3, "\\SOUND\\ZUTA.WAV"),
    palette_case("PaletaSvPlava", 4, "\\SOUND\\SVPLAVA.WAV"),
    palette_case("PaletaOranz", 5, "\\SOUND\\ORANZ.WAV"),
    palette_case("PaletaLjubicasta", 6, "\\SOUND\\LJUBICASTA.WAV"),
    palette_case("PaletaSiva", 7, "\\SOUND\\SIVA.WAV"),
    palette_case("PaletaTamnozuta", 8, "\\SOUND\\TAMNOZUTA.WAV"),
    palette_case("PaletaBraon", 9, "\\SOUND\\BRAON.WAV"),
    palette_case("PaletaPlava", 10, "\\SOUND\\PLAVA.WAV"),
    palette_case("PaletaCrna", 11, "\\SOUND\\CRNA.WAV"),
    palette_case("PaletaPink", 12, "\\SOUND\\PINK.WAV"),
    {"fill_left_press_on_paper", [](App& app) { press_canvas(app, false, mouse::kLeft); }, "\\SOUND\\FILL.WAV"},
    {"fill_right_press", [](App& app) { press_canvas(app, false, mouse::kRight); }, "\\SOUND\\FILL.WAV"},
    {"fill_left_press_on_outline", [](App& app) { press_canvas(app, true, mouse::kLeft); }, nullptr},
    {"brush_press",
     [](App& app) {
         app.click_on(ctl::olovka);
         press_canvas(app, false, mouse::kLeft);
     },
     nullptr},
    {"paper_wipe", [](App& app) { app.click_on(ctl::Papir); }, "\\SOUND\\WIPE.WAV"},
    {"eraser_wipe", [](App& app) { app.click_on(ctl::Rubber); }, "\\SOUND\\WIPE.WAV"},
    {"music_button", [](App& app) { app.click_on(ctl::MusicOn); }, nullptr},
    {"tool_buttons",
     [](App& app) {
         app.click_on(ctl::olovka);
         app.click_on(ctl::kapljica);
     },
     nullptr},
    {"gallery_and_back",
     [](App& app) {
         app.click_on(ctl::MoreImages);
         app.click_on(ctl::Back);
     },
     nullptr},
    {"thumbnail", [](App& app) {
         app.click_on(ctl::MoreImages);
         app.click_on(ctl::thumbnail(3));
     },
     nullptr},
};

class EffectSites : public Audio, public ::testing::WithParamInterface<std::tuple<EffectCase, bool>> {};

TEST_P(EffectSites, PlayTheirSoundOnceOnlyWhileEffectsAreOn) {
    const auto& [c, effects_on] = GetParam();
    if (!effects_on) app.click_on(ctl::MuteWave);
    app.hp.sound.played.clear();
    c.act(app);
    Requests expected;
    if (c.sound && effects_on) expected.push_back(app.folder.file(c.sound));
    EXPECT_EQ(app.hp.sound.played, expected);
}

INSTANTIATE_TEST_SUITE_P(Sites, EffectSites, ::testing::Combine(::testing::ValuesIn(kEffectCases), ::testing::Bool()),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).name) +
                                    (std::get<1>(info.param) ? "_effects_on" : "_effects_off");
                         });

}  // namespace
