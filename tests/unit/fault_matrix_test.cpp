// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// Broken, missing and odd asset files, one table: every family of files
// against every way a disk can spoil a file. For each row the handler that
// reads the file runs with the file spoiled and must stop where its trap
// puts it, keeping what it did; then the file comes back, the same event
// works, and a palette click still answers. The checked pictures also go
// through the start-up length check. Then the environment's faults: no
// printer, no folder to save in, a full disk, no display mode, no companion,
// and program folders with unusual names.
//
// Which outcome a spoiled file must give is not guessed: the real decoder is
// asked whether the file as it now lies on disk can be used at all (a JPEG
// cut in half still decodes; a file of mode 000 is readable for root).
#include <gtest/gtest.h>

#include <SDL_mixer.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <span>
#include <random>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

#include "colouring/palette_table.h"
#include "platform/errors.h"
#include "platform/file_system.h"
#include "platform/midi_check.h"
#include "platform/sdl/sdl_audio.h"
#include "screens/thumbnail_table.h"
#include "shell/asset_check_table.h"
#include "tests/support/app_fixture.h"
#include "tests/support/folder_faults.h"
#include "tests/support/test_system.h"

namespace fs = std::filesystem;

namespace {

constexpr int kKeyP = 80;
constexpr int kCanvasLeft = 30, kCanvasTop = 29;  // Slika's place in the window
constexpr int kCanvasW = 750, kCanvasH = 600;
const Colour kOrange = rgb(255, 102, 0);
const Colour kGreen = rgb(52, 204, 103);
const Colour kBlack = rgb(30, 30, 30);

// ---- The ways a file is spoiled ----

enum class Fault { Missing, Truncated, Garbage, Scrambled, Directory, Unreadable };

const char* fault_name(Fault f) {
    switch (f) {
        case Fault::Missing: return "Missing";
        case Fault::Truncated: return "Truncated";
        case Fault::Garbage: return "Garbage";
        case Fault::Scrambled: return "Scrambled";
        case Fault::Directory: return "Directory";
        case Fault::Unreadable: return "Unreadable";
    }
    return "?";
}

// Past a GIF's screen, colour table and image headers and into its codes; a
// WAV's whole header; a MIDI file's header and its first track's.
constexpr std::size_t kScrambledHeaderBytes = 48;

void spoil(Fault fault, const std::string& path, const std::string& good) {
    switch (fault) {
        case Fault::Missing:
            fs::remove(path);
            break;
        case Fault::Truncated:
            write_file(path, good.substr(0, good.size() / 2));
            break;
        case Fault::Garbage: {
            std::mt19937 gen(20240601);
            std::string bytes(good.size(), '\0');
            for (char& c : bytes) c = static_cast<char>(gen() & 0xFF);
            write_file(path, bytes);
            break;
        }
        case Fault::Scrambled: {
            // As a bad sector leaves a file: its header whole, the data after
            // it random, the length unchanged (so the start-up check passes).
            std::mt19937 gen(20240602);
            std::string bytes = good;
            for (std::size_t i = kScrambledHeaderBytes; i < bytes.size(); ++i) bytes[i] = static_cast<char>(gen() & 0xFF);
            write_file(path, bytes);
            break;
        }
        case Fault::Directory:
            fs::remove(path);
            fs::create_directory(path);
            write_file(path + "/inside", "a folder where a file should be");
            break;
        case Fault::Unreadable:
            make_unreadable(path);
            break;
    }
}

void mend(const std::string& path, const std::string& good) {
    if (fs::is_directory(path)) fs::remove_all(path);
    if (fs::exists(path)) make_readable(path);
    write_file(path, good);
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                              fs::perms::others_read);
    ASSERT_EQ(read_file(path), good);
}

const AssetCheckEntry* checked_entry(const std::string& classic) {
    for (const AssetCheckEntry& e : AssetCheckTable)
        if (classic == e.name) return &e;
    return nullptr;
}

// The colouring screen, whatever screen the last step left.
void to_colouring_screen(App& app) {
    if (app.window().box(ctl::Back).Visible()) app.click_on(ctl::Back);
    ASSERT_TRUE(app.window().box(ctl::Slika).Visible());
}

// A canvas point, in canvas coordinates, that is white paper.
std::pair<int, int> white_paper(App& app) {
    const PixelBuffer& img = app.f().Slika.image();
    for (int y = 20; y < kCanvasH; y += 7)
        for (int x = 20; x < kCanvasW; x += 7)
            if ((img.at(x, y) & 0xFFFFFF) == kWhite) return {x, y};
    ADD_FAILURE() << "no white paper left on the canvas";
    return {0, 0};
}

// Fills the white area at a point with the current colour.
std::pair<int, int> fill_white_paper(App& app) {
    const auto [x, y] = white_paper(app);
    app.click(kCanvasLeft + x, kCanvasTop + y);
    EXPECT_EQ(app.f().Slika.image().at(x, y) & 0xFFFFFF, app.f().CurrentColor) << "the fill did not colour";
    return {x, y};
}

// The program still answers: a palette click chooses its colour.
void expect_responsive(App& app) {
    EXPECT_FALSE(app.hp.runtime.ended) << "the program ended";
    to_colouring_screen(app);
    app.click_on(ctl::palette(11));
    EXPECT_EQ(app.f().CurrentColor, kBlack) << "a palette click after the fault was not handled";
    EXPECT_EQ(app.f().ColourSelected[11], 1);
}

// ---- The program on the headless back-end, optionally heard through the real mixer ----

// SDL's audio on the dummy driver: the mixer runs and reports what plays.
struct DummyAudio {
    DummyAudio() {
        set_environment("SDL_AUDIODRIVER", "dummy");
        open = open_sdl_audio();
    }
    ~DummyAudio() {
        close_sdl_audio();
        clear_environment("SDL_AUDIODRIVER");
    }
    bool open = false;
};

