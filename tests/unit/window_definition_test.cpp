// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The window as created: the controls, their places, pictures, pointers,
// focus order and visibility.
#include <gtest/gtest.h>

#include <set>

#include "screens/window_definition.h"
#include "tests/support/app_fixture.h"

namespace {

TEST(WindowDefinition, FiftySixControlsWithDistinctNamesFocusOrdersAndAStackingOfAllBoxes) {
    std::set<std::string_view> names{"lblPlay", "tmrRepeat"};
    std::set<int> focus{50};  // the label's
    for (const ControlDefinition& d : kWindowDefinition) {
        names.insert(d.name);
        focus.insert(d.focus_order);
    }
    EXPECT_EQ(names.size(), 56u);
    EXPECT_EQ(focus.size(), 55u);
    EXPECT_EQ(*focus.begin(), 0);
    EXPECT_EQ(*focus.rbegin(), 54);
    EXPECT_EQ(std::set<int>(kStackingFrontToBack.begin(), kStackingFrontToBack.end()).size(), 54u);
    EXPECT_EQ(kStackingFrontToBack.back(), ctl::Slika);
    EXPECT_EQ(kStackingFrontToBack.front(), ctl::Papir);
}

TEST(WindowDefinition, EveryShownControlLiesInsideTheScreenArea) {
    for (const ControlDefinition& d : kWindowDefinition) {
        if (d.id >= ctl::Galerija1 && d.id <= ctl::Galerija25) continue;  // placed when the gallery opens
        EXPECT_LE(d.left + d.width, 1017) << d.name;
        EXPECT_LE(d.top + d.height, 761) << d.name;
    }
}

TEST(WindowDefinition, InitialPicturesAreTheAssetFilesAndOnlyTheColouringScreenShows) {
    App app;
    for (const ControlDefinition& d : kWindowDefinition) {
        SCOPED_TRACE(std::string(d.name));
        const PictureBox& box = app.window().box(d.id);
        EXPECT_EQ(box.Visible(), d.visible);
        EXPECT_TRUE(box.Enabled());
        EXPECT_EQ(box.bounds().w, d.width);
        if (d.initial_picture.empty()) {
            EXPECT_FALSE(box.picture());
            continue;
        }
        const Picture file = app.decoder.load(app.folder.path() + std::string(d.initial_picture));
        ASSERT_TRUE(box.picture());
        EXPECT_TRUE(same_pixels(*box.picture(), *file));
    }
    const Picture glavna = app.decoder.load(app.folder.file("\\PICTURE\\GLAVNA.JPG"));
    EXPECT_TRUE(same_pixels(*app.window().background(), *glavna));
    int visible = 0;
    for (int id = 0; id < ctl::BoxCount; ++id) visible += app.window().box(id).Visible();
    EXPECT_EQ(visible, 20);
    EXPECT_FALSE(app.f().lblPlay.visible);
    EXPECT_FALSE(app.f().tmrRepeat.Enabled());
}

TEST(WindowDefinition, PointersCarryTheirHotSpots) {
    App app;
    struct Case {
        int id, w, hx, hy;
    } cases[] = {{ctl::Slika, 32, 16, 16}, {ctl::kapljica, 32, 12, 1}, {ctl::PaletaPink, 64, 32, 32}, {ctl::Back, 32, 0, 0}};
    for (const Case& c : cases) {
        const Cursor& cur = app.window().box(c.id).cursor();
        ASSERT_TRUE(cur) << c.id;
        EXPECT_EQ(cur->picture->width, c.w);
        EXPECT_EQ(cur->hot_x, c.hx);
        EXPECT_EQ(cur->hot_y, c.hy);
    }
    EXPECT_FALSE(app.window().box(ctl::Izlaz).cursor()) << "the platform's standard arrow";
}

}  // namespace
