// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The gallery screen: opening, the 5 x 5 grid, choosing a drawing.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "tests/support/app_fixture.h"

namespace {

// Written out as the grid is laid out, not computed the way the program does.
constexpr int kLeft[25] = {54, 198, 341, 485, 629, 54, 198, 341, 485, 629, 54, 198, 341,
                           485, 629, 54, 198, 341, 485, 629, 54, 198, 341, 485, 629};
constexpr int kTop[25] = {48,  48,  48,  48,  48,  185, 185, 185, 185, 185, 322, 322, 322,
                          322, 322, 459, 459, 459, 459, 459, 596, 596, 596, 596, 596};
constexpr int kImageNumber[25] = {1,  3,  5,  7,  9,  19, 21, 23, 25, 27, 37, 39, 41,
                                  43, 45, 55, 57, 59, 61, 63, 73, 75, 77, 79, 81};

std::string white(int n) {
    char buf[48];
    std::snprintf(buf, sizeof buf, "\\PICTURE\\GALERIJA1BELE_%02d.JPG", kImageNumber[n - 1]);
    return buf;
}
std::string drawing(int n) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "\\PICTURE\\%02d.GIF", n);
    return buf;
}

bool box_shows(App& app, int control, const std::string& name) {
    const Picture& shown = app.window().box(control).picture();
    return shown && same_pixels(*shown, *app.decoder.load_uncached(app.folder.file(name)));
}

bool canvas_holds(App& app, const std::string& name) {
    const Picture file = app.decoder.load_uncached(app.folder.file(name));
    const PixelBuffer& img = app.f().Slika.image();
    for (int y = 0; y < img.height; ++y)
        for (int x = 0; x < img.width; ++x)
            if (img.at(x, y) != (file->at(x, y) & 0xFFFFFF)) return false;
    return true;
}

void expect_grid_of_white_thumbnails(App& app) {
    for (int n = 1; n <= 25; ++n) {
        const PictureBox& b = app.f().Galerija(n);
        EXPECT_EQ(b.Left(), kLeft[n - 1]) << n;
        EXPECT_EQ(b.Top(), kTop[n - 1]) << n;
        EXPECT_EQ(b.width(), 131) << n;
        EXPECT_EQ(b.height(), 122) << n;
        EXPECT_TRUE(b.Visible()) << n;
        EXPECT_TRUE(box_shows(app, ctl::thumbnail(n), white(n))) << n;
    }
}

class Gallery : public ::testing::Test {
protected:
    void SetUp() override { app.start(); }
    App app;
};

TEST_F(Gallery, OpensWithBackgroundThenTheWhiteThumbnailsInOrder) {
    app.hp.pictures.loads.clear();
    app.click_on(ctl::MoreImages);
    std::vector<std::string> expected = {app.folder.file("\\PICTURE\\GALERIJA.JPG")};
    for (int n = 1; n <= 25; ++n) expected.push_back(app.folder.file(white(n)));
    EXPECT_EQ(app.hp.pictures.loads, expected);
    EXPECT_EQ(app.f().GalleryOpen, 1);
    expect_grid_of_white_thumbnails(app);
}

TEST_F(Gallery, ReopeningRebuildsPlacesAndWhiteImages) {
    app.click_on(ctl::MoreImages);
    app.hover(ctl::thumbnail(9));
    ASSERT_FALSE(box_shows(app, ctl::thumbnail(9), white(9))) << "thumbnail 9 is lit";
    app.click_on(ctl::Back);
    app.f().Galerija(9).set_left(0);
    app.f().Galerija(9).set_top(0);

    app.click_on(ctl::MoreImages);
    expect_grid_of_white_thumbnails(app);
}

TEST_F(Gallery, EachThumbnailLoadsItsDrawingSetsCurrentPictureAndReturns) {
    for (int n = 1; n <= 25; ++n) {
        SCOPED_TRACE("thumbnail " + std::to_string(n));
        app.click_on(ctl::MoreImages);
        app.hp.pictures.loads.clear();

        app.click_on(ctl::thumbnail(n));

        EXPECT_EQ(app.hp.pictures.loads,
                  (std::vector<std::string>{app.folder.file(drawing(n)), app.folder.file("\\PICTURE\\GLAVNA.JPG")}));
        EXPECT_TRUE(canvas_holds(app, drawing(n)));
        EXPECT_EQ(app.f().CurrentPicture, n);
        EXPECT_EQ(app.f().GalleryOpen, 0);
        EXPECT_FALSE(app.f().Back.Visible());
        for (int k = 1; k <= 25; ++k) EXPECT_FALSE(app.f().Galerija(k).Visible()) << k;
        EXPECT_TRUE(app.f().Slika.Visible());
        EXPECT_TRUE(app.f().Paleta(12).Visible());
    }
}