// The real effect player, noting after each request whether anything is heard.
struct WatchedSound : ISoundPlayer {
    void play_async(const std::string& path) override {
        real.play_async(path);
        requests.push_back(path);
        audible.push_back(Mix_Playing(-1) != 0);
    }
    SdlSound real;
    std::vector<std::string> requests;
    std::vector<bool> audible;
};

// What the window looked like just before the handler ran.
struct Snapshot {
    std::vector<Picture> pictures;
    Picture background;
    Cursor slika_cursor;
    PixelBuffer slika_image;
};

class Rig {
public:
    explicit Rig(bool real_audio) {
        if (real_audio) {
            audio.emplace();
            platform.emplace(Platform{app.hp.pictures, app.hp.display, app.hp.keyboard, sound, music, app.hp.shell,
                                      app.hp.printer, app.hp.runtime, app.hp.host});
            app.form = std::make_unique<FormaMain>(*platform);
            app.hp.host.attach(&app.form->window());
        }
    }
    ~Rig() { app.form.reset(); }  // the form refers into the players below

    FormaMain& f() { return app.f(); }
    PictureBox& box(int id) { return app.window().box(id); }
    std::string path(const std::string& classic) { return app.folder.file(classic); }

    // The file as it lies on disk now, decoded afresh.
    Picture decoded(const std::string& classic) {
        try {
            return oracle.load_uncached(path(classic));
        } catch (const std::exception&) {
            return nullptr;
        }
    }
    bool shows(int id, const std::string& classic) {
        const Picture& p = box(id).picture();
        const Picture file = decoded(classic);
        return p && file && same_pixels(*p, *file);
    }
    bool background_is(const std::string& classic) {
        const Picture& p = app.window().background();
        const Picture file = decoded(classic);
        return p && file && same_pixels(*p, *file);
    }
    bool canvas_is(const std::string& classic) {
        const Picture file = decoded(classic);
        const PixelBuffer& img = f().Slika.image();
        if (!file || img.width != file->width || img.height != file->height) return false;
        for (std::size_t i = 0; i < img.pixels.size(); ++i)
            if ((img.pixels[i] & 0xFFFFFF) != (file->pixels[i] & 0xFFFFFF)) return false;
        return true;
    }
    bool unchanged(int id) { return box(id).picture() == before.pictures.at(static_cast<std::size_t>(id)); }
    bool canvas_unchanged() { return f().Slika.image().pixels == before.slika_image.pixels; }

    void snapshot() {
        before.pictures.clear();
        for (int id = 0; id < ctl::BoxCount; ++id) before.pictures.push_back(box(id).picture());
        before.background = app.window().background();
        before.slika_cursor = f().Slika.cursor();
        before.slika_image = f().Slika.image();
        app.hp.pictures.loads.clear();
        sound.requests.clear();
        sound.audible.clear();
    }
    const std::vector<std::string>& loads() { return app.hp.pictures.loads; }
    bool last_load_was(const std::string& classic) { return !loads().empty() && loads().back() == path(classic); }

    void to_colouring() { to_colouring_screen(app); }
    std::pair<int, int> white_point() { return white_paper(app); }
    std::pair<int, int> fill_somewhere() { return fill_white_paper(app); }
    // A window point over no control at all.
    std::pair<int, int> bare_point() {
        for (int y = 2; y < Window::kHeight; y += 6)
            for (int x = 2; x < Window::kWidth; x += 6)
                if (app.window().hit_test(x, y) == kWindowId) return {x, y};
        ADD_FAILURE() << "every point of the window lies over a control";
        return {0, 0};
    }

    std::optional<DummyAudio> audio;
    App app;
    WatchedSound sound;
    SdlMusic music;
    std::optional<Platform> platform;
    SdlPictures oracle;
    Snapshot before;
    std::pair<int, int> point{0, 0};
};

// ---- The families ----

using Step = std::function<void(Rig&)>;

struct Family {
    const char* name;
    const char* file;    // the representative file, as the program names it
    bool real_audio;     // sounds and music: the real mixer decides what is heard
    Step prepare;        // the state before the event; run again before the retry
    Step act;            // the event that reads the file
    Step when_broken;    // what must hold when the file cannot be used
    Step when_usable;    // what must hold when it can
};

bool file_usable(Rig& r, const Family& fam) {
    const std::string path = r.path(fam.file);
    const std::string f = fam.file;
    if (f.rfind("\\SOUND\\", 0) == 0) {
        if (!fs::is_regular_file(path) || !file_is_readable(path)) return false;
        // The program hands the mixer nothing but a RIFF WAVE file: its other
        // decoders take noise for a sound (and on Windows keep the file open).
        const std::string bytes = read_file(path);
        if (bytes.size() < 12 || bytes.compare(0, 4, "RIFF") != 0 || bytes.compare(8, 4, "WAVE") != 0) return false;
        Mix_Chunk* c = Mix_LoadWAV_RW(SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size())), 1);
        if (c) Mix_FreeChunk(c);
        return c != nullptr;
    }
    if (f.rfind("\\MUSIC\\", 0) == 0) {
        if (!fs::is_regular_file(path) || !file_is_readable(path)) return false;
        // The synthesiser would take anything, and on Windows hang on noise:
        // the program refuses any tune that is not a whole MIDI file.
        const std::string bytes = read_file(path);
        if (!midi_is_well_formed(std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size())))
            return false;
        Mix_Music* m = Mix_LoadMUS(path.c_str());
        if (m) Mix_FreeMusic(m);
        return m != nullptr;
    }
    return r.decoded(fam.file) != nullptr;
}

std::string white_thumbnail(int n) { return thumbnail_table()[n].white; }
std::string yellow_thumbnail(int n) { return thumbnail_table()[n].yellow; }

