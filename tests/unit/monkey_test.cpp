// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The monkey storm: a seeded random stream of mouse and key input over the
// whole window, the way a small child uses it (moves, presses of every button
// and several at once, drags off the canvas and off the window, held keys,
// the Ctrl shortcuts, panels over panels, clicks on every control, input
// during the print notice's wait, time passing for the music timer). After
// every event the program's invariants must hold. Da ends the program: that
// is an allowed end, and the storm goes on with a freshly started program.
//
// A failure names the seed and the event; RD_MONKEY_SEED=<seed> replays one
// seed, RD_MONKEY_EVENTS=<n> sets its length.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstdio>
#include <deque>
#include <memory>
#include <random>
#include <span>
#include <sstream>
#include <string>
#include <vector>

#include "colouring/brush.h"
#include "platform/errors.h"
#include "shell/keyboard_filter.h"
#include "tests/support/app_fixture.h"

namespace {

constexpr int kCanvasLeft = 30, kCanvasTop = 29, kCanvasW = 750, kCanvasH = 600;
constexpr int kKeyP = 80, kKeyX = 88, kKeyR = 82;

// The colouring-screen controls that freezing disables (Papir is hidden instead).
constexpr std::array<int, 19> kColouringDisabledByFreeze = {
    ctl::Slika, ctl::MoreImages, ctl::MuteWave, ctl::MusicOn, ctl::Rubber, ctl::kapljica, ctl::olovka,
    ctl::palette(1), ctl::palette(2), ctl::palette(3), ctl::palette(4), ctl::palette(5), ctl::palette(6),
    ctl::palette(7), ctl::palette(8), ctl::palette(9), ctl::palette(10), ctl::palette(11), ctl::palette(12)};
constexpr std::array<int, 3> kExitPanel = {ctl::Izlaz, ctl::Da, ctl::Ne};
constexpr std::array<int, 4> kInfoPanel = {ctl::Registered, ctl::visit_site, ctl::Firma, ctl::Zatvori};

// A drawing as its file holds it, with its outline (the pixels of value 0)
// listed row by row.
struct Drawing {
    Picture picture;
    std::vector<std::vector<int>> outline;  // per row, the x of each black pixel
};

Drawing outline_of(const PixelBuffer& image) {
    Drawing d;
    d.outline.resize(kCanvasH);
    for (int y = 0; y < std::min(image.height, kCanvasH); ++y)
        for (int x = 0; x < std::min(image.width, kCanvasW); ++x)
            if ((image.at(x, y) & 0xFFFFFF) == 0) d.outline[static_cast<std::size_t>(y)].push_back(x);
    return d;
}

// Drawings 1..25 and the blank sheet (index 0), decoded once from the asset files.
const std::array<Drawing, 26>& drawings() {
    static const std::array<Drawing, 26> all = [] {
        std::array<Drawing, 26> out;
        SdlPictures decoder;
        for (int n = 0; n <= 25; ++n) {
            char name[32];
            std::snprintf(name, sizeof name, "%02d.GIF", n);
            const Picture p = decoder.load_uncached(std::string(RD_SOURCE_DIR) + "/assets/PICTURE/" + name);
            PixelBuffer b(p->width, p->height, 0);
            for (std::size_t i = 0; i < b.pixels.size(); ++i) b.pixels[i] = p->pixels[i] & 0xFFFFFF;
            out[static_cast<std::size_t>(n)] = outline_of(b);
            out[static_cast<std::size_t>(n)].picture = p;
        }
        return out;
    }();
    return all;
}

bool same_image(const Picture& shown, const Picture& file) {
    if (!shown || !file || shown->width != file->width || shown->height != file->height) return false;
    for (std::size_t i = 0; i < shown->pixels.size(); ++i)
        if ((shown->pixels[i] & 0xFFFFFF) != (file->pixels[i] & 0xFFFFFF)) return false;
    return true;
}

struct InvariantBroken {
    std::string what;
};

class Storm;

// Sits between the window and the program: sees every handler call, nested
// ones (during a wait) included, to follow the brush and the drawing.
class Observer : public IEventSink {
public:
    Observer(Storm& storm, FormaMain& form) : storm_(storm), form_(form) {}
    void dispatch(int control, const ControlEvent& e) override;

private:
    Storm& storm_;
    FormaMain& form_;
};

class Storm {
public:
    explicit Storm(std::uint64_t seed) : seed_(seed), rng_(seed) { restart(); }

