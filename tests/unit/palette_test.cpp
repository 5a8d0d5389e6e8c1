// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The twelve palette buttons, driven by clicks through the whole program on
// the headless back-end with the real picture files.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "tests/support/app_fixture.h"

namespace {

struct Colour12 {
    unsigned r, g, b;
    const char* spoken;
};

// Written out here, not taken from the program's own table, so that a slip
// in that table shows.
const Colour12 kExpected[13] = {
    {0, 0, 0, ""},
    {255, 0, 0, "\\SOUND\\CRVENA.WAV"},
    {52, 204, 103, "\\SOUND\\ZELENA.WAV"},
    {255, 255, 0, "\\SOUND\\ZUTA.WAV"},
    {0, 204, 255, "\\SOUND\\SVPLAVA.WAV"},
    {255, 102, 0, "\\SOUND\\ORANZ.WAV"},
    {204, 51, 255, "\\SOUND\\LJUBICASTA.WAV"},
    {178, 178, 178, "\\SOUND\\SIVA.WAV"},
    {255, 255, 255, "\\SOUND\\TAMNOZUTA.WAV"},
    {204, 103, 51, "\\SOUND\\BRAON.WAV"},
    {0, 0, 255, "\\SOUND\\PLAVA.WAV"},
    {30, 30, 30, "\\SOUND\\CRNA.WAV"},
    {255, 0, 255, "\\SOUND\\PINK.WAV"},
};

std::string boje(int phase, int nn) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "\\PICTURE\\BOJE%d_%02d.JPG", phase, nn);
    return buf;
}

// True when the box shows exactly the pixels of the named file.
bool box_shows(App& app, int control, const std::string& name) {
    const Picture& shown = app.window().box(control).picture();
    const Picture file = app.decoder.load_uncached(app.folder.file(name));
    return shown && same_pixels(*shown, *file);
}

class PaletteClick : public ::testing::TestWithParam<int> {};

TEST_P(PaletteClick, SetsColourSpeaksMarksOneAndLoadsTheTwelveImages) {
    const int k = GetParam();
    App app;
    app.start();
    for (const bool effects : {true, false}) {
        SCOPED_TRACE(effects ? "effects on" : "effects off");
        // Another colour chosen before, and a neighbour lit under the mouse:
        // the click must move the mark and put the lit one back to normal.
        app.click_on(ctl::palette(k == 12 ? 1 : 12));
        app.hover(ctl::palette(k == 1 ? 2 : k - 1));
        app.f().SoundEffectsOn = effects ? 1 : 0;
        app.hp.sound.played.clear();
        app.hp.pictures.loads.clear();

        app.click_on(ctl::palette(k));

        EXPECT_EQ(app.f().CurrentColor, rgb(kExpected[k].r, kExpected[k].g, kExpected[k].b));
        const std::vector<std::string> spoken = {app.folder.file(kExpected[k].spoken)};
        EXPECT_EQ(app.hp.sound.played, effects ? spoken : std::vector<std::string>{});
        for (int nn = 1; nn <= 12; ++nn) EXPECT_EQ(app.f().ColourSelected[nn], nn == k ? 1 : 0) << "flag " << nn;

        std::vector<std::string> expected;
        for (int nn = 1; nn <= 12; ++nn) expected.push_back(app.folder.file(boje(nn == k ? 3 : 1, nn)));
        EXPECT_EQ(app.hp.pictures.loads, expected);
        for (int nn = 1; nn <= 12; ++nn)
            EXPECT_TRUE(box_shows(app, ctl::palette(nn), boje(nn == k ? 3 : 1, nn))) << "button " << nn;
        app.f().SoundEffectsOn = 1;
    }
}

INSTANTIATE_TEST_SUITE_P(AllButtons, PaletteClick, ::testing::Range(1, 13),
                         [](const auto& info) { return "nn" + std::to_string(info.param); });

class Palette : public ::testing::Test {
protected:
    void SetUp() override { app.start(); }
    App app;
};