void open_gallery(Rig& r) {
    r.to_colouring();
    r.app.click_on(ctl::MoreImages);
    ASSERT_EQ(r.f().GalleryOpen, 1);
}

void expect_colouring_screen(Rig& r) {
    EXPECT_EQ(r.f().GalleryOpen, 0);
    EXPECT_TRUE(r.box(ctl::Slika).Visible());
    EXPECT_TRUE(r.box(ctl::palette(1)).Visible());
    EXPECT_FALSE(r.box(ctl::Back).Visible());
    for (int n = 1; n <= ctl::kThumbnailCount; ++n) EXPECT_FALSE(r.box(ctl::thumbnail(n)).Visible()) << n;
}

void expect_gallery_screen(Rig& r) {
    EXPECT_EQ(r.f().GalleryOpen, 1);
    EXPECT_FALSE(r.box(ctl::Slika).Visible());
    EXPECT_TRUE(r.box(ctl::Back).Visible());
    for (int n = 1; n <= ctl::kThumbnailCount; ++n) EXPECT_TRUE(r.box(ctl::thumbnail(n)).Visible()) << n;
}

// A brush stroke on the canvas paints: the tool switch went through.
void expect_brush_paints(Rig& r) {
    const int x = 100, y = 300;
    r.app.press(kCanvasLeft + x, kCanvasTop + y);
    r.app.move(kCanvasLeft + x + 40, kCanvasTop + y);
    r.app.release(kCanvasLeft + x + 40, kCanvasTop + y);
    EXPECT_EQ(r.f().Slika.image().at(x + 20, y) & 0xFFFFFF, r.f().CurrentColor) << "the brush did not paint";
}

// Two-image buttons: hovering `lit` loads `file` first; `other` was lit
// before and is set back only after that.
Family rollover_family(const char* name, const char* file, int lit, const char* other_lit_image,
                       const char* other_normal_image) {
    return {name, file, false,
            [](Rig& r) {
                r.to_colouring();
                r.app.hover(ctl::Papir);
            },
            [lit](Rig& r) { r.app.hover(lit); },
            [lit, file, other_lit_image](Rig& r) {
                EXPECT_TRUE(r.last_load_was(file)) << "the handler went on past the broken image";
                EXPECT_TRUE(r.unchanged(lit));
                EXPECT_TRUE(r.shows(ctl::Papir, other_lit_image)) << "a later step of the handler ran";
            },
            [lit, file, other_normal_image](Rig& r) {
                EXPECT_TRUE(r.shows(lit, file));
                EXPECT_TRUE(r.shows(ctl::Papir, other_normal_image));
            }};
}