    void run(long events) {
        while (events_ < events) {
            step();
            check_invariants();
            // The outline is checked whenever the canvas image may have been
            // painted, and every so often anyway.
            ++steps_;
            if (canvas_touched_ || steps_ % 64 == 0) check_whole_outline();
            canvas_touched_ = false;
            if (steps_ % 2048 == 0) forget_records();
        }
    }

    long events() const { return events_; }
    int ends() const { return ends_; }
    int wipes() const { return wipes_; }
    int prints() const { return prints_; }
    int picks() const { return picks_; }
    int brush_segments() const { return brush_segments_; }
    int fills() const { return fills_; }
    std::string recent() const {
        std::ostringstream s;
        for (const std::string& e : recent_) s << "  " << e << "\n";
        return s.str();
    }

    // ---- Called by the observer around every handler call ----
    void before(int control, const ControlEvent& e, FormaMain& f) {
        // A change between two handler calls comes from the handler around
        // them: the print's capture, which keeps the drawing and its colouring.
        note_picture(f.Slika.picture(), -1);
        if (control == ctl::Slika) canvas_touched_ = true;
        if (control == ctl::Slika && e.kind == EventKind::MouseDown) {
            anchor_x_ = static_cast<int>(e.x);
            anchor_y_ = static_cast<int>(e.y);
            if (e.button == mouse::kLeft && f.FillMode != 0) ++fills_;
        }
        if (control == ctl::Slika && e.kind == EventKind::MouseMove && e.button == mouse::kLeft && f.FillMode == 0) {
            const int x = static_cast<int>(e.x), y = static_cast<int>(e.y);
            draw_brush_line(brushed_, anchor_x_, anchor_y_, x, y, 1);
            anchor_x_ = x;
            anchor_y_ = y;
            ++brush_segments_;
        }
    }
    void after(int control, const ControlEvent& e, FormaMain& f) {
        if (control == ctl::Slika && (e.kind == EventKind::MouseDown ||
                                      (e.kind == EventKind::MouseMove && e.button == mouse::kLeft && f.FillMode == 0))) {
            if (f.LastX != anchor_x_ || f.LastY != anchor_y_)
                broken("LastX, LastY do not follow the canvas press and the brush");
        }
        int expected = -1;  // keep the drawing
        if (e.kind == EventKind::Click) {
            if (control == ctl::Papir) expected = 0;
            if (control == ctl::Rubber || (control >= ctl::thumbnail(1) && control <= ctl::thumbnail(25)))
                expected = f.CurrentPicture;
            if (control == ctl::Papir || control == ctl::Rubber) ++wipes_;
            if (control >= ctl::thumbnail(1) && control <= ctl::thumbnail(25)) ++picks_;
        }
        note_picture(f.Slika.picture(), expected);
    }

private:
    // ---- The program and its observation ----
    void restart() {
        app_.reset();
        app_ = std::make_unique<App>();
        app_->start();
        observer_ = std::make_unique<Observer>(*this, app_->f());
        app_->window().set_sink(observer_.get());
        if (!app_->hp.keyboard.filter) broken("start-up installed no key filter");
        shown_picture_ = app_->f().Slika.picture();
        const Drawing first = outline_of(app_->f().Slika.image());
        start_outline_ = first.outline;
        outline_ = &start_outline_;
        brushed_ = PixelBuffer(kCanvasW, kCanvasH, 0);
        held_ = 0;
    }

    // Follows the canvas picture. expected: -1 keeps the drawing (a capture
    // of what is shown), 0 the blank sheet, 1..25 that drawing.
    void note_picture(const Picture& p, int expected) {
        if (p == shown_picture_) return;
        shown_picture_ = p;
        canvas_touched_ = true;
        if (expected < 0) return;
        if (expected > 25) broken("CurrentPicture is out of range");
        const Drawing& d = drawings()[static_cast<std::size_t>(expected)];
        if (!same_image(p, d.picture))
            broken(expected == 0 ? "the blank paper is not \\PICTURE\\00.GIF"
                                 : "the canvas does not show the drawing of CurrentPicture as its file holds it");
        outline_ = &d.outline;
        std::fill(brushed_.pixels.begin(), brushed_.pixels.end(), 0u);
    }

