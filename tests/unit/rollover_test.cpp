// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// Button rollover and gallery rollover: which images each mouse move loads,
// in which order, into which box, and where a missing image stops the row.
#include <gtest/gtest.h>

#include <cctype>
#include <cstdio>
#include <string>
#include <vector>

#include "tests/support/app_fixture.h"

namespace {

using Move = void (FormaMain::*)(int, int, float, float);

struct Load {
    int control;
    std::string name;
    bool own_trap = false;  // loaded by an operation that traps its own failure
};

struct State {
    std::int16_t effects_on = 1;
    std::int16_t music_off = 1;
    int chosen = 0;  // palette number with its flag set, 0 for none
    std::int16_t gallery_open = 0;
    std::int16_t lit = 0;
    std::int16_t fill_mode = -1;
    int buttons = 0;
};

struct RolloverRow {
    const char* label;
    Move handler;
    State state;
    std::vector<Load> loads;
};

std::string pic(const char* name) { return std::string("\\PICTURE\\") + name; }
std::string boje(int phase, int nn) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "\\PICTURE\\BOJE%d_%02d.JPG", phase, nn);
    return buf;
}

// The background's row: MoreImages, the palette, Rubber, Papir, Back, the lit
// thumbnail, MuteWave, MusicOn.
std::vector<Load> background_row(int chosen, const char* mute, const char* music, int lit_thumbnail = 0,
                                 const char* lit_white = "") {
    std::vector<Load> v = {{ctl::MoreImages, pic("MOREIMAGES1.JPG")}};
    for (int nn = 1; nn <= 12; ++nn) v.push_back({ctl::palette(nn), boje(nn == chosen ? 3 : 1, nn)});
    v.push_back({ctl::Rubber, pic("GUMICA1.JPG")});
    v.push_back({ctl::Papir, pic("PAPIR1.JPG")});
    v.push_back({ctl::Back, pic("BACK1.JPG")});
    if (lit_thumbnail) v.push_back({ctl::thumbnail(lit_thumbnail), pic(lit_white), true});
    v.push_back({ctl::MuteWave, pic(mute)});
    v.push_back({ctl::MusicOn, pic(music)});
    return v;
}

std::vector<Load> canvas_row(const char* mute, const char* music) {
    return {{ctl::MoreImages, pic("MOREIMAGES1.JPG")}, {ctl::Rubber, pic("GUMICA1.JPG")},
            {ctl::Papir, pic("PAPIR1.JPG")},           {ctl::MuteWave, pic(mute)},
            {ctl::MusicOn, pic(music)}};
}

// A: effects on, music off (the state at start). B: effects off, music on.
constexpr State A{};
constexpr State B{0, 0};
State with(State s, int chosen) {
    s.chosen = chosen;
    return s;
}
State gallery(State s, std::int16_t lit) {
    s.gallery_open = 1;
    s.lit = lit;
    return s;
}
State slika(std::int16_t fill_mode, int buttons, State s = A) {
    s.fill_mode = fill_mode;
    s.buttons = buttons;
    return s;
}