std::vector<Family> families() {
    std::vector<Family> t;

    // Drawings: a thumbnail click keeps the gallery open and the drawing as it was.
    t.push_back({"DrawingFromThumbnail", "\\PICTURE\\07.GIF", false, open_gallery,
                 [](Rig& r) { r.app.click_on(ctl::thumbnail(7)); },
                 [](Rig& r) {
                     EXPECT_TRUE(r.last_load_was("\\PICTURE\\07.GIF"));
                     EXPECT_TRUE(r.unchanged(ctl::Slika));
                     EXPECT_TRUE(r.canvas_unchanged());
                     EXPECT_EQ(r.f().CurrentPicture, 1);
                     expect_gallery_screen(r);
                 },
                 [](Rig& r) {
                     EXPECT_TRUE(r.canvas_is("\\PICTURE\\07.GIF"));
                     EXPECT_EQ(r.f().CurrentPicture, 7);
                     expect_colouring_screen(r);
                 }});
    // Drawings: the eraser wipes to blank paper, then cannot bring the drawing back.
    t.push_back({"DrawingFromEraser", "\\PICTURE\\01.GIF", false,
                 [](Rig& r) {
                     r.to_colouring();
                     r.fill_somewhere();
                 },
                 [](Rig& r) { r.app.click_on(ctl::Rubber); },
                 [](Rig& r) {
                     EXPECT_TRUE(r.last_load_was("\\PICTURE\\01.GIF"));
                     EXPECT_TRUE(r.canvas_is("\\PICTURE\\00.GIF")) << "the wipe's blank paper stays";
                     EXPECT_TRUE(r.f().Slika.AutoRedraw());
                     EXPECT_EQ(r.f().CurrentPicture, 1);
                 },
                 [](Rig& r) { EXPECT_TRUE(r.canvas_is("\\PICTURE\\01.GIF")); }});
    // Blank paper: after the wipe the canvas shows its own image again.
    for (const auto& [name, button] : {std::pair{"BlankPaperFromPapir", ctl::Papir},
                                       std::pair{"BlankPaperFromEraser", ctl::Rubber}}) {
        const int b = button;
        t.push_back({name, "\\PICTURE\\00.GIF", false,
                     [](Rig& r) {
                         r.to_colouring();
                         r.point = r.fill_somewhere();
                     },
                     [b](Rig& r) { r.app.click_on(b); },
                     [](Rig& r) {
                         EXPECT_TRUE(r.last_load_was("\\PICTURE\\00.GIF"));
                         EXPECT_TRUE(r.f().Slika.AutoRedraw());
                         EXPECT_TRUE(r.canvas_unchanged()) << "the colouring was lost";
                         const auto [x, y] = r.point;
                         EXPECT_EQ(r.app.screen(kCanvasLeft + x, kCanvasTop + y), r.f().CurrentColor)
                             << "the screen does not show the canvas's image again";
                     },
                     [b](Rig& r) {
                         EXPECT_TRUE(r.canvas_is(b == ctl::Papir ? "\\PICTURE\\00.GIF" : "\\PICTURE\\01.GIF"));
                     }});
    }
    // White thumbnails: opening the gallery stops at that thumbnail.
    t.push_back({"ThumbnailWhite", "\\PICTURE\\GALERIJA1BELE_23.JPG", false, [](Rig& r) { r.to_colouring(); },
                 [](Rig& r) { r.app.click_on(ctl::MoreImages); },
                 [](Rig& r) {
                     EXPECT_TRUE(r.last_load_was("\\PICTURE\\GALERIJA1BELE_23.JPG"));
                     EXPECT_EQ(r.f().GalleryOpen, 1);
                     EXPECT_TRUE(r.box(ctl::Back).Visible());
                     for (int n = 1; n < 8; ++n) {
                         EXPECT_TRUE(r.box(ctl::thumbnail(n)).Visible()) << n;
                         EXPECT_TRUE(r.shows(ctl::thumbnail(n), white_thumbnail(n))) << n;
                     }
                     for (int n = 8; n <= ctl::kThumbnailCount; ++n)
                         EXPECT_FALSE(r.box(ctl::thumbnail(n)).Visible()) << n;
                 },
                 [](Rig& r) {
                     expect_gallery_screen(r);
                     EXPECT_TRUE(r.shows(ctl::thumbnail(8), "\\PICTURE\\GALERIJA1BELE_23.JPG"));
                 }});
    // Yellow thumbnails: the highlight stays where it was.
    t.push_back({"ThumbnailYellow", "\\PICTURE\\GALERIJA1ZUTE_23.JPG", false,
                 [](Rig& r) {
                     open_gallery(r);
                     r.app.hover(ctl::thumbnail(3));
                     ASSERT_EQ(r.f().LitThumbnail, 3);
                 },
                 [](Rig& r) { r.app.hover(ctl::thumbnail(8)); },
                 [](Rig& r) {
                     EXPECT_TRUE(r.last_load_was("\\PICTURE\\GALERIJA1ZUTE_23.JPG"));
                     EXPECT_EQ(r.f().LitThumbnail, 3);
                     EXPECT_TRUE(r.unchanged(ctl::thumbnail(8)));
                     EXPECT_TRUE(r.shows(ctl::thumbnail(3), yellow_thumbnail(3)));
                 },
                 [](Rig& r) {
                     EXPECT_EQ(r.f().LitThumbnail, 8);
                     EXPECT_TRUE(r.shows(ctl::thumbnail(8), "\\PICTURE\\GALERIJA1ZUTE_23.JPG"));
                     EXPECT_TRUE(r.shows(ctl::thumbnail(3), white_thumbnail(3)));
                 }});
    // Backgrounds: Back still leads to the colouring screen.
    t.push_back({"BackgroundColouring", "\\PICTURE\\GLAVNA.JPG", false, open_gallery,
                 [](Rig& r) { r.app.click_on(ctl::Back); },
                 [](Rig& r) {
                     EXPECT_TRUE(r.last_load_was("\\PICTURE\\GLAVNA.JPG"));
                     EXPECT_EQ(r.app.window().background(), r.before.background);
                     expect_colouring_screen(r);
                 },
                 [](Rig& r) {
                     EXPECT_TRUE(r.background_is("\\PICTURE\\GLAVNA.JPG"));
                     expect_colouring_screen(r);
                 }});
    // Backgrounds: the gallery still opens over the old background.
    t.push_back({"BackgroundGallery", "\\PICTURE\\GALERIJA.JPG", false, [](Rig& r) { r.to_colouring(); },
                 [](Rig& r) { r.app.click_on(ctl::MoreImages); },
                 [](Rig& r) {
                     ASSERT_FALSE(r.loads().empty());
                     EXPECT_EQ(r.loads().front(), r.path("\\PICTURE\\GALERIJA.JPG"));
                     EXPECT_EQ(r.loads().size(), 1u + ctl::kThumbnailCount) << "the thumbnails follow";
                     EXPECT_EQ(r.app.window().background(), r.before.background);
                     expect_gallery_screen(r);
                 },
                 [](Rig& r) {
                     EXPECT_TRUE(r.background_is("\\PICTURE\\GALERIJA.JPG"));
                     expect_gallery_screen(r);
                 }});
    // Palette: the colour is chosen before the images; the buttons after the
    // broken one keep what they showed (10 its chosen look from before).
    t.push_back({"Palette", "\\PICTURE\\BOJE1_07.JPG", false,
                 [](Rig& r) {
                     r.to_colouring();
                     r.app.click_on(ctl::palette(10));
                 },
                 [](Rig& r) { r.app.click_on(ctl::palette(5)); },
                 [](Rig& r) {
                     EXPECT_TRUE(r.last_load_was("\\PICTURE\\BOJE1_07.JPG"));
                     EXPECT_EQ(r.f().CurrentColor, kOrange);
                     EXPECT_EQ(r.f().ColourSelected[5], 1);
                     EXPECT_EQ(r.f().ColourSelected[10], 0);
                     EXPECT_TRUE(r.shows(ctl::palette(5), palette_image(3, 5)));
                     EXPECT_TRUE(r.shows(ctl::palette(6), palette_image(1, 6)));
                     EXPECT_TRUE(r.unchanged(ctl::palette(7)));
                     EXPECT_TRUE(r.shows(ctl::palette(10), palette_image(3, 10))) << "a later button was changed";
                 },
                 [](Rig& r) {
                     EXPECT_EQ(r.f().CurrentColor, kOrange);
                     EXPECT_TRUE(r.shows(ctl::palette(7), "\\PICTURE\\BOJE1_07.JPG"));
                     EXPECT_TRUE(r.shows(ctl::palette(10), palette_image(1, 10)));
                     EXPECT_TRUE(r.shows(ctl::palette(12), palette_image(1, 12)));
                 }});
    // Buttons: the rollover stops at the button whose image is broken.
    t.push_back(rollover_family("ButtonLit", "\\PICTURE\\GUMICA2.JPG", ctl::Rubber, "\\PICTURE\\PAPIR2.JPG",
                                "\\PICTURE\\PAPIR1.JPG"));
    t.push_back({"ButtonNormal", "\\PICTURE\\MOREIMAGES1.JPG", false,
                 [](Rig& r) {
                     r.to_colouring();
                     r.app.hover(ctl::MoreImages);
                     r.app.hover(ctl::palette(4));
                 },
                 [](Rig& r) {
                     const auto [x, y] = r.bare_point();
                     r.app.move(x, y);
                 },
                 [](Rig& r) {
                     EXPECT_TRUE(r.last_load_was("\\PICTURE\\MOREIMAGES1.JPG"));
                     EXPECT_TRUE(r.unchanged(ctl::MoreImages));
                     EXPECT_TRUE(r.shows(ctl::palette(4), palette_image(2, 4))) << "a later step ran";
                 },
                 [](Rig& r) {
                     EXPECT_TRUE(r.shows(ctl::MoreImages, "\\PICTURE\\MOREIMAGES1.JPG"));
                     EXPECT_TRUE(r.shows(ctl::palette(4), palette_image(1, 4)));
                 }});
    // Tool buttons: the tool is switched before its images are loaded.
    t.push_back({"ToolButton", "\\PICTURE\\OLOVKA1.JPG", false,
                 [](Rig& r) {
                     r.to_colouring();
                     r.app.click_on(ctl::kapljica);
                 },
                 [](Rig& r) { r.app.click_on(ctl::olovka); },
                 [](Rig& r) {
                     EXPECT_TRUE(r.last_load_was("\\PICTURE\\OLOVKA1.JPG"));
                     EXPECT_EQ(r.f().FillMode, 0);
                     EXPECT_TRUE(r.unchanged(ctl::olovka));
                     EXPECT_TRUE(r.unchanged(ctl::kapljica));
                     EXPECT_EQ(r.f().Slika.cursor(), r.before.slika_cursor);
                     expect_brush_paints(r);
                 },
                 [](Rig& r) {
                     EXPECT_EQ(r.f().FillMode, 0);
                     EXPECT_TRUE(r.shows(ctl::olovka, "\\PICTURE\\OLOVKA1.JPG"));
                     EXPECT_TRUE(r.shows(ctl::kapljica, "\\PICTURE\\KAPLJICA2.JPG"));
                     expect_brush_paints(r);
                 }});
    // Pointers: the fill tool is on, only its pointer is missing.
    t.push_back({"Cursor", "\\PICTURE\\KANTICA8.ICO", false,
                 [](Rig& r) {
                     r.to_colouring();
                     r.app.click_on(ctl::olovka);
                 },
                 [](Rig& r) { r.app.click_on(ctl::kapljica); },
                 [](Rig& r) {
                     EXPECT_TRUE(r.last_load_was("\\PICTURE\\KANTICA8.ICO"));
                     EXPECT_EQ(r.f().FillMode, -1);
                     EXPECT_TRUE(r.shows(ctl::olovka, "\\PICTURE\\OLOVKA2.JPG"));
                     EXPECT_TRUE(r.shows(ctl::kapljica, "\\PICTURE\\KAPLJICA1.JPG"));
                     EXPECT_EQ(r.f().Slika.cursor(), r.before.slika_cursor);
                     r.fill_somewhere();
                 },
                 [](Rig& r) {
                     EXPECT_EQ(r.f().FillMode, -1);
                     const Cursor& c = r.f().Slika.cursor();
                     ASSERT_TRUE(c && c->picture);
                     const Picture file = r.decoded("\\PICTURE\\KANTICA8.ICO");
                     ASSERT_TRUE(file);
                     EXPECT_TRUE(same_pixels(*c->picture, *file));
                     r.fill_somewhere();
                 }});
    // Sound and music buttons' images.
    t.push_back(rollover_family("SoundButton", "\\PICTURE\\ZVUCNIK2.JPG", ctl::MuteWave, "\\PICTURE\\PAPIR2.JPG",
                                "\\PICTURE\\PAPIR1.JPG"));
    t.push_back(rollover_family("MusicButton", "\\PICTURE\\MUSICOFF1.JPG", ctl::MusicOn, "\\PICTURE\\PAPIR2.JPG",
                                "\\PICTURE\\PAPIR1.JPG"));

    // Sounds: silence, and the handler goes on.
    const auto heard = [](Rig& r, bool expected) {
        ASSERT_EQ(r.sound.audible.size(), 1u) << "one effect per event";
        EXPECT_EQ(r.sound.audible.back(), expected) << (expected ? "a usable sound was not played" : "noise");
    };
    t.push_back({"Voice", "\\SOUND\\ZELENA.WAV", true, [](Rig& r) { r.to_colouring(); },
                 [](Rig& r) { r.app.click_on(ctl::palette(2)); },
                 [heard](Rig& r) {
                     heard(r, false);
                     EXPECT_EQ(r.f().CurrentColor, kGreen);
                     EXPECT_EQ(r.f().ColourSelected[2], 1);
                     EXPECT_TRUE(r.last_load_was(palette_image(1, 12))) << "the handler stopped at the sound";
                 },
                 [heard](Rig& r) {
                     heard(r, true);
                     EXPECT_EQ(r.f().ColourSelected[2], 1);
                     EXPECT_TRUE(r.last_load_was(palette_image(1, 12)));
                 }});
    const auto filled = [](Rig& r) {
        const auto [x, y] = r.point;
        EXPECT_EQ(r.f().Slika.image().at(x, y) & 0xFFFFFF, r.f().CurrentColor) << "the fill did not happen";
    };
    t.push_back({"FillSound", "\\SOUND\\FILL.WAV", true,
                 [](Rig& r) {
                     r.to_colouring();
                     r.point = r.white_point();
                 },
                 [](Rig& r) { r.app.click(kCanvasLeft + r.point.first, kCanvasTop + r.point.second); },
                 [heard, filled](Rig& r) {
                     heard(r, false);
                     filled(r);
                 },
                 [heard, filled](Rig& r) {
                     heard(r, true);
                     filled(r);
                 }});
    t.push_back({"WipeSound", "\\SOUND\\WIPE.WAV", true,
                 [](Rig& r) {
                     r.to_colouring();
                     r.fill_somewhere();
                 },
                 [](Rig& r) { r.app.click_on(ctl::Papir); },
                 [heard](Rig& r) {
                     heard(r, false);
                     EXPECT_TRUE(r.canvas_is("\\PICTURE\\00.GIF")) << "the wipe stopped at its sound";
                 },
                 [heard](Rig& r) {
                     heard(r, true);
                     EXPECT_TRUE(r.canvas_is("\\PICTURE\\00.GIF"));
                 }});
    // Music: the switch turns on with nothing playing; the next click turns it off.
    const auto next_click_stops = [](Rig& r) {
        r.app.hp.host.advance(1.2);  // the repeat timer ticks meanwhile
        r.app.click_on(ctl::MusicOn);
        EXPECT_EQ(r.f().MusicOff, 1);
        EXPECT_EQ(r.f().MusicPlaying, 0);
        EXPECT_FALSE(r.music.is_playing());
        EXPECT_FALSE(r.f().tmrRepeat.Enabled());
    };
    t.push_back({"Music", "\\MUSIC\\001.MID", true,
                 [](Rig& r) {
                     r.to_colouring();
                     ASSERT_EQ(r.f().MusicOff, 1);
                 },
                 [](Rig& r) { r.app.click_on(ctl::MusicOn); },
                 [next_click_stops](Rig& r) {
                     EXPECT_EQ(r.f().MusicPlaying, 1);
                     EXPECT_EQ(r.f().MusicOff, 0);
                     EXPECT_FALSE(r.music.is_playing());
                     EXPECT_FALSE(r.f().tmrRepeat.Enabled());
                     next_click_stops(r);
                 },
                 [next_click_stops](Rig& r) {
                     EXPECT_EQ(r.f().MusicPlaying, 1);
                     EXPECT_EQ(r.f().MusicOff, 0);
                     EXPECT_TRUE(r.music.is_playing());
                     EXPECT_TRUE(r.f().tmrRepeat.Enabled());
                     next_click_stops(r);
                 }});
    return t;
}