    [[noreturn]] void broken(const std::string& what) { throw InvariantBroken{what}; }

    // ---- Input ----
    int pick(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }
    bool chance(double p) { return std::uniform_real_distribution<double>(0, 1)(rng_) < p; }

    void log(const std::string& e) {
        recent_.push_back(e);
        if (recent_.size() > 24) recent_.pop_front();
    }

    // Posts one event and handles it (and anything it waits for).
    void send(const InputEvent& e) {
        ++events_;
        static const char* const kTypes[] = {"move", "down", "up", "key"};
        std::ostringstream s;
        s << "#" << events_ << " " << kTypes[static_cast<int>(e.type)] << " " << e.x << "," << e.y << " button "
          << e.button << " shift " << e.shift << " key " << e.key;
        log(s.str());
        if (e.type == InputEvent::Type::MouseDown) held_ |= e.button;
        if (e.type == InputEvent::Type::MouseUp) held_ &= ~e.button;
        app_->hp.host.post(e);
        try {
            app_->hp.host.run_pending();
        } catch (const ProcessEnded& end) {
            if (end.status != 0) broken("the program ended with status " + std::to_string(end.status));
            // Da: an allowed end. The storm goes on with a fresh program.
            ++ends_;
            log("(the program ended; a fresh one starts)");
            restart();
        }
    }

    // A key as the platform delivers it: through the installed key filter first.
    void send_key(int vk, int shift) {
        KeyRecord r{};
        r.vk_code = static_cast<std::uint32_t>(vk);
        r.flags = (shift & shiftmask::kAlt) ? keymsg::kAltDownFlag : 0;
        const auto filter = app_->hp.keyboard.filter;
        if (filter && filter(0, (shift & shiftmask::kAlt) ? keymsg::kSysKeyDown : keymsg::kKeyDown, &r) == -1) {
            ++events_;
            log("key " + std::to_string(vk) + " shift " + std::to_string(shift) + " swallowed by the filter");
            return;
        }
        send({InputEvent::Type::KeyDown, 0, 0, 0, shift, vk});
    }

    std::vector<int> receivers() {
        std::vector<int> ids;
        Window& w = app_->window();
        for (int id = 0; id < w.box_count(); ++id)
            if (w.box(id).Visible() && w.box(id).Enabled()) ids.push_back(id);
        return ids;
    }

    std::pair<int, int> point_in(int id) {
        const Rect r = app_->window().box(id).bounds();
        return {pick(r.x, r.x + r.w - 1), pick(r.y, r.y + r.h - 1)};
    }

    std::pair<int, int> anywhere(bool off_window) {
        if (off_window) return {pick(-300, Window::kWidth + 300), pick(-300, Window::kHeight + 300)};
        if (chance(0.5)) {
            const std::vector<int> ids = receivers();
            if (!ids.empty()) {
                const auto p = point_in(ids[static_cast<std::size_t>(pick(0, static_cast<int>(ids.size()) - 1))]);
                // Da ends the program: it is left to click_control, which picks it rarely.
                if (app_->window().hit_test(p.first, p.second) != ctl::Da) return p;
            }
        }
        return {pick(0, Window::kWidth - 1), pick(0, Window::kHeight - 1)};
    }

    int random_button() {
        static constexpr int kButtons[] = {mouse::kLeft, mouse::kLeft, mouse::kLeft, mouse::kRight, mouse::kMiddle};
        return kButtons[pick(0, 4)];
    }

    // A wipe costs hundreds of thousands of pixels: most clicks that would
    // start one go elsewhere, so the storm stays quick and still wipes often.
    bool too_costly(int id) {
        if (id == ctl::Papir || id == ctl::Rubber) return !chance(0.08);
        if (id == ctl::Da) return !chance(0.003);
        return false;
    }

    void click_control() {
        const std::vector<int> ids = receivers();
        if (ids.empty()) return;
        int id = ids[static_cast<std::size_t>(pick(0, static_cast<int>(ids.size()) - 1))];
        if (too_costly(id)) id = ctl::palette(pick(1, 12));
        if (!app_->window().box(id).Visible()) return;
        const auto [x, y] = point_in(id);
        const int b = chance(0.85) ? mouse::kLeft : random_button();
        send({InputEvent::Type::MouseDown, x, y, b, 0, 0});
        if (chance(0.2)) send({InputEvent::Type::MouseMove, x + pick(-3, 3), y + pick(-3, 3), 0, 0, 0});
        send({InputEvent::Type::MouseUp, x, y, b, 0, 0});
    }