const std::vector<RolloverRow>& rollover_table() {
    static const std::vector<RolloverRow> table = {
        {"Form A", &FormaMain::Form_MouseMove, A, background_row(0, "ZVUCNIK1.JPG", "MUSICOFF2.JPG")},
        {"Form B chosen 5 gallery", &FormaMain::Form_MouseMove, gallery(with(B, 5), 0),
         background_row(5, "SOUNDOFF2.JPG", "MUZIKA1.JPG")},
        {"Form gallery lit 7", &FormaMain::Form_MouseMove, gallery(A, 7),
         background_row(0, "ZVUCNIK1.JPG", "MUSICOFF2.JPG", 7, "GALERIJA1BELE_21.JPG")},
        {"Form colouring lit 7", &FormaMain::Form_MouseMove, [] { State s = A; s.lit = 7; return s; }(),
         background_row(0, "ZVUCNIK1.JPG", "MUSICOFF2.JPG")},
        {"Slika fill A", &FormaMain::Slika_MouseMove, slika(-1, 0), canvas_row("ZVUCNIK1.JPG", "MUSICOFF2.JPG")},
        {"Slika fill B", &FormaMain::Slika_MouseMove, slika(-1, 0, B), canvas_row("SOUNDOFF2.JPG", "MUZIKA1.JPG")},
        {"Slika fill left held", &FormaMain::Slika_MouseMove, slika(-1, 1), canvas_row("ZVUCNIK1.JPG", "MUSICOFF2.JPG")},
        {"Slika brush no button", &FormaMain::Slika_MouseMove, slika(0, 0), canvas_row("ZVUCNIK1.JPG", "MUSICOFF2.JPG")},
        {"Slika brush left and right", &FormaMain::Slika_MouseMove, slika(0, 3),
         canvas_row("ZVUCNIK1.JPG", "MUSICOFF2.JPG")},
        {"Slika brush right", &FormaMain::Slika_MouseMove, slika(0, 2), canvas_row("ZVUCNIK1.JPG", "MUSICOFF2.JPG")},
        {"Slika brush painting", &FormaMain::Slika_MouseMove, slika(0, 1), {}},
        {"Paleta 01", &FormaMain::PaletaCrvena_MouseMove, A,
         {{ctl::palette(1), boje(2, 1)}, {ctl::palette(2), boje(1, 2)}}},
        {"Paleta 01 chosen", &FormaMain::PaletaCrvena_MouseMove, with(A, 1),
         {{ctl::palette(1), boje(3, 1)}, {ctl::palette(2), boje(1, 2)}}},
        {"Paleta 02 left neighbour chosen", &FormaMain::PaletaZelena_MouseMove, with(A, 1),
         {{ctl::palette(2), boje(2, 2)}, {ctl::palette(1), boje(3, 1)}, {ctl::palette(3), boje(1, 3)}}},
        {"Paleta 06 right neighbour chosen", &FormaMain::PaletaLjubicasta_MouseMove, with(B, 7),
         {{ctl::palette(6), boje(2, 6)}, {ctl::palette(5), boje(1, 5)}, {ctl::palette(7), boje(3, 7)}}},
        {"Paleta 12", &FormaMain::PaletaPink_MouseMove, A,
         {{ctl::palette(12), boje(2, 12)}, {ctl::palette(11), boje(1, 11)}}},
        {"Paleta 12 neighbour chosen", &FormaMain::PaletaPink_MouseMove, with(A, 11),
         {{ctl::palette(12), boje(2, 12)}, {ctl::palette(11), boje(3, 11)}}},
        {"MoreImages A", &FormaMain::MoreImages_MouseMove, A,
         {{ctl::MoreImages, pic("MOREIMAGES2.JPG")}, {ctl::Rubber, pic("GUMICA1.JPG")},
          {ctl::Papir, pic("PAPIR1.JPG")}, {ctl::MuteWave, pic("ZVUCNIK1.JPG")}}},
        {"MoreImages B", &FormaMain::MoreImages_MouseMove, B,
         {{ctl::MoreImages, pic("MOREIMAGES2.JPG")}, {ctl::Rubber, pic("GUMICA1.JPG")},
          {ctl::Papir, pic("PAPIR1.JPG")}, {ctl::MuteWave, pic("SOUNDOFF2.JPG")}}},
        {"MuteWave A", &FormaMain::MuteWave_MouseMove, A,
         {{ctl::MuteWave, pic("ZVUCNIK2.JPG")}, {ctl::Rubber, pic("GUMICA1.JPG")}, {ctl::Papir, pic("PAPIR1.JPG")}}},
        {"MuteWave B", &FormaMain::MuteWave_MouseMove, B,
         {{ctl::MuteWave, pic("SOUNDOFF1.JPG")}, {ctl::Rubber, pic("GUMICA1.JPG")}, {ctl::Papir, pic("PAPIR1.JPG")}}},
        {"MusicOn A", &FormaMain::MusicOn_MouseMove, A,
         {{ctl::MusicOn, pic("MUSICOFF1.JPG")}, {ctl::Rubber, pic("GUMICA1.JPG")},
          {ctl::Papir, pic("PAPIR1.JPG")}, {ctl::MuteWave, pic("ZVUCNIK1.JPG")}}},
        {"MusicOn B", &FormaMain::MusicOn_MouseMove, B,
         {{ctl::MusicOn, pic("MUZIKA2.JPG")}, {ctl::Rubber, pic("GUMICA1.JPG")},
          {ctl::Papir, pic("PAPIR1.JPG")}, {ctl::MuteWave, pic("SOUNDOFF2.JPG")}}},
        {"Rubber", &FormaMain::Rubber_MouseMove, A,
         {{ctl::Rubber, pic("GUMICA2.JPG")}, {ctl::Papir, pic("PAPIR1.JPG")}}},
        {"Papir", &FormaMain::Papir_MouseMove, A, {{ctl::Papir, pic("PAPIR2.JPG")}, {ctl::Rubber, pic("GUMICA1.JPG")}}},
        {"Back", &FormaMain::Back_MouseMove, gallery(A, 3), {{ctl::Back, pic("BACK2.JPG")}}},
        {"Izlaz", &FormaMain::Izlaz_MouseMove, A, {{ctl::Da, pic("YES1.JPG")}, {ctl::Ne, pic("NO1.JPG")}}},
        {"Da", &FormaMain::Da_MouseMove, A, {{ctl::Da, pic("YES2.JPG")}}},
        {"Ne", &FormaMain::Ne_MouseMove, A, {{ctl::Ne, pic("NO2.JPG")}}},
        {"Registered", &FormaMain::Registered_MouseMove, A,
         {{ctl::Zatvori, pic("CLOSE1.JPG")}, {ctl::Firma, pic("CTRLRZEB1.JPG")}, {ctl::visit_site, pic("VISIT1.JPG")}}},
        {"Zatvori", &FormaMain::Zatvori_MouseMove, A, {{ctl::Zatvori, pic("CLOSE2.JPG")}}},
        {"Firma", &FormaMain::Firma_MouseMove, A, {{ctl::Firma, pic("CTRLRZEB2.JPG")}}},
        {"visit_site", &FormaMain::visit_site_MouseMove, A, {{ctl::visit_site, pic("VISIT2.JPG")}}},
    };
    return table;
}