TEST_F(Gallery, ChoosingTheSameDrawingDiscardsTheColouring) {
    PixelBuffer& img = app.f().Slika.image();
    for (int x = 0; x < 750; ++x) img.at(x, 300) = rgb(52, 204, 103);
    ASSERT_FALSE(canvas_holds(app, drawing(1)));
    app.click_on(ctl::MoreImages);
    app.click_on(ctl::thumbnail(1));
    EXPECT_TRUE(canvas_holds(app, drawing(1)));
    EXPECT_EQ(app.f().CurrentPicture, 1);
}

TEST_F(Gallery, AMissingDrawingLeavesEverythingAsItWas) {
    app.click_on(ctl::MoreImages);
    app.hp.pictures.loads.clear();
    app.hp.pictures.failing.insert(app.folder.file(drawing(7)));

    app.click_on(ctl::thumbnail(7));

    EXPECT_EQ(app.hp.pictures.loads, std::vector<std::string>{app.folder.file(drawing(7))});
    EXPECT_TRUE(canvas_holds(app, drawing(1)));
    EXPECT_EQ(app.f().CurrentPicture, 1);
    EXPECT_EQ(app.f().GalleryOpen, 1);
    EXPECT_TRUE(app.f().Back.Visible());
    for (int k = 1; k <= 25; ++k) EXPECT_TRUE(app.f().Galerija(k).Visible()) << k;
    EXPECT_FALSE(app.f().Slika.Visible());
}

TEST_F(Gallery, AClickWhileNotOpenOnlySwitchesScreens) {
    app.click_on(ctl::MoreImages);
    app.f().GalleryOpen = 0;
    app.hp.pictures.loads.clear();

    app.click_on(ctl::thumbnail(4));

    EXPECT_EQ(app.hp.pictures.loads, std::vector<std::string>{app.folder.file("\\PICTURE\\GLAVNA.JPG")});
    EXPECT_TRUE(canvas_holds(app, drawing(1)));
    EXPECT_EQ(app.f().CurrentPicture, 1);
    EXPECT_EQ(app.f().GalleryOpen, 0);
    EXPECT_FALSE(app.f().Galerija(4).Visible());
    EXPECT_TRUE(app.f().Slika.Visible());
}

TEST_F(Gallery, AMissingWhiteImageStopsTheShowingThere) {
    app.hp.pictures.failing.insert(app.folder.file(white(8)));
    app.click_on(ctl::MoreImages);

    EXPECT_EQ(app.f().GalleryOpen, 1);
    for (int n = 1; n <= 25; ++n) EXPECT_EQ(app.f().Galerija(n).Visible(), n < 8) << n;
    EXPECT_EQ(app.hp.pictures.loads.back(), app.folder.file(white(8)));
    EXPECT_EQ(app.f().Galerija(25).Left(), 629) << "the places were set before";

    app.click_on(ctl::Back);
    app.hp.pictures.failing.clear();
    app.click_on(ctl::MoreImages);
    expect_grid_of_white_thumbnails(app);
}

TEST_F(Gallery, OpeningLeavesDisabledThumbnailsDisabled) {
    app.f().galerijski_ekran_zamrznut();
    app.click_on(ctl::MoreImages);
    for (int n = 1; n <= 25; ++n) {
        EXPECT_TRUE(app.f().Galerija(n).Visible()) << n;
        EXPECT_FALSE(app.f().Galerija(n).Enabled()) << n;
    }
    app.click_on(ctl::thumbnail(5));
    EXPECT_EQ(app.f().CurrentPicture, 1) << "a disabled thumbnail ignores the click";
    EXPECT_EQ(app.f().GalleryOpen, 1);
}

}  // namespace