const std::vector<Family>& family_table() {
    static const std::vector<Family> t = families();
    return t;
}

using Row = std::tuple<std::size_t, Fault>;

class FaultMatrix : public ::testing::TestWithParam<Row> {};

// The checked pictures: start-up with the spoiled file ends at that file with
// a failure status, unless its length still matches (the check reads lengths
// only). A second program starts in the same folder.
void check_start_up(Rig& r, const Family& fam, Fault fault, const AssetCheckEntry& entry) {
    SCOPED_TRACE("start-up length check");
    const std::string path = r.path(fam.file);
    spoil(fault, path, read_file(path));
    std::error_code ec;
    const bool length_matches =
        fs::is_regular_file(path) && fs::file_size(path, ec) == static_cast<std::uintmax_t>(entry.length);
    HeadlessPlatform hp(r.app.decoder, r.app.folder.path());
    FormaMain form(hp.platform());
    hp.host.attach(&form.window());
    testing::internal::CaptureStderr();
    if (length_matches) {
        EXPECT_NO_THROW(form.Form_Load());
        testing::internal::GetCapturedStderr();
        EXPECT_FALSE(hp.runtime.ended);
        EXPECT_EQ(hp.runtime.lengths_read.size(), kAssetCheckCount);
        EXPECT_TRUE(hp.display.taken) << "start-up went on to the end";
    } else {
        EXPECT_THROW(form.Form_Load(), ProcessEnded);
        testing::internal::GetCapturedStderr();
        EXPECT_TRUE(hp.runtime.ended);
        EXPECT_NE(hp.runtime.status, 0);
        ASSERT_FALSE(hp.runtime.lengths_read.empty());
        EXPECT_EQ(hp.runtime.lengths_read.back(), path) << "the check stops at the spoiled file";
        EXPECT_FALSE(hp.display.taken) << "the display mode was changed before the check";
    }
    fs::permissions(path, fs::perms::owner_all, fs::perm_options::add, ec);
}