void PrintTo(const RolloverRow& row, std::ostream* os) { *os << row.label; }

bool box_shows(App& app, int control, const std::string& name) {
    const Picture& shown = app.window().box(control).picture();
    return shown && same_pixels(*shown, *app.decoder.load_uncached(app.folder.file(name)));
}

class RolloverRows : public ::testing::TestWithParam<RolloverRow> {
protected:
    void SetUp() override {
        app.start();
        FormaMain& f = app.f();
        const State& s = GetParam().state;
        f.SoundEffectsOn = s.effects_on;
        f.MusicOff = s.music_off;
        f.gasi_boje_3_faze();
        if (s.chosen) f.ColourSelected[s.chosen] = 1;
        f.GalleryOpen = s.gallery_open;
        f.LitThumbnail = s.lit;
        f.FillMode = s.fill_mode;
    }
    void run() {
        const RolloverRow& row = GetParam();
        app.hp.pictures.loads.clear();
        (app.f().*row.handler)(row.state.buttons, 0, 10.0f, 10.0f);
    }
    std::vector<std::string> files(std::size_t count) {
        std::vector<std::string> v;
        for (std::size_t i = 0; i < count; ++i) v.push_back(app.folder.file(GetParam().loads[i].name));
        return v;
    }
    App app;
};

