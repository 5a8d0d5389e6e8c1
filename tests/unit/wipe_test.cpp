// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The eraser, the blank paper and the wipe between: the five sweep orders,
// the draw of the effect, and the whole wipe watched frame by frame on the
// headless back-end with the real picture files.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <deque>
#include <map>
#include <numeric>
#include <random>
#include <string>
#include <vector>

#include "colouring/wipe.h"
#include "platform/asset_path.h"
#include "platform/errors.h"
#include "tests/support/app_fixture.h"

namespace {

constexpr int W = 750, H = 600;

// ---- The sweep orders ----

struct OrderCase {
    WipePass pass;
    int step;
    WipePoint at;
};

char letter(WipePass p) { return "ABCDE"[static_cast<int>(p)]; }

void PrintTo(const OrderCase& c, std::ostream* os) { *os << letter(c.pass) << " step " << c.step; }

class PassOrder : public ::testing::TestWithParam<OrderCase> {};

TEST_P(PassOrder, PaintsThisPixelAtThisStep) {
    const OrderCase& c = GetParam();
    EXPECT_EQ(wipe_pass_pixel(c.pass, c.step), c.at);
}

INSTANTIATE_TEST_SUITE_P(
    FirstLastAndTurningSteps, PassOrder,
    ::testing::Values(
        // A: rows down, each row left to right.
        OrderCase{WipePass::A, 0, {0, 0}}, OrderCase{WipePass::A, 1, {1, 0}}, OrderCase{WipePass::A, 749, {749, 0}},
        OrderCase{WipePass::A, 750, {0, 1}}, OrderCase{WipePass::A, 225'377, {377, 300}},
        OrderCase{WipePass::A, 449'999, {749, 599}},
        // B: columns right, each column top to bottom.
        OrderCase{WipePass::B, 0, {0, 0}}, OrderCase{WipePass::B, 1, {0, 1}}, OrderCase{WipePass::B, 599, {0, 599}},
        OrderCase{WipePass::B, 600, {1, 0}}, OrderCase{WipePass::B, 225'017, {375, 17}},
        OrderCase{WipePass::B, 449'999, {749, 599}},
        // C: columns left, each column top to bottom; ends at column 0.
        OrderCase{WipePass::C, 0, {749, 0}}, OrderCase{WipePass::C, 1, {749, 1}},
        OrderCase{WipePass::C, 600, {748, 0}}, OrderCase{WipePass::C, 449'400, {0, 0}},
        OrderCase{WipePass::C, 449'999, {0, 599}},
        // D: rows up, each row right to left; ends at row 0, column 0.
        OrderCase{WipePass::D, 0, {749, 599}}, OrderCase{WipePass::D, 1, {748, 599}},
        OrderCase{WipePass::D, 750, {749, 598}}, OrderCase{WipePass::D, 449'250, {749, 0}},
        OrderCase{WipePass::D, 449'999, {0, 0}},
        // E: rows 0, 2, ..., 598, each left to right.
        OrderCase{WipePass::E, 0, {0, 0}}, OrderCase{WipePass::E, 749, {749, 0}},
        OrderCase{WipePass::E, 750, {0, 2}}, OrderCase{WipePass::E, 1'501, {1, 4}},
        OrderCase{WipePass::E, 224'999, {749, 598}}));

struct CoverCase {
    WipePass pass;
    int steps;
    bool odd_rows;  // whether the odd rows are painted
};

void PrintTo(const CoverCase& c, std::ostream* os) { *os << letter(c.pass); }

class PassCover : public ::testing::TestWithParam<CoverCase> {};

TEST_P(PassCover, PaintsEachPixelOfItsRowsOnceInsideTheCanvas) {
    const CoverCase& c = GetParam();
    ASSERT_EQ(wipe_pass_steps(c.pass), c.steps);
    std::vector<int> hits(W * H, 0);
    for (int s = 0; s < c.steps; ++s) {
        const WipePoint p = wipe_pass_pixel(c.pass, s);
        ASSERT_TRUE(p.x >= 0 && p.x < W && p.y >= 0 && p.y < H) << "step " << s;
        ++hits[p.y * W + p.x];
    }
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x)
            ASSERT_EQ(hits[y * W + x], (y % 2 == 0 || c.odd_rows) ? 1 : 0) << "pixel " << x << "," << y;
}

INSTANTIATE_TEST_SUITE_P(EveryPass, PassCover,
                         ::testing::Values(CoverCase{WipePass::A, 450'000, true}, CoverCase{WipePass::B, 450'000, true},
                                           CoverCase{WipePass::C, 450'000, true}, CoverCase{WipePass::D, 450'000, true},
                                           CoverCase{WipePass::E, 225'000, false}));

// ---- The draw of the effect ----

// A runtime whose random numbers are given in advance.
class ScriptedRuntime : public IRuntime {
public:
    explicit ScriptedRuntime(std::vector<double> u) : numbers(u.begin(), u.end()) {}
    std::string program_folder() override { return "/"; }
    std::int64_t file_length(const std::string&) override { return 0; }
    double seconds() override { return 0; }
    double random_unit() override {
        const double u = numbers.front();
        numbers.pop_front();
        return u;
    }
    void seed_random_from_clock() override {}
    void set_current_directory(const std::string&) override {}
    void save_bitmap(const PictureData&, const std::string&) override {}
    [[noreturn]] void end_process(int s) override { throw ProcessEnded{s}; }
    std::deque<double> numbers;
};

struct DrawCase {
    std::vector<double> numbers;
    int effect;
    std::size_t left_over;
};

void PrintTo(const DrawCase& c, std::ostream* os) { *os << "effect " << c.effect; }

class DrawRule : public ::testing::TestWithParam<DrawCase> {};

TEST_P(DrawRule, NineTimesTheNumberAgainWhileZero) {
    const DrawCase& c = GetParam();
    ScriptedRuntime runtime(c.numbers);
    EXPECT_EQ(draw_wipe_effect(runtime), c.effect);
    EXPECT_EQ(runtime.numbers.size(), c.left_over);
}

INSTANTIATE_TEST_SUITE_P(Cases, DrawRule,
                         ::testing::Values(DrawCase{{0.5, 0.9}, 4, 1},            // 4.5 -> 4
                                           DrawCase{{0.0, 0.05, 0.3}, 2, 0},      // 0, 0, then 2.7
                                           DrawCase{{0.1111, 0.1112}, 1, 0},      // 0.9999 is 0; 1.0008 is 1
                                           DrawCase{{0.8888, 0.9}, 7, 1},         // 7.9992
                                           DrawCase{{0.99999999}, 8, 0}));

TEST(DrawFrequency, AllEightAboutEquallyOftenAndNeverAnother) {
    HeadlessRuntime runtime;
    runtime.seed_random_from_clock();
    constexpr int kDraws = 72'000;
    std::map<int, int> seen;
    for (int i = 0; i < kDraws; ++i) ++seen[draw_wipe_effect(runtime)];
    ASSERT_EQ(seen.size(), 8u);
    for (const auto& [effect, n] : seen) {
        EXPECT_GE(effect, 1);
        EXPECT_LE(effect, 8);
        // 9,000 expected; the standard deviation is about 89.
        EXPECT_NEAR(n, kDraws / 8, 450) << "effect " << effect;
    }
}

// ---- The wipe as the child sees it ----

constexpr Colour kMark = rgb(1, 2, 3);  // a colour no wipe paints

// Fills the canvas image with kMark, so that every white pixel during a wipe
// is one the wipe painted.
void mark_canvas(App& app) {
    auto& px = app.f().Slika.image().pixels;
    std::fill(px.begin(), px.end(), kMark);
}

// Watches one wipe through its presented frames. A pass is recognised from
// its first frame by four probes on odd rows (which pass E never paints) and
// row 0; at 120 frames a second or fewer, a frame paints at least a whole row
// and a whole column, which is all the probes need.
struct WipeWatcher {
    App& app;
    std::string passes;                  // e.g. "EB"
    std::vector<int> frames;             // per pass
    std::vector<double> started;         // clock at each pass's first frame
    double wipe_start = 0;
    bool image_untouched = true;
    bool direct_mode = true;
    bool events_waited = false;
    Colour colour_during = 0;
    int last_frame_not_white = -1;

    explicit WipeWatcher(App& a) : app(a) {
        wipe_start = app.hp.runtime.clock;
        colour_during = app.f().CurrentColor;
        app.hp.host.on_present = [this] { frame(); };
    }
    ~WipeWatcher() { app.hp.host.on_present = nullptr; }

    static bool white(const PixelBuffer& b, int x, int y) { return b.at(x, y) == kWhite; }

    void frame() {
        Canvas& c = app.f().Slika;
        direct_mode = direct_mode && !c.AutoRedraw();
        image_untouched = image_untouched && c.image().at(0, 0) == kMark && c.image().at(W - 1, H - 1) == kMark &&
                          c.image().at(W / 2, H / 2) == kMark;
        colour_during = app.f().CurrentColor;
        for (const std::string& entry : app.hp.log) events_waited = events_waited || entry == "wait";
        const PixelBuffer& d = c.displayed();
        const bool p1 = white(d, 0, 1), p2 = white(d, W - 1, 1), p3 = white(d, 0, H - 1), p4 = white(d, W - 1, H - 1);
        const bool odd_probe = p1 || p2 || p3 || p4;
        char now = 0;
        if (passes.empty()) {
            if (!odd_probe && white(d, 0, 0) && white(d, W - 1, 0) && white(d, 0, 2)) now = 'E';
        }
        if ((passes.empty() || passes == "E") && odd_probe) {
            if (p1 && p2 && !p3 && !p4) now = 'A';
            else if (p1 && !p2 && p3 && !p4) now = 'B';
            else if (!p1 && p2 && !p3 && p4) now = 'C';
            else if (!p1 && !p2 && p3 && p4) now = 'D';
            else now = '?';
        }
        if (now) {
            passes += now;
            frames.push_back(0);
            started.push_back(app.hp.runtime.clock);
        }
        if (!frames.empty()) ++frames.back();
        last_frame_not_white = static_cast<int>(std::count_if(d.pixels.begin(), d.pixels.end(),
                                                               [](std::uint32_t p) { return p != kWhite; }));
    }

    // The effect that was seen, by the sweep table; 0 for anything else.
    int effect() const {
        static const std::map<std::string, int> kTable = {{"A", 1},  {"B", 2},  {"C", 3},  {"D", 4},
                                                          {"EB", 5}, {"EA", 6}, {"EC", 7}, {"ED", 8}};
        const auto it = kTable.find(passes);
        return it == kTable.end() ? 0 : it->second;
    }
};

std::string two_digits(int n) { return (n < 10 ? "0" : "") + std::to_string(n); }

// The picture file exactly as decoded, as the canvas image would hold it.
std::vector<std::uint32_t> file_image(App& app, const std::string& name) {
    const Picture p = app.decoder.load_uncached(app.folder.file(name));
    std::vector<std::uint32_t> px(p->pixels.size());
    std::transform(p->pixels.begin(), p->pixels.end(), px.begin(), [](std::uint32_t c) { return c & 0xFFFFFF; });
    return px;
}

// Opens the gallery and picks drawing n, as the child does.
void choose_drawing(App& app, int n) {
    app.click_on(ctl::MoreImages);
    app.click_on(ctl::thumbnail(n));
    ASSERT_EQ(app.f().CurrentPicture, n);
    ASSERT_EQ(app.f().GalleryOpen, 0);
}

// Fills the whole canvas image red through a click of the fill tool on a
// white pixel, so that there is colouring to lose.
void colour_something(App& app) {
    const PixelBuffer& img = app.f().Slika.image();
    for (int y = 0; y < H; y += 3)
        for (int x = 0; x < W; x += 3)
            if (img.at(x, y) == kWhite) {
                app.f().FillMode = -1;
                app.f().CurrentColor = rgb(255, 0, 0);
                app.click(30 + x, 29 + y);
                ASSERT_EQ(img.at(x, y), rgb(255, 0, 0));
                return;
            }
    FAIL() << "no white pixel to colour";
}

// The effect the next wipe must draw, from a copy of the headless generator:
// r = int(9 u), again while 0.
int predicted_effect(App& app) {
    std::mt19937 copy = app.hp.runtime.rng;
    int r = 0;
    while (r == 0) r = static_cast<int>(9.0 * std::uniform_real_distribution<double>(0.0, 1.0)(copy));
    return r;
}

TEST(Wipe, EveryEffectOccursEachSweepsAsTabledAtAWatchablePace) {
    App app;
    app.start();
    std::map<int, int> seen;
    for (int i = 0; i < 48; ++i) {
        mark_canvas(app);
        // The first wipe seeds the generator from the clock; from then on
        // the draws follow from it.
        const int expected = i == 0 ? 0 : predicted_effect(app);
        const std::size_t frames_before = static_cast<std::size_t>(app.hp.host.frames_presented);
        double end = 0;
        {
            WipeWatcher watch(app);
            app.click_on(i % 2 ? ctl::Rubber : ctl::Papir);
            end = app.hp.runtime.clock;
            const int effect = watch.effect();
            ASSERT_NE(effect, 0) << "wipe " << i << " swept " << watch.passes;
            if (expected != 0) {
                EXPECT_EQ(effect, expected) << "wipe " << i << " swept " << watch.passes;
            }
            ++seen[effect];
            EXPECT_TRUE(watch.direct_mode) << "wipe " << i;
            EXPECT_TRUE(watch.image_untouched) << "wipe " << i << ": the direct drawing reached the image";
            EXPECT_EQ(watch.last_frame_not_white, 0) << "wipe " << i << " (" << watch.passes << ")";
            // Each pass: 30 frames at least; a full pass 0.5 to 1.0 s, pass E half of that.
            for (std::size_t p = 0; p < watch.passes.size(); ++p) {
                const double until = p + 1 < watch.started.size() ? watch.started[p + 1] : end;
                const double length = until - (p == 0 ? watch.wipe_start : watch.started[p]);
                const double full = watch.passes[p] == 'E' ? 2 * length : length;
                EXPECT_GE(watch.frames[p], 30) << "wipe " << i << " pass " << watch.passes[p];
                EXPECT_GE(full, 0.5) << "wipe " << i << " pass " << watch.passes[p];
                EXPECT_LE(full, 1.0) << "wipe " << i << " pass " << watch.passes[p];
            }
            EXPECT_EQ(static_cast<std::size_t>(app.hp.host.frames_presented) - frames_before,
                      static_cast<std::size_t>(std::accumulate(watch.frames.begin(), watch.frames.end(), 0)));
        }
        EXPECT_TRUE(app.f().Slika.AutoRedraw()) << "the wipe leaves the canvas in its normal mode";
    }
    EXPECT_EQ(seen.size(), 8u);
}

TEST(Wipe, EventsThatArriveDuringItAreHandledAfterwardsInOrder) {
    App app;
    app.start();
    const Colour before = app.f().CurrentColor;
    app.hp.log.clear();
    mark_canvas(app);
    // A child clicks green and then blue while the eraser is wiping.
    const Rect green = app.window().box(ctl::palette(2)).bounds();
    const Rect blue = app.window().box(ctl::palette(10)).bounds();
    for (const Rect& r : {green, blue}) {
        app.hp.host.post({InputEvent::Type::MouseDown, r.x + r.w / 2, r.y + r.h / 2, mouse::kLeft, 0, 0});
        app.hp.host.post({InputEvent::Type::MouseUp, r.x + r.w / 2, r.y + r.h / 2, mouse::kLeft, 0, 0});
    }
    {
        WipeWatcher watch(app);
        app.f().Rubber_Click();
        EXPECT_NE(watch.effect(), 0);
        EXPECT_EQ(watch.colour_during, before) << "a click was handled during the wipe";
        EXPECT_FALSE(watch.events_waited) << "the wipe let the event loop run";
    }
    EXPECT_EQ(app.f().CurrentColor, before);
    app.hp.host.run_pending();
    EXPECT_EQ(app.f().CurrentColor, rgb(0, 0, 255)) << "the later click wins";
    EXPECT_EQ(app.f().ColourSelected[10], 1);
    EXPECT_EQ(app.f().ColourSelected[2], 0);
}

TEST(Rubber, BringsBackTheDrawingExactlyAsTheGalleryLoadsIt) {
    App app;
    app.start();
    choose_drawing(app, 7);
    const std::vector<std::uint32_t> as_chosen = app.f().Slika.image().pixels;
    ASSERT_EQ(as_chosen, file_image(app, "\\PICTURE\\07.GIF"));
    colour_something(app);
    ASSERT_NE(app.f().Slika.image().pixels, as_chosen);

    app.click_on(ctl::Rubber);
    EXPECT_EQ(app.f().Slika.image().pixels, as_chosen);
    EXPECT_TRUE(same_pixels(*app.f().Slika.picture(), *app.decoder.load_uncached(app.folder.file("\\PICTURE\\07.GIF"))));
    EXPECT_EQ(app.f().CurrentPicture, 7);
    EXPECT_EQ(app.screen(30 + 10, 29 + 10), as_chosen[10 * W + 10]);
    // The blank sheet was put in first, then the drawing.
    const auto& loads = app.hp.pictures.loads;
    const auto blank = std::find(loads.rbegin(), loads.rend(), map_asset_path(app.f().AssetRoot + "\\PICTURE\\00.GIF"));
    const auto drawing = std::find(loads.rbegin(), loads.rend(), map_asset_path(app.f().AssetRoot + "\\PICTURE\\07.GIF"));
    ASSERT_NE(blank, loads.rend());
    ASSERT_NE(drawing, loads.rend());
    EXPECT_LT(drawing, blank);
}

TEST(Rubber, EveryDrawingNumberLoadsItsOwnFileAndOtherNumbersLeaveTheBlankSheet) {
    App app;
    app.start();
    const std::vector<std::uint32_t> blank = file_image(app, "\\PICTURE\\00.GIF");
    for (int n : {0, 1, 9, 10, 25, 26, -1}) {
        app.f().CurrentPicture = static_cast<std::int16_t>(n);
        app.f().Rubber_Click();
        const bool drawing = n >= 1 && n <= 25;
        EXPECT_EQ(app.f().Slika.image().pixels,
                  drawing ? file_image(app, "\\PICTURE\\" + two_digits(n) + ".GIF") : blank)
            << "CurrentPicture " << n;
        EXPECT_EQ(app.f().CurrentPicture, n);
    }
}

TEST(Papir, LeavesTheBlankSheetAndKeepsTheDrawingNumberForTheEraser) {
    App app;
    app.start();
    choose_drawing(app, 12);
    colour_something(app);
    const Colour colour = app.f().CurrentColor;
    const std::int16_t fill_mode = app.f().FillMode;

    app.click_on(ctl::Papir);
    EXPECT_EQ(app.f().Slika.image().pixels, file_image(app, "\\PICTURE\\00.GIF"));
    EXPECT_TRUE(same_pixels(*app.f().Slika.picture(), *app.decoder.load_uncached(app.folder.file("\\PICTURE\\00.GIF"))));
    EXPECT_EQ(app.f().CurrentPicture, 12);
    EXPECT_EQ(app.f().CurrentColor, colour);
    EXPECT_EQ(app.f().FillMode, fill_mode);

    app.click_on(ctl::Rubber);
    EXPECT_EQ(app.f().Slika.image().pixels, file_image(app, "\\PICTURE\\12.GIF"));
}

struct SoundCase {
    int button;
    std::int16_t effects_on;
};

void PrintTo(const SoundCase& c, std::ostream* os) {
    *os << (c.button == ctl::Rubber ? "Rubber" : "Papir") << (c.effects_on ? " with effects" : " silent");
}

class WipeSound : public ::testing::TestWithParam<SoundCase> {};

TEST_P(WipeSound, PlaysTheWipeOnceOnlyWithEffectsOn) {
    const SoundCase& c = GetParam();
    App app;
    app.start();
    app.f().SoundEffectsOn = c.effects_on;
    app.hp.sound.played.clear();
    app.click_on(c.button);
    if (c.effects_on) {
        ASSERT_EQ(app.hp.sound.played.size(), 1u);
        EXPECT_EQ(app.hp.sound.played[0], map_asset_path(app.f().AssetRoot + "\\SOUND\\WIPE.WAV"));
    } else {
        EXPECT_TRUE(app.hp.sound.played.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(BothButtons, WipeSound,
                         ::testing::Values(SoundCase{ctl::Rubber, 1}, SoundCase{ctl::Rubber, 0},
                                           SoundCase{ctl::Papir, 1}, SoundCase{ctl::Papir, 0}));

TEST(Papir, AnUnreadableBlankSheetKeepsTheColouringOnShowAndTheProgramGoesOn) {
    App app;
    app.start();
    colour_something(app);
    const std::vector<std::uint32_t> coloured = app.f().Slika.image().pixels;
    write_file(app.folder.file("\\PICTURE\\00.GIF"), "not a picture");

    EXPECT_NO_THROW(app.click_on(ctl::Papir));
    EXPECT_TRUE(app.f().Slika.AutoRedraw());
    EXPECT_EQ(app.f().Slika.image().pixels, coloured);
    for (int y = 0; y < H; y += 97)
        for (int x = 0; x < W; x += 89) ASSERT_EQ(app.screen(30 + x, 29 + y), coloured[y * W + x]) << x << "," << y;
    // And the next click is handled as ever.
    app.click_on(ctl::palette(10));
    EXPECT_EQ(app.f().CurrentColor, rgb(0, 0, 255));
}

TEST(Rubber, AnUnreadableDrawingLeavesTheBlankSheet) {
    App app;
    app.start();
    choose_drawing(app, 3);
    colour_something(app);
    write_file(app.folder.file("\\PICTURE\\03.GIF"), "not a picture");
    EXPECT_NO_THROW(app.click_on(ctl::Rubber));
    EXPECT_TRUE(app.f().Slika.AutoRedraw());
    EXPECT_EQ(app.f().Slika.image().pixels, file_image(app, "\\PICTURE\\00.GIF"));
    EXPECT_EQ(app.f().CurrentPicture, 3);
}

}  // namespace