    // A stroke: a press on the canvas, a path that may leave the canvas and
    // the window, and a release wherever it ends.
    void drag() {
        int x = kCanvasLeft + pick(0, kCanvasW - 1), y = kCanvasTop + pick(0, kCanvasH - 1);
        if (chance(0.2)) std::tie(x, y) = anywhere(false);
        const int b = chance(0.8) ? mouse::kLeft : random_button();
        send({InputEvent::Type::MouseDown, x, y, b, 0, 0});
        const int n = pick(1, 40);
        const bool wild = chance(0.3);
        for (int i = 0; i < n; ++i) {
            x += wild ? pick(-200, 200) : pick(-25, 25);
            y += wild ? pick(-200, 200) : pick(-25, 25);
            send({InputEvent::Type::MouseMove, x, y, 0, 0, 0});
            if (chance(0.03)) send({InputEvent::Type::MouseDown, x, y, random_button(), 0, 0});
        }
        for (int b2 : {mouse::kLeft, mouse::kRight, mouse::kMiddle})
            if (held_ & b2) send({InputEvent::Type::MouseUp, x, y, b2, 0, 0});
    }

    void keys() {
        static constexpr int kMasks[] = {0, 1, 2, 2, 2, 3, 4, 6, 7};
        static constexpr int kOther[] = {9, 13, 16, 17, 18, 27, 32, 37, 38, 39, 40, 65, 91, 92, 93, 112, 115, 46};
        int vk;
        int shift = kMasks[pick(0, 8)];
        const int which = pick(0, 9);
        if (which < 2) vk = kKeyX;
        else if (which < 4) vk = kKeyR;
        else if (which < 5) vk = kKeyP;
        else vk = kOther[pick(0, 17)];
        if (vk == kKeyP && shift == shiftmask::kCtrl) {
            // Each print writes the picture to disk and waits for it: a few
            // hundred of them in a million events are plenty.
            if (chance(0.12)) {
                print();
                return;
            }
            shift = chance(0.5) ? 0 : shiftmask::kCtrl | shiftmask::kShift;
        }
        // A held key repeats.
        const int repeats = chance(0.15) ? pick(2, 30) : 1;
        for (int i = 0; i < repeats; ++i) send_key(vk, shift);
    }

    // Ctrl+P, with input arriving while the notice waits (held Ctrl+P
    // included) some of the time.
    void print() {
        ++prints_;
        if (chance(0.7)) {
            app_->hp.host.on_wait = [this] {
                const int n = pick(1, 8);
                for (int i = 0; i < n; ++i) {
                    const auto [x, y] = anywhere(false);
                    switch (pick(0, 4)) {
                    case 0: queue({InputEvent::Type::MouseMove, x, y, 0, 0, 0}); break;
                    case 1:
                        queue({InputEvent::Type::MouseDown, x, y, mouse::kLeft, 0, 0});
                        queue({InputEvent::Type::MouseUp, x, y, mouse::kLeft, 0, 0});
                        break;
                    case 2: queue({InputEvent::Type::KeyDown, 0, 0, 0, shiftmask::kCtrl, kKeyP}); break;
                    case 3: queue({InputEvent::Type::KeyDown, 0, 0, 0, shiftmask::kCtrl, pick(0, 1) ? kKeyX : kKeyR}); break;
                    default:
                        queue({InputEvent::Type::MouseDown, x, y, mouse::kRight, 0, 0});
                        queue({InputEvent::Type::MouseUp, x, y, mouse::kRight, 0, 0});
                        break;
                    }
                }
            };
        }
        send_key(kKeyP, shiftmask::kCtrl);
        app_->hp.host.on_wait = nullptr;
    }
    // Input made during a wait. Points over Da, Papir and Rubber (as the
    // window stands when the input is queued) are left out, to keep ends and
    // wipes rare; one that lands on Da all the same ends the program from
    // inside the wait, which is an allowed end too.
    void queue(const InputEvent& e) {
        if (e.type != InputEvent::Type::KeyDown) {
            const int id = app_->window().hit_test(e.x, e.y);
            if (id == ctl::Da || id == ctl::Papir || id == ctl::Rubber) return;
        }
        ++events_;
        log("  (during the wait) " + std::to_string(static_cast<int>(e.type)) + " " + std::to_string(e.x) + "," +
            std::to_string(e.y) + " key " + std::to_string(e.key));
        app_->hp.host.post(e);
    }