TEST_P(RolloverRows, LoadsEachImageInOrderIntoItsButtonAndStopsAtAMissingOne) {
    const RolloverRow& row = GetParam();
    run();
    EXPECT_EQ(app.hp.pictures.loads, files(row.loads.size()));
    for (const Load& l : row.loads)
        EXPECT_TRUE(box_shows(app, l.control, l.name)) << app.window().box(l.control).name() << " " << l.name;
    // A second move loads everything again, whatever is shown already.
    run();
    EXPECT_EQ(app.hp.pictures.loads, files(row.loads.size()));

    // Each image of the row in turn missing: the buttons before it keep their
    // new images, it and those after it keep what they showed.
    const Picture sentinel = std::make_shared<PictureData>(PictureData{1, 1, {0xFF00FF00u}});
    for (std::size_t fail = 0; fail < row.loads.size(); ++fail) {
        SCOPED_TRACE("failing " + row.loads[fail].name);
        for (const Load& l : row.loads) app.window().box(l.control).set_picture(sentinel);
        app.hp.pictures.failing = {app.folder.file(row.loads[fail].name)};
        run();

        std::vector<std::string> expected;
        for (std::size_t i = 0; i < row.loads.size(); ++i) {
            const Load& l = row.loads[i];
            const bool stopped_before = i > fail && !row.loads[fail].own_trap;
            if (!stopped_before) expected.push_back(app.folder.file(l.name));
            const bool loaded = i < fail || (i > fail && row.loads[fail].own_trap);
            if (loaded) {
                EXPECT_TRUE(box_shows(app, l.control, l.name)) << app.window().box(l.control).name();
            } else {
                EXPECT_EQ(app.window().box(l.control).picture(), sentinel) << app.window().box(l.control).name();
            }
        }
        EXPECT_EQ(app.hp.pictures.loads, expected);
    }
}

INSTANTIATE_TEST_SUITE_P(Table, RolloverRows, ::testing::ValuesIn(rollover_table()), [](const auto& info) {
    std::string name;
    for (const char* c = info.param.label; *c; ++c) name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
    return name;
});

class ButtonRollover : public ::testing::Test {
protected:
    void SetUp() override { app.start(); }
    std::string first_load_after(int control) {
        app.hp.pictures.loads.clear();
        app.hover(control);
        return app.hp.pictures.loads.empty() ? "" : app.hp.pictures.loads.front();
    }
    App app;
};

TEST_F(ButtonRollover, EachControlRoutesItsMoveToItsOwnHandler) {
    for (int nn = 1; nn <= 12; ++nn)
        EXPECT_EQ(first_load_after(ctl::palette(nn)), app.folder.file(boje(2, nn))) << "palette " << nn;
    const struct {
        int control;
        const char* lit;
    } buttons[] = {{ctl::MoreImages, "MOREIMAGES2.JPG"}, {ctl::MuteWave, "ZVUCNIK2.JPG"},
                   {ctl::MusicOn, "MUSICOFF1.JPG"},      {ctl::Rubber, "GUMICA2.JPG"},
                   {ctl::Papir, "PAPIR2.JPG"},           {ctl::Slika, "MOREIMAGES1.JPG"}};
    for (const auto& b : buttons) EXPECT_EQ(first_load_after(b.control), app.folder.file(pic(b.lit))) << b.lit;

    app.hp.pictures.loads.clear();
    app.move(1020, 5);  // the background
    EXPECT_EQ(app.hp.pictures.loads.size(), 18u);
    EXPECT_EQ(app.hp.pictures.loads.back(), app.folder.file(pic("MUSICOFF2.JPG")));

    app.f().AskExit();
    EXPECT_EQ(first_load_after(ctl::Da), app.folder.file(pic("YES2.JPG")));
    EXPECT_EQ(first_load_after(ctl::Ne), app.folder.file(pic("NO2.JPG")));
    EXPECT_EQ(first_load_after(ctl::Izlaz), app.folder.file(pic("YES1.JPG")));
    app.click_on(ctl::Ne);
    app.f().ShowInfoPanel();
    EXPECT_EQ(first_load_after(ctl::Zatvori), app.folder.file(pic("CLOSE2.JPG")));
    EXPECT_EQ(first_load_after(ctl::Firma), app.folder.file(pic("CTRLRZEB2.JPG")));
    EXPECT_EQ(first_load_after(ctl::visit_site), app.folder.file(pic("VISIT2.JPG")));
    EXPECT_EQ(first_load_after(ctl::Registered), app.folder.file(pic("CLOSE1.JPG")));
    app.click_on(ctl::Zatvori);

    app.click_on(ctl::MoreImages);
    EXPECT_EQ(first_load_after(ctl::Back), app.folder.file(pic("BACK2.JPG")));
    EXPECT_EQ(first_load_after(ctl::thumbnail(17)), app.folder.file(pic("GALERIJA1ZUTE_57.JPG")));
}

