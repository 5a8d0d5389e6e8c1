// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The start-up check of the 147 picture lengths, on the real asset files.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "platform/asset_path.h"
#include "platform/errors.h"
#include "shell/asset_check_table.h"
#include "tests/support/app_fixture.h"

namespace fs = std::filesystem;

namespace {

// Runs start-up; the status the program ended with, or -1 while it runs on.
int start(App& app) {
    try {
        app.start();
    } catch (const ProcessEnded& e) {
        return e.status;
    }
    return -1;
}

// 1-based position of a name in the check order.
int entry_of(const std::string& name) {
    for (std::size_t i = 0; i < AssetCheckTable.size(); ++i)
        if (name == AssetCheckTable[i].name) return static_cast<int>(i) + 1;
    ADD_FAILURE() << name << " is not in the table";
    return 0;
}

std::vector<std::string> paths_in_check_order(App& app, std::size_t count) {
    std::vector<std::string> paths;
    for (std::size_t i = 0; i < count; ++i)
        paths.push_back(map_asset_path(app.f().AssetRoot + AssetCheckTable[i].name));
    return paths;
}

bool logged(App& app, const std::string& line) {
    return std::find(app.hp.log.begin(), app.hp.log.end(), line) != app.hp.log.end();
}

TEST(AssetCheck, TableCoversTheCatalogueInOrder) {
    ASSERT_EQ(AssetCheckTable.size(), 147u);
    EXPECT_STREQ(AssetCheckTable[0].name, "\\PICTURE\\01.GIF");
    EXPECT_EQ(entry_of("\\PICTURE\\25.GIF"), 25);
    EXPECT_EQ(entry_of("\\PICTURE\\GALERIJA1BELE_01.JPG"), 26);
    EXPECT_EQ(entry_of("\\PICTURE\\GALERIJA1ZUTE_81.JPG"), 75);
    EXPECT_EQ(entry_of("\\PICTURE\\GLAVNA.JPG"), 78);
    EXPECT_EQ(entry_of("\\PICTURE\\CTRLX.JPG"), 127);
    EXPECT_EQ(entry_of("\\PICTURE\\00.GIF"), 130);
    EXPECT_STREQ(AssetCheckTable[146].name, "\\PICTURE\\ZVUCNIK2.JPG");
}

TEST(AssetCheck, TheFullRealSetPasses) {
    App app;
    testing::internal::CaptureStderr();
    EXPECT_EQ(start(app), -1);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(app.hp.runtime.lengths_read, paths_in_check_order(app, AssetCheckTable.size()));
    EXPECT_TRUE(app.hp.display.taken);
    EXPECT_EQ(app.f().CurrentPicture, 1);
}

enum class Damage { GrowOneByte, ShrinkOneByte, Grow64KiB, Empty, Remove };

struct BrokenCase {
    const char* name;
    const char* file;
    Damage damage;
    int stops_at;  // the entry whose reading ends the program
};
void PrintTo(const BrokenCase& c, std::ostream* os) { *os << c.name; }

class BrokenFile : public ::testing::TestWithParam<BrokenCase> {};

// The program ends at the first wrong entry, reading nothing further, with
// the window shown and the display untouched, and says why on one line.
TEST_P(BrokenFile, EndsAtTheFirstWrongEntry) {
    const BrokenCase& c = GetParam();
    App app;
    const std::string path = app.folder.file(c.file);
    const std::string original = read_file(path);
    ASSERT_FALSE(original.empty());
    std::string found_length;
    switch (c.damage) {
    case Damage::GrowOneByte: write_file(path, original + "x"); break;
    case Damage::ShrinkOneByte: write_file(path, original.substr(0, original.size() - 1)); break;
    case Damage::Grow64KiB: write_file(path, original + std::string(65536, '\0')); break;
    case Damage::Empty: write_file(path, ""); break;
    case Damage::Remove: fs::remove(path); break;
    }
    if (c.damage != Damage::Remove) found_length = std::to_string(fs::file_size(path));

    testing::internal::CaptureStderr();
    const int status = start(app);
    const std::string err = testing::internal::GetCapturedStderr();

    EXPECT_NE(status, -1) << "the program must end";
    EXPECT_NE(status, 0) << "a failed check is not a normal end";
    EXPECT_EQ(app.hp.runtime.lengths_read, paths_in_check_order(app, static_cast<std::size_t>(c.stops_at)));
    EXPECT_EQ(entry_of(c.file), c.stops_at);

    // The window has just appeared; the display was never taken.
    ASSERT_GE(app.hp.log.size(), 2u);
    EXPECT_TRUE(logged(app, "show window"));
    EXPECT_FALSE(logged(app, "display take_over"));
    EXPECT_FALSE(app.hp.display.taken);
    EXPECT_EQ(app.f().MusicOff, 0) << "the program state is never initialised";
    // A wrong length removes the key filter first; a missing file ends at once.
    const bool missing = c.damage == Damage::Remove;
    const std::vector<std::string> tail(app.hp.log.end() - 2, app.hp.log.end());
    if (missing) {
        EXPECT_EQ(app.hp.log.back(), "end " + std::to_string(status));
        EXPECT_EQ(app.hp.keyboard.removals, 0);
    } else {
        EXPECT_EQ(tail, (std::vector<std::string>{"hook remove", "end " + std::to_string(status)}));
    }

    // One line on standard error, naming the file and both lengths.
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
    EXPECT_NE(err.find(map_asset_path(app.f().AssetRoot + c.file)), std::string::npos) << err;
    const std::string expected_length = std::to_string(AssetCheckTable[c.stops_at - 1].length);
    EXPECT_NE(err.find(expected_length), std::string::npos) << err;
    if (missing) EXPECT_NE(err.find("missing"), std::string::npos) << err;
    else EXPECT_NE(err.find(found_length), std::string::npos) << err;
}

INSTANTIATE_TEST_SUITE_P(
    Damages, BrokenFile,
    ::testing::Values(
        BrokenCase{"drawing_25_one_byte_longer", "\\PICTURE\\25.GIF", Damage::GrowOneByte, 25},
        BrokenCase{"main_background_missing", "\\PICTURE\\GLAVNA.JPG", Damage::Remove, 78},
        // Equal in the low 16 bits: only a full-width comparison sees it.
        BrokenCase{"main_background_64KiB_longer", "\\PICTURE\\GLAVNA.JPG", Damage::Grow64KiB, 78},
        BrokenCase{"first_entry_one_byte_shorter", "\\PICTURE\\01.GIF", Damage::ShrinkOneByte, 1},
        BrokenCase{"exit_panel_empty", "\\PICTURE\\CTRLX.JPG", Damage::Empty, 127},
        BrokenCase{"last_entry_one_byte_longer", "\\PICTURE\\ZVUCNIK2.JPG", Damage::GrowOneByte, 147},
        BrokenCase{"blank_paper_missing", "\\PICTURE\\00.GIF", Damage::Remove, 130}),
    [](const auto& info) { return std::string(info.param.name); });

// A wrong length while the music plays stops it before the filter goes.
TEST(AssetCheck, AWrongLengthStopsPlayingMusicFirst) {
    App app;
    app.f().MusicPlaying = 1;
    const std::string path = app.folder.file("\\PICTURE\\25.GIF");
    write_file(path, read_file(path) + "x");
    testing::internal::CaptureStderr();
    start(app);
    testing::internal::GetCapturedStderr();
    std::vector<std::string> exit_calls;
    for (const std::string& line : app.hp.log)
        if (line == "music stop" || line == "hook remove" || line.rfind("end ", 0) == 0) exit_calls.push_back(line);
    ASSERT_EQ(exit_calls.size(), 3u);
    EXPECT_EQ(exit_calls[0], "music stop");
    EXPECT_EQ(exit_calls[1], "hook remove");
}

// Files outside the table are never read, so sounds, music and pointers
// may be missing.
TEST(AssetCheck, MissingSoundsMusicAndPointersDoNotStopIt) {
    App app;
    for (const char* folder : {"SOUND", "MUSIC"})
        for (const auto& entry : fs::directory_iterator(app.folder.path() + folder)) fs::remove(entry.path());
    for (const char* pointer : {"\\PICTURE\\KANTICA8.ICO", "\\PICTURE\\CETKA.ICO"}) fs::remove(app.folder.file(pointer));
    EXPECT_EQ(start(app), -1);
    EXPECT_EQ(app.hp.runtime.lengths_read.size(), 147u);
    for (const std::string& p : app.hp.runtime.lengths_read)
        EXPECT_TRUE(p.ends_with(".GIF") || p.ends_with(".JPG")) << p;
    EXPECT_TRUE(app.hp.display.taken);
}

}  // namespace