TEST_P(FaultMatrix, HandlerKeepsWhatItDidAndTheNextEventTriesAgain) {
    const Family& fam = family_table()[std::get<0>(GetParam())];
    const Fault fault = std::get<1>(GetParam());
    if (fault == Fault::Unreadable && running_as_root())
        RecordProperty("note", "as root a file of mode 000 stays readable: the row must behave as with a good file");

    Rig r(fam.real_audio);
    if (fam.real_audio) {
        ASSERT_TRUE(r.audio->open) << "the dummy audio driver did not open";
    }
    r.app.start();
    ASSERT_FALSE(r.app.hp.runtime.ended);

    const std::string path = r.path(fam.file);
    const std::string good = read_file(path);
    ASSERT_FALSE(good.empty()) << path;

    fam.prepare(r);
    spoil(fault, path, good);
    const bool usable = file_usable(r, fam);
    if (fault == Fault::Missing || fault == Fault::Directory || fault == Fault::Garbage) {
        EXPECT_FALSE(usable) << "this file should be of no use to anyone";
    }
    if (fault == Fault::Unreadable) {
        EXPECT_EQ(usable, running_as_root());
    }
    // The system's GIF decoder would follow the random codes out of its
    // table; the loader must refuse them first.
    if (fault == Fault::Scrambled && std::string(fam.file).ends_with(".GIF")) {
        EXPECT_FALSE(usable) << "a GIF whose codes are random must be refused";
    }
    // The Windows synthesiser stops the program answering on a spoiled tune.
    if ((fault == Fault::Scrambled || fault == Fault::Truncated) && std::string(fam.file).ends_with(".MID")) {
        EXPECT_FALSE(usable) << "a tune cut short or with random data must be refused";
    }
    RecordProperty("spoiled_file_usable", usable ? "yes" : "no");
    r.snapshot();
    EXPECT_NO_THROW(fam.act(r));
    EXPECT_FALSE(r.app.hp.runtime.ended);
    {
        SCOPED_TRACE(usable ? "spoiled file still usable" : "spoiled file unusable");
        if (usable) fam.when_usable(r);
        else fam.when_broken(r);
    }

    // The file comes back: the next event reads it again and succeeds.
    mend(path, good);
    {
        SCOPED_TRACE("after mending the file");
        fam.prepare(r);
        r.snapshot();
        fam.act(r);
        fam.when_usable(r);
    }
    expect_responsive(r.app);

    if (const AssetCheckEntry* entry = checked_entry(fam.file)) check_start_up(r, fam, fault, *entry);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, FaultMatrix,
    ::testing::Combine(::testing::Range<std::size_t>(0, family_table().size()),
                       ::testing::Values(Fault::Missing, Fault::Truncated, Fault::Garbage, Fault::Scrambled,
                                         Fault::Directory, Fault::Unreadable)),
    [](const ::testing::TestParamInfo<Row>& info) {
        return std::string(family_table()[std::get<0>(info.param)].name) + "_" +
               fault_name(std::get<1>(info.param));
    });