TEST_F(ButtonRollover, FromOnePaletteButtonToTheNext) {
    app.click_on(ctl::PaletaZuta);
    app.hover(ctl::PaletaZelena);
    EXPECT_TRUE(box_shows(app, ctl::PaletaZelena, boje(2, 2)));
    app.hover(ctl::PaletaZuta);
    EXPECT_TRUE(box_shows(app, ctl::PaletaZelena, boje(1, 2))) << "the one left goes back to normal";
    EXPECT_TRUE(box_shows(app, ctl::PaletaZuta, boje(3, 3))) << "a chosen colour is not highlighted";
    app.hover(ctl::PaletaOranz);  // a jump past 04
    app.hover(ctl::PaletaSiva);   // and on to 07: 05's neighbour 06 is reset, 05 itself is not
    EXPECT_TRUE(box_shows(app, ctl::PaletaOranz, boje(2, 5))) << "stays lit until a neighbour or the background";
}

// Gallery rollover: the thumbnail under the mouse turns yellow and the one
// lit before goes back to white.
std::string zute(int xx) {
    char buf[48];
    std::snprintf(buf, sizeof buf, "\\PICTURE\\GALERIJA1ZUTE_%02d.JPG", xx);
    return buf;
}
std::string bele(int xx) {
    char buf[48];
    std::snprintf(buf, sizeof buf, "\\PICTURE\\GALERIJA1BELE_%02d.JPG", xx);
    return buf;
}

class GalleryRollover : public ::testing::Test {
protected:
    void SetUp() override {
        app.start();
        app.click_on(ctl::MoreImages);
        app.hp.pictures.loads.clear();
    }
    std::vector<std::string> thumbnail_loads() {
        std::vector<std::string> v;
        for (const std::string& l : app.hp.pictures.loads)
            if (l.find("GALERIJA1") != std::string::npos) v.push_back(l);
        app.hp.pictures.loads.clear();
        return v;
    }
    std::vector<std::string> files(std::initializer_list<std::string> names) {
        std::vector<std::string> v;
        for (const std::string& n : names) v.push_back(app.folder.file(n));
        return v;
    }
    void background_move() { app.move(1010, 300); }
    App app;
};

TEST_F(GalleryRollover, FromThumbnailThreeStraightOntoFour) {
    app.hover(ctl::thumbnail(3));
    EXPECT_EQ(thumbnail_loads(), files({zute(5)}));
    app.hover(ctl::thumbnail(4));
    EXPECT_EQ(thumbnail_loads(), files({zute(7), bele(5)}));
    EXPECT_EQ(app.f().LitThumbnail, 4);
    EXPECT_TRUE(box_shows(app, ctl::thumbnail(4), zute(7)));
    EXPECT_TRUE(box_shows(app, ctl::thumbnail(3), bele(5)));
}

TEST_F(GalleryRollover, MovesInsideOneThumbnailReloadOnlyItsYellowImage) {
    const Rect r = app.f().Galerija(12).bounds();
    for (int dx : {5, 6, 7}) {
        app.move(r.x + dx, r.y + 10);
        EXPECT_EQ(app.hp.pictures.loads, files({zute(39)}));
        app.hp.pictures.loads.clear();
    }
}

