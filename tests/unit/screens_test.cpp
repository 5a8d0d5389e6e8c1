// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The two screens: switching, freezing under a panel, and the four states
// they make up, through the whole program on the headless back-end.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/app_fixture.h"

namespace {

using Operation = void (FormaMain::*)();

struct OperationColumn {
    const char* name;
    Operation op;
};
const OperationColumn kOperations[7] = {
    {"ugasi_glavni_ekran", &FormaMain::ugasi_glavni_ekran},
    {"upali_glavni_ekran", &FormaMain::upali_glavni_ekran},
    {"glavni_ekran_zamrznut", &FormaMain::glavni_ekran_zamrznut},
    {"glavni_ekran_odmrznut", &FormaMain::glavni_ekran_odmrznut},
    {"galerijski_ekran_zamrznut", &FormaMain::galerijski_ekran_zamrznut},
    {"galerijski_ekran_odmrznut", &FormaMain::galerijski_ekran_odmrznut},
    {"galerijski_ekran_ugasi", &FormaMain::galerijski_ekran_ugasi},
};

// One letter a column of kOperations: H hide, S show, D disable, E enable,
// '.' not touched. Back is frozen and unfrozen with the thumbnails, so that
// a panel over the gallery must be answered before the gallery can close.
struct ControlRow {
    std::vector<int> controls;
    const char* letters;
};

std::vector<int> range(int first, int last) {
    std::vector<int> v;
    for (int id = first; id <= last; ++id) v.push_back(id);
    return v;
}

const std::vector<ControlRow>& control_table() {
    static const std::vector<ControlRow> table = {
        {{ctl::Slika, ctl::MoreImages, ctl::MuteWave, ctl::MusicOn, ctl::Rubber}, "HSDE..."},
        {{ctl::Papir}, "HSHS..."},
        {{ctl::kapljica, ctl::olovka}, "HSDE..."},
        {range(ctl::PaletaCrvena, ctl::PaletaPink), "HSDE..."},
        {{ctl::Back}, "....DEH"},
        {range(ctl::Galerija1, ctl::Galerija25), "....DEH"},
        {{ctl::Izlaz, ctl::Da, ctl::Ne, ctl::Registered, ctl::visit_site, ctl::Firma, ctl::Zatvori, ctl::PrintPict},
         "......."},
    };
    return table;
}

// Start states that make every assignment and every untouched property show.
struct Start {
    const char* name;
    bool visible(int id) const { return pattern == 0 ? true : pattern == 1 ? false : id % 2 == 0; }
    bool enabled(int id) const { return pattern == 0 ? true : pattern == 1 ? false : id % 3 != 0; }
    int pattern;
};
const Start kStarts[3] = {{"all shown and enabled", 0}, {"all hidden and disabled", 1}, {"mixed", 2}};

Picture picture_of(App& app, const std::string& name) { return app.decoder.load_uncached(app.folder.file(name)); }

bool background_is(App& app, const std::string& name) {
    const Picture& bg = app.window().background();
    return bg && same_pixels(*bg, *picture_of(app, name));
}

TEST(ScreenOperations, EachOperationAssignsItsControlsAndTouchesNothingElse) {
    App app;
    app.start();
    const Picture sentinel = std::make_shared<PictureData>(PictureData{1, 1, {0xFF123456u}});
    for (int column = 0; column < 7; ++column) {
        const OperationColumn& col = kOperations[column];
        for (const Start& start : kStarts) {
            for (std::int16_t gallery_open : {0, 1}) {
                SCOPED_TRACE(std::string(col.name) + ", " + start.name + ", GalleryOpen " + std::to_string(gallery_open));
                for (int id = 0; id < ctl::BoxCount; ++id) {
                    app.window().box(id).set_visible(start.visible(id));
                    app.window().box(id).set_enabled(start.enabled(id));
                }
                app.window().set_background(sentinel);
                app.f().GalleryOpen = gallery_open;
                app.hp.pictures.loads.clear();

                (app.f().*col.op)();

                for (const ControlRow& row : control_table())
                    for (int id : row.controls) {
                        const PictureBox& b = app.window().box(id);
                        const char letter = row.letters[column];
                        const bool vis = letter == 'H' ? false : letter == 'S' ? true : start.visible(id);
                        const bool en = letter == 'D' ? false : letter == 'E' ? true : start.enabled(id);
                        EXPECT_EQ(b.Visible(), vis) << b.name();
                        EXPECT_EQ(b.Enabled(), en) << b.name();
                    }
                EXPECT_EQ(app.f().GalleryOpen, gallery_open);
                if (col.op == &FormaMain::galerijski_ekran_ugasi) {
                    EXPECT_EQ(app.hp.pictures.loads, std::vector<std::string>{app.folder.file("\\PICTURE\\GLAVNA.JPG")});
                    EXPECT_TRUE(background_is(app, "\\PICTURE\\GLAVNA.JPG"));
                } else {
                    EXPECT_TRUE(app.hp.pictures.loads.empty());
                    EXPECT_EQ(app.window().background(), sentinel);
                }
            }
        }
    }
}

// The four screen states, each checked on every control it concerns.
enum class State { Colouring, ColouringFrozen, Gallery, GalleryFrozen };

const std::vector<int>& colouring_controls() {
    static const std::vector<int> ids = [] {
        std::vector<int> v = {ctl::Slika, ctl::MoreImages, ctl::MuteWave, ctl::MusicOn, ctl::Rubber,
                              ctl::Papir, ctl::kapljica,   ctl::olovka};
        for (int nn = 1; nn <= 12; ++nn) v.push_back(ctl::palette(nn));
        return v;
    }();
    return ids;
}

void expect_state(App& app, State s) {
    const bool gallery = s == State::Gallery || s == State::GalleryFrozen;
    EXPECT_EQ(app.f().GalleryOpen, gallery ? 1 : 0);
    for (int id : colouring_controls()) {
        const PictureBox& b = app.window().box(id);
        const bool papir_hidden = s == State::ColouringFrozen && id == ctl::Papir;
        EXPECT_EQ(b.Visible(), !gallery && !papir_hidden) << b.name();
        EXPECT_EQ(b.Enabled(), s != State::ColouringFrozen || id == ctl::Papir) << b.name();
    }
    EXPECT_EQ(app.f().Back.Visible(), gallery);
    EXPECT_EQ(app.f().Back.Enabled(), s != State::GalleryFrozen);
    for (int n = 1; n <= 25; ++n) {
        EXPECT_EQ(app.f().Galerija(n).Visible(), gallery) << n;
        EXPECT_EQ(app.f().Galerija(n).Enabled(), s != State::GalleryFrozen) << n;
    }
    EXPECT_TRUE(background_is(app, gallery ? "\\PICTURE\\GALERIJA.JPG" : "\\PICTURE\\GLAVNA.JPG"));
}

class Screens : public ::testing::Test {
protected:
    void SetUp() override { app.start(); }
    void exit_panel_shown(bool shown) {
        EXPECT_EQ(app.f().Izlaz.Visible(), shown);
        EXPECT_EQ(app.f().Da.Visible(), shown);
        EXPECT_EQ(app.f().Ne.Visible(), shown);
    }
    App app;
};

TEST_F(Screens, GalleryOpensAndBackReturnsWithoutTouchingTheDrawing) {
    expect_state(app, State::Colouring);
    app.click_on(ctl::MoreImages);
    expect_state(app, State::Gallery);

    const PixelBuffer canvas = app.f().Slika.image();
    app.hp.pictures.loads.clear();
    app.click_on(ctl::Back);
    expect_state(app, State::Colouring);
    EXPECT_EQ(app.hp.pictures.loads, std::vector<std::string>{app.folder.file("\\PICTURE\\GLAVNA.JPG")});
    EXPECT_EQ(app.f().CurrentPicture, 1);
    EXPECT_EQ(app.f().Slika.image().pixels, canvas.pixels);
}

TEST_F(Screens, PanelsFreezeTheCurrentScreenAndUnfreezeItWhenClosed) {
    app.f().AskExit();
    expect_state(app, State::ColouringFrozen);
    exit_panel_shown(true);
    app.click_on(ctl::Ne);
    expect_state(app, State::Colouring);
    exit_panel_shown(false);

    app.click_on(ctl::MoreImages);
    app.f().ShowInfoPanel();
    expect_state(app, State::GalleryFrozen);
    app.click_on(ctl::Zatvori);
    expect_state(app, State::Gallery);
}

TEST_F(Screens, FrozenCanvasAndButtonsIgnoreClicks) {
    app.f().glavni_ekran_zamrznut();
    app.hp.pictures.loads.clear();
    const PixelBuffer canvas = app.f().Slika.image();
    app.click_on(ctl::MoreImages);
    app.click_on(ctl::PaletaPink);
    app.click(30 + 5, 29 + 5);
    expect_state(app, State::ColouringFrozen);
    EXPECT_EQ(app.f().CurrentColor, rgb(255, 0, 0));
    EXPECT_EQ(app.f().Slika.image().pixels, canvas.pixels);
}

TEST_F(Screens, BackUnderAPanelWaitsUntilThePanelIsAnswered) {
    app.click_on(ctl::MoreImages);
    app.f().AskExit();
    expect_state(app, State::GalleryFrozen);
    EXPECT_TRUE(app.f().Back.Visible()) << "Back stays drawn under the panel";

    app.hp.pictures.loads.clear();
    app.click_on(ctl::Back);
    app.hover(ctl::Back);
    expect_state(app, State::GalleryFrozen);
    exit_panel_shown(true);
    for (const std::string& load : app.hp.pictures.loads)
        EXPECT_EQ(load.find("BACK2"), std::string::npos) << "no highlight under a panel";

    app.click_on(ctl::Ne);
    expect_state(app, State::Gallery);
    app.click_on(ctl::Back);
    expect_state(app, State::Colouring);

    // The next gallery answers clicks: the thumbnails were never left disabled.
    app.click_on(ctl::MoreImages);
    expect_state(app, State::Gallery);
    app.click_on(ctl::thumbnail(3));
    expect_state(app, State::Colouring);
    EXPECT_EQ(app.f().CurrentPicture, 3);
}

TEST_F(Screens, FreezingTwiceIsUndoneByOneUnfreeze) {
    app.f().glavni_ekran_zamrznut();
    app.f().glavni_ekran_zamrznut();
    expect_state(app, State::ColouringFrozen);
    app.f().glavni_ekran_odmrznut();
    expect_state(app, State::Colouring);

    app.click_on(ctl::MoreImages);
    app.f().galerijski_ekran_zamrznut();
    app.f().galerijski_ekran_zamrznut();
    expect_state(app, State::GalleryFrozen);
    app.f().galerijski_ekran_odmrznut();
    expect_state(app, State::Gallery);
}

TEST_F(Screens, SwitchingScreensKeepsEnabledStates) {
    app.f().glavni_ekran_zamrznut();
    app.f().ugasi_glavni_ekran();
    app.f().upali_glavni_ekran();
    for (int id : colouring_controls())
        EXPECT_EQ(app.window().box(id).Enabled(), id == ctl::Papir) << app.window().box(id).name();
}

TEST_F(Screens, AMissingColouringBackgroundStillSwitchesBack) {
    app.click_on(ctl::MoreImages);
    app.hp.pictures.failing.insert(app.folder.file("\\PICTURE\\GLAVNA.JPG"));
    app.click_on(ctl::Back);

    EXPECT_EQ(app.f().GalleryOpen, 0);
    EXPECT_FALSE(app.f().Back.Visible());
    for (int n = 1; n <= 25; ++n) EXPECT_FALSE(app.f().Galerija(n).Visible()) << n;
    for (int id : colouring_controls()) EXPECT_TRUE(app.window().box(id).Visible()) << app.window().box(id).name();
    EXPECT_TRUE(background_is(app, "\\PICTURE\\GALERIJA.JPG")) << "the gallery background stays behind";
}

TEST_F(Screens, AMissingGalleryBackgroundStillOpensTheGallery) {
    app.hp.pictures.failing.insert(app.folder.file("\\PICTURE\\GALERIJA.JPG"));
    app.click_on(ctl::MoreImages);

    EXPECT_EQ(app.f().GalleryOpen, 1);
    EXPECT_TRUE(app.f().Back.Visible());
    for (int n = 1; n <= 25; ++n) EXPECT_TRUE(app.f().Galerija(n).Visible()) << n;
    EXPECT_EQ(app.f().Galerija(25).Left(), 629);
    EXPECT_TRUE(background_is(app, "\\PICTURE\\GLAVNA.JPG")) << "the previous background stays";
}

}  // namespace