// ---- The environment ----

void ctrl_p(App& app) { app.key(kKeyP, shiftmask::kCtrl); }

std::string saved_picture(const std::string& folder) { return folder + "MY_PICTURE/01.GIF"; }

bool log_has(const App& app, const std::string& entry) {
    return std::find(app.hp.log.begin(), app.hp.log.end(), entry) != app.hp.log.end();
}

bool file_has_canvas(App& app, const std::string& file) {
    try {
        const Picture saved = app.decoder.load_uncached(file);
        const PixelBuffer& img = app.f().Slika.image();
        if (saved->width != img.width || saved->height != img.height) return false;
        for (std::size_t i = 0; i < img.pixels.size(); ++i)
            if ((saved->pixels[i] & 0xFFFFFF) != (img.pixels[i] & 0xFFFFFF)) return false;
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

TEST(FaultEnvironment, NoPrinterStillSavesThePicture) {
    App app;
    app.start();
    fill_white_paper(app);
    app.hp.printer.available = false;
    bool notice_shown = false;
    app.hp.host.on_wait = [&] { notice_shown = app.f().PrintPict.Visible(); };
    ctrl_p(app);
    EXPECT_TRUE(file_has_canvas(app, saved_picture(app.folder.path())));
    EXPECT_TRUE(notice_shown);
    EXPECT_FALSE(app.f().PrintPict.Visible()) << "the notice stayed";
    EXPECT_TRUE(log_has(app, "print"));
    EXPECT_TRUE(app.hp.printer.printed.empty());
    expect_responsive(app);
}

struct SaveRig {
    App app;
    // Undoes a fault of the system's own (folder_faults.h) when it goes.
    std::shared_ptr<void> system_fault;
    std::string folder() { return app.folder.path() + "MY_PICTURE"; }
};

struct SaveFault {
    const char* name;
    std::function<std::string(SaveRig&)> spoil;  // a reason to skip, or empty
    std::function<void(SaveRig&)> mend;
};
void PrintTo(const SaveFault& f, std::ostream* os) { *os << f.name; }

std::vector<SaveFault> save_faults() {
    std::vector<SaveFault> faults = {
    {"FolderMissing",
     [](SaveRig& s) {
         fs::remove_all(s.folder());
         return std::string();
     },
     [](SaveRig& s) { fs::create_directory(s.folder()); }},
    {"FileInPlaceOfTheFolder",
     [](SaveRig& s) {
         fs::remove_all(s.folder());
         write_file(s.folder(), "not a folder");
         return std::string();
     },
     [](SaveRig& s) {
         fs::remove(s.folder());
         fs::create_directory(s.folder());
     }},
    };
    // The faults only this system can make, each applied to the folder.
    for (const FolderFault& f : system_folder_faults())
        faults.push_back({f.name,
                          [f](SaveRig& s) {
                              if (f.needs_earlier_picture) ctrl_p(s.app);  // an earlier picture to keep
                              std::string why_not;
                              s.system_fault = f.apply(s.folder(), why_not);
                              return why_not;
                          },
                          [](SaveRig& s) { s.system_fault.reset(); }});
    return faults;
}

// Every file under the folder (or the file in its place) with its content.
std::map<std::string, std::string> contents(const std::string& path) {
    std::map<std::string, std::string> out;
    if (fs::is_regular_file(path)) out[path] = read_file(path);
    else if (fs::is_directory(path))
        for (const auto& e : fs::directory_iterator(path)) out[e.path().string()] = read_file(e.path().string());
    return out;
}

class SavingFails : public ::testing::TestWithParam<SaveFault> {};

TEST_P(SavingFails, NothingShownOrPrintedTheEarlierFileKeptAndTheNextTryWorks) {
    const SaveFault& fault = GetParam();
    SaveRig s;
    s.app.start();
    fill_white_paper(s.app);
    if (const std::string why = fault.spoil(s); !why.empty()) GTEST_SKIP() << why;
    fill_white_paper(s.app);
    const auto kept = contents(s.folder());
    const PixelBuffer coloured = s.app.f().Slika.image();
    const auto printed_before = s.app.hp.printer.printed.size();
    bool waited = false;
    s.app.hp.host.on_wait = [&] { waited = true; };

    ctrl_p(s.app);
    EXPECT_FALSE(s.app.hp.runtime.ended);
    EXPECT_FALSE(waited) << "the notice was shown for a picture that was not saved";
    EXPECT_FALSE(s.app.f().PrintPict.Visible());
    EXPECT_EQ(s.app.hp.printer.printed.size(), printed_before);
    EXPECT_EQ(contents(s.folder()), kept) << "the earlier file was touched or a half file left";
    EXPECT_EQ(s.app.f().Slika.image().pixels, coloured.pixels) << "the colouring was lost";

    s.app.hp.host.on_wait = nullptr;
    fault.mend(s);
    ctrl_p(s.app);
    EXPECT_TRUE(file_has_canvas(s.app, saved_picture(s.app.folder.path())));
    EXPECT_EQ(s.app.hp.printer.printed.size(), printed_before + 1);
    expect_responsive(s.app);
}

INSTANTIATE_TEST_SUITE_P(Folder, SavingFails, ::testing::ValuesIn(save_faults()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FaultEnvironment, NoDisplayModeRunsInTheModeItHas) {
    App app;
    app.hp.display.fail_take_over = true;
    app.start();
    EXPECT_FALSE(app.hp.runtime.ended);
    EXPECT_FALSE(app.hp.display.taken);
    EXPECT_FALSE(app.f().DisplayDraw);
    EXPECT_EQ(app.f().CurrentPicture, 1) << "the program state is set up";
    fill_white_paper(app);
    expect_responsive(app);
}

TEST(FaultEnvironment, MissingCompanionStartUpCarriesOn) {
    App app;
    fs::remove(app.folder.path() + "MARIGOLD.EXE");
    testing::internal::CaptureStderr();
    app.start();
    testing::internal::GetCapturedStderr();
    EXPECT_FALSE(app.hp.runtime.ended);
    EXPECT_TRUE(app.hp.shell.started.empty());
    EXPECT_TRUE(app.hp.host.window_visible);
    EXPECT_EQ(app.hp.runtime.lengths_read.size(), kAssetCheckCount);
    EXPECT_TRUE(app.hp.display.taken);
    fill_white_paper(app);
    expect_responsive(app);
}

// ---- Program folders with unusual names ----

// A copy of the program folder under a name with spaces and letters outside ASCII.
struct OddlyNamedFolder {
    explicit OddlyNamedFolder(const std::string& source) {
        const std::string folder = make_temporary_folder("Dječji crteži");
        std::string from = source;
        while (!from.empty() && (from.back() == '/' || from.back() == '\\')) from.pop_back();
        // Entry by entry: copying a folder onto one that exists fails with
        // the Windows build's library.
        for (const auto& e : fs::directory_iterator(utf8_path(from)))
            fs::copy(e.path(), utf8_path(folder) / e.path().filename(), fs::copy_options::recursive);
        path = folder + kNativeSeparator;
    }
    ~OddlyNamedFolder() {
        std::error_code ec;
        fs::remove_all(utf8_path(path), ec);
    }
    std::string path;  // ends in the system's separator
};

struct FolderForm {
    const char* name;
    bool odd_name;
    bool trailing_separator;
};
void PrintTo(const FolderForm& f, std::ostream* os) { *os << f.name; }

const FolderForm kFolderForms[] = {
    {"SpacesAndNonAsciiLetters", true, true},
    {"NoTrailingSeparator", false, false},
    {"SpacesAndNonAsciiLettersNoTrailingSeparator", true, false},
};

class ProgramFolderName : public ::testing::TestWithParam<FolderForm> {};

TEST_P(ProgramFolderName, StartsPaintsSavesAndPlays) {
    const FolderForm& form = GetParam();
    App app;
    std::optional<OddlyNamedFolder> odd;
    std::string dir = app.folder.path();
    if (form.odd_name) {
        odd.emplace(app.folder.path());
        dir = odd->path;
    }
    app.hp.runtime.folder = form.trailing_separator ? dir : dir.substr(0, dir.size() - 1);
    app.start();
    ASSERT_FALSE(app.hp.runtime.ended) << "start-up did not find the files in " << dir;
    EXPECT_EQ(app.hp.runtime.lengths_read.size(), kAssetCheckCount);
    EXPECT_EQ(app.hp.shell.started, std::vector<std::string>{dir + "MARIGOLD.EXE"});

    app.click_on(ctl::MoreImages);
    EXPECT_EQ(app.f().GalleryOpen, 1);
    app.click_on(ctl::thumbnail(5));
    EXPECT_EQ(app.f().CurrentPicture, 5);
    const Picture drawing = app.decoder.load_uncached(dir + "PICTURE/05.GIF");
    ASSERT_TRUE(app.f().Slika.picture());
    EXPECT_TRUE(same_pixels(*app.f().Slika.picture(), *drawing));
    fill_white_paper(app);

    ctrl_p(app);
    EXPECT_TRUE(file_has_canvas(app, saved_picture(dir)));
    EXPECT_EQ(app.hp.printer.printed.size(), 1u);

    app.click_on(ctl::MusicOn);
    EXPECT_TRUE(app.f().tmrRepeat.Enabled()) << "the music file was not found";
    bool loaded_the_tune = false;
    for (const std::string& req : app.hp.music.requests)
        if (req.rfind("load ", 0) == 0)
            loaded_the_tune = fs::equivalent(utf8_path(req.substr(5)), utf8_path(dir + "MUSIC/001.MID"));
    EXPECT_TRUE(loaded_the_tune);
    expect_responsive(app);
}

INSTANTIATE_TEST_SUITE_P(Forms, ProgramFolderName, ::testing::ValuesIn(kFolderForms),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