TEST_F(GalleryRollover, BackgroundResetsOnlyAfterAThumbnailWasLit) {
    background_move();
    EXPECT_TRUE(thumbnail_loads().empty());
    app.hover(ctl::thumbnail(6));
    thumbnail_loads();
    background_move();
    EXPECT_EQ(thumbnail_loads(), files({bele(19)}));
    EXPECT_TRUE(box_shows(app, ctl::thumbnail(6), bele(19)));
    background_move();
    EXPECT_EQ(thumbnail_loads(), files({bele(19)})) << "nothing resets the lit number";
    EXPECT_EQ(app.f().LitThumbnail, 6);

    app.click_on(ctl::Back);
    thumbnail_loads();
    background_move();
    EXPECT_TRUE(thumbnail_loads().empty()) << "only while the gallery is open";
}

TEST_F(GalleryRollover, ALitThumbnailIsWhiteAtTheNextOpeningAndResetOnceMore) {
    app.hover(ctl::thumbnail(25));
    app.click_on(ctl::Back);
    app.click_on(ctl::MoreImages);
    EXPECT_TRUE(box_shows(app, ctl::thumbnail(25), bele(81)));
    thumbnail_loads();
    background_move();
    EXPECT_EQ(thumbnail_loads(), files({bele(81)}));
}

TEST_F(GalleryRollover, BackLeavesTheLitThumbnailYellow) {
    app.hover(ctl::thumbnail(2));
    app.hp.pictures.loads.clear();
    app.hover(ctl::Back);
    EXPECT_EQ(app.hp.pictures.loads, files({pic("BACK2.JPG")}));
    EXPECT_TRUE(box_shows(app, ctl::thumbnail(2), zute(3)));
}

TEST_F(GalleryRollover, FrozenThumbnailsAreNotLit) {
    app.f().galerijski_ekran_zamrznut();
    app.hover(ctl::thumbnail(10));
    EXPECT_TRUE(thumbnail_loads().empty());
    EXPECT_EQ(app.f().LitThumbnail, 0);
    EXPECT_TRUE(box_shows(app, ctl::thumbnail(10), bele(27)));
}

TEST_F(GalleryRollover, NothingHappensWhileTheGalleryIsNotOpen) {
    app.f().GalleryOpen = 0;
    app.hover(ctl::thumbnail(10));
    EXPECT_TRUE(app.hp.pictures.loads.empty());
    EXPECT_EQ(app.f().LitThumbnail, 0);
}

TEST_F(GalleryRollover, AMissingYellowImageChangesNothing) {
    app.hover(ctl::thumbnail(1));
    thumbnail_loads();
    app.hp.pictures.failing.insert(app.folder.file(zute(3)));
    app.hover(ctl::thumbnail(2));
    EXPECT_EQ(thumbnail_loads(), files({zute(3)}));
    EXPECT_EQ(app.f().LitThumbnail, 1);
    EXPECT_TRUE(box_shows(app, ctl::thumbnail(1), zute(1)));
}

TEST_F(GalleryRollover, AMissingWhiteImageKeepsTheOldNumberForTheNextTry) {
    app.hover(ctl::thumbnail(1));
    thumbnail_loads();
    app.hp.pictures.failing.insert(app.folder.file(bele(1)));
    app.hover(ctl::thumbnail(2));
    EXPECT_EQ(thumbnail_loads(), files({zute(3), bele(1)}));
    EXPECT_EQ(app.f().LitThumbnail, 1);

    app.hp.pictures.failing.clear();
    app.hover(ctl::thumbnail(2));
    EXPECT_EQ(thumbnail_loads(), files({zute(3), bele(1)}));
    EXPECT_EQ(app.f().LitThumbnail, 2);
    EXPECT_TRUE(box_shows(app, ctl::thumbnail(1), bele(1)));
}

}  // namespace