    void step() {
        const int r = pick(0, 999);
        if (r < 380) {
            const auto [x, y] = anywhere(held_ != 0 && chance(0.2));
            send({InputEvent::Type::MouseMove, x, y, 0, 0, 0});
        } else if (r < 500) {
            const auto [x, y] = anywhere(false);
            send({InputEvent::Type::MouseDown, x, y, random_button(), 0, 0});
        } else if (r < 620) {
            const auto [x, y] = anywhere(chance(0.1));
            int b = random_button();
            if (held_ && chance(0.8)) b = held_ & -held_;
            send({InputEvent::Type::MouseUp, x, y, b, 0, 0});
        } else if (r < 800) {
            click_control();
        } else if (r < 870) {
            drag();
        } else if (r < 985) {
            keys();
        } else {
            // Time passes (the music's repeat timer ticks).
            log("time passes");
            app_->hp.host.advance(pick(1, 3000) / 1000.0);
        }
    }

    // ---- Invariants ----
    void check_invariants() {
        FormaMain& f = app_->f();
        Window& w = app_->window();
        const bool colouring = f.Slika.Visible();
        for (int id : kColouringDisabledByFreeze)
            if (w.box(id).Visible() != colouring) broken("the colouring screen is partly shown");
        if (f.Papir.Visible() && !colouring) broken("Papir is shown without the colouring screen");
        const bool gallery = f.Back.Visible();
        for (int n = 1; n <= 25; ++n)
            if (f.Galerija(n).Visible() != gallery) broken("the gallery is partly shown");
        if (colouring == gallery) broken(colouring ? "both screens are shown" : "no screen is shown");
        if (f.GalleryOpen != (gallery ? 1 : 0)) broken("GalleryOpen does not name the screen shown");

        const bool enabled = f.Slika.Enabled();
        for (int id : kColouringDisabledByFreeze)
            if (w.box(id).Enabled() != enabled) broken("the colouring screen is partly frozen");
        const bool thumbnails_enabled = f.Galerija(1).Enabled();
        for (int n = 2; n <= 25; ++n)
            if (f.Galerija(n).Enabled() != thumbnails_enabled) broken("the gallery is partly frozen");
        bool any_panel = false;
        auto check_panel = [&](std::span<const int> panel) {
            const bool shown = w.box(panel[0]).Visible();
            any_panel |= shown;
            for (int id : panel)
                if (w.box(id).Visible() != shown) broken("a panel is partly shown");
        };
        check_panel(kExitPanel);
        check_panel(kInfoPanel);
        if (!any_panel && !enabled) broken("the colouring screen stays frozen with no panel open");
        if (f.PrintPict.Visible()) broken("the printing notice stays up after the print");

        int selected = 0;
        for (int nn = 1; nn <= 12; ++nn) {
            const int flag = f.ColourSelected[static_cast<std::size_t>(nn)];
            if (flag != 0 && flag != 1) broken("a ColourSelected flag is neither 0 nor 1");
            selected += flag;
        }
        if (selected > 1) broken("more than one palette flag is set");
        if (f.LitThumbnail < 0 || f.LitThumbnail > 25) broken("LitThumbnail is out of 0..25");
        if (f.CurrentPicture < 1 || f.CurrentPicture > 25) broken("CurrentPicture is out of 1..25");
        if (f.FillMode != 0 && f.FillMode != -1) broken("FillMode is neither true nor false");
        if ((f.MusicOff != 0 && f.MusicOff != 1) || (f.SoundEffectsOn != 0 && f.SoundEffectsOn != 1))
            broken("a switch flag is neither 0 nor 1");
        if (!f.Slika.AutoRedraw()) broken("the canvas was left in direct drawing");
        if (f.printing_in_progress) broken("a print is still marked as running");
    }

    // Every black pixel of the current drawing is still black, unless the
    // brush went over it.
    void check_whole_outline() {
        const PixelBuffer& image = app_->f().Slika.image();
        for (int y = 0; y < kCanvasH; ++y) {
            for (int x : (*outline_)[static_cast<std::size_t>(y)]) {
                if (image.at(x, y) != 0 && brushed_.at(x, y) == 0)
                    broken("outline pixel (" + std::to_string(x) + ", " + std::to_string(y) + ") of the drawing is now " +
                           std::to_string(image.at(x, y)) + " without the brush");
            }
        }
    }