TEST_F(Palette, AtStartNothingIsChosenAndFillsPaintRed) {
    for (int nn = 1; nn <= 12; ++nn) {
        EXPECT_EQ(app.f().ColourSelected[nn], 0);
        EXPECT_TRUE(box_shows(app, ctl::palette(nn), boje(1, nn))) << "button " << nn;
    }
    EXPECT_EQ(app.f().CurrentColor, rgb(255, 0, 0));
}

TEST_F(Palette, SameButtonTwiceStaysChosenAndSpeaksAgain) {
    app.click_on(ctl::PaletaOranz);
    app.click_on(ctl::PaletaOranz);
    const std::string name = app.folder.file("\\SOUND\\ORANZ.WAV");
    EXPECT_EQ(app.hp.sound.played, (std::vector<std::string>{name, name}));
    for (int nn = 1; nn <= 12; ++nn) EXPECT_EQ(app.f().ColourSelected[nn], nn == 5 ? 1 : 0);
    EXPECT_TRUE(box_shows(app, ctl::PaletaOranz, boje(3, 5)));
}

TEST_F(Palette, TwoButtonsInARowMoveTheMark) {
    app.click_on(ctl::PaletaZuta);
    app.click_on(ctl::PaletaPlava);
    for (int nn = 1; nn <= 12; ++nn) EXPECT_EQ(app.f().ColourSelected[nn], nn == 10 ? 1 : 0);
    EXPECT_TRUE(box_shows(app, ctl::PaletaZuta, "\\PICTURE\\BOJE1_03.JPG"));
    EXPECT_TRUE(box_shows(app, ctl::PaletaPlava, "\\PICTURE\\BOJE3_10.JPG"));
    EXPECT_EQ(app.f().CurrentColor, rgb(0, 0, 255));
}

TEST_F(Palette, ClearingTheMarksChangesNoImage) {
    app.click_on(ctl::PaletaSiva);
    app.hp.pictures.loads.clear();
    app.f().gasi_boje_3_faze();
    for (int nn = 1; nn <= 12; ++nn) EXPECT_EQ(app.f().ColourSelected[nn], 0);
    EXPECT_TRUE(app.hp.pictures.loads.empty());
    EXPECT_TRUE(box_shows(app, ctl::PaletaSiva, boje(3, 7)));
}

TEST_F(Palette, AMissingImageStopsTheRowAndKeepsWhatWasDone) {
    app.click_on(ctl::PaletaSiva);  // 07 shows its chosen image
    app.hp.pictures.loads.clear();
    app.hp.sound.played.clear();
    app.hp.pictures.failing.insert(app.folder.file(boje(1, 5)));

    app.click_on(ctl::PaletaZelena);

    EXPECT_EQ(app.f().CurrentColor, rgb(52, 204, 103));
    EXPECT_EQ(app.hp.sound.played, std::vector<std::string>{app.folder.file("\\SOUND\\ZELENA.WAV")});
    for (int nn = 1; nn <= 12; ++nn) EXPECT_EQ(app.f().ColourSelected[nn], nn == 2 ? 1 : 0);
    const std::vector<std::string> tried = {app.folder.file(boje(1, 1)), app.folder.file(boje(3, 2)),
                                            app.folder.file(boje(1, 3)), app.folder.file(boje(1, 4)),
                                            app.folder.file(boje(1, 5))};
    EXPECT_EQ(app.hp.pictures.loads, tried);
    EXPECT_TRUE(box_shows(app, ctl::PaletaZelena, boje(3, 2)));
    EXPECT_TRUE(box_shows(app, ctl::PaletaSiva, boje(3, 7))) << "later buttons keep what they showed";

    // The next click, with the file back, mends the row.
    app.hp.pictures.failing.clear();
    app.click_on(ctl::PaletaZelena);
    EXPECT_TRUE(box_shows(app, ctl::PaletaSiva, boje(1, 7)));
}

}  // namespace