    // The recording back-end keeps every call; a million events would fill memory.
    void forget_records() {
        HeadlessPlatform& hp = app_->hp;
        hp.pictures.loads.clear();
        hp.sound.played.clear();
        hp.music.requests.clear();
        hp.shell.urls.clear();
        hp.shell.started.clear();
        hp.printer.printed.clear();
        hp.printer.colour.clear();
        hp.runtime.lengths_read.clear();
        hp.log.clear();
    }

    std::uint64_t seed_;
    std::mt19937_64 rng_;
    std::unique_ptr<App> app_;
    std::unique_ptr<Observer> observer_;
    long events_ = 0;
    long steps_ = 0;
    int ends_ = 0, wipes_ = 0, prints_ = 0, picks_ = 0, brush_segments_ = 0, fills_ = 0;
    int held_ = 0;
    bool canvas_touched_ = false;
    int anchor_x_ = 0, anchor_y_ = 0;
    Picture shown_picture_;
    std::vector<std::vector<int>> start_outline_;
    const std::vector<std::vector<int>>* outline_ = nullptr;
    PixelBuffer brushed_;  // 1 where the brush has painted since the drawing was put in
    std::deque<std::string> recent_;
};

void Observer::dispatch(int control, const ControlEvent& e) {
    storm_.before(control, e, form_);
    form_.dispatch(control, e);
    storm_.after(control, e, form_);
}

long env_number(const char* name, long fallback) {
    const char* v = std::getenv(name);
    return v && *v ? std::strtol(v, nullptr, 10) : fallback;
}

// Four seeds of a quarter of a million events: a million in all. Under the
// sanitizers every event costs several times as much, and a fifth of that
// storm still shakes every handler; the plain build runs the full million.
#if defined(__SANITIZE_ADDRESS__)
constexpr long kEventsPerSeed = 50'000;
#else
constexpr long kEventsPerSeed = 250'000;
#endif

class MonkeyStorm : public ::testing::TestWithParam<std::uint64_t> {};

TEST_P(MonkeyStorm, KeepsEveryInvariantAfterEveryEvent) {
    const std::uint64_t seed = static_cast<std::uint64_t>(env_number("RD_MONKEY_SEED", static_cast<long>(GetParam())));
    const long events = env_number("RD_MONKEY_EVENTS", kEventsPerSeed);
    Storm storm(seed);
    try {
        storm.run(events);
    } catch (const InvariantBroken& b) {
        FAIL() << "seed " << seed << ", after event " << storm.events() << ": " << b.what << "\nlast events:\n"
               << storm.recent() << "replay with RD_MONKEY_SEED=" << seed;
    } catch (const std::exception& e) {
        FAIL() << "seed " << seed << ", after event " << storm.events() << ": a failure escaped a handler: "
               << e.what() << "\nlast events:\n" << storm.recent() << "replay with RD_MONKEY_SEED=" << seed;
    }
    RecordProperty("events", static_cast<int>(storm.events()));
    std::printf("seed %llu: %ld events, %d ends by Da, %d wipes, %d prints, %d gallery picks, %d fills, %d brush "
                "segments\n",
                static_cast<unsigned long long>(seed), storm.events(), storm.ends(), storm.wipes(), storm.prints(),
                storm.picks(), storm.fills(), storm.brush_segments());
    EXPECT_GE(storm.events(), events);
    // A full storm reaches what it is meant to shake. (A short one, as in the
    // sanitizer pass or a replay, may by chance miss the rarer of these.)
    if (events < 100'000) return;
    EXPECT_GT(storm.ends(), 0);
    EXPECT_GT(storm.wipes(), 0);
    EXPECT_GT(storm.picks(), 0);
    EXPECT_GT(storm.prints(), 0);
    EXPECT_GT(storm.fills(), 0);
    EXPECT_GT(storm.brush_segments(), 0);
}

INSTANTIATE_TEST_SUITE_P(Seeds, MonkeyStorm, ::testing::Values(20240601u, 7u, 1234567u, 99991u),
                         [](const auto& info) { return "seed_" + std::to_string(info.param); });

}  // namespace
