// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// Files, folders and programs on Windows under a program folder whose name
// has spaces and letters outside ASCII, as a per-user install has
// (C:\Users\Zoë\AppData\Local\Programs\Rainbow Drop): every call must reach
// it through the UTF-16 interfaces.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/asset_path.h"
#include "platform/errors.h"
#include "platform/file_system.h"
#include "tests/support/program_folder.h"
#include "tests/support/test_system.h"

namespace fs = std::filesystem;

namespace {

class OddFolder : public ::testing::Test {
protected:
    void SetUp() override {
        root_ = make_temporary_folder("Zoë");
        folder_ = root_ + "\\Rainbow Drop Ünïcödé\\";
        fs::create_directories(utf8_path(folder_));
    }
    void TearDown() override {
        std::error_code ec;
        fs::remove_all(utf8_path(root_), ec);
    }
    std::string root_, folder_;
};

TEST_F(OddFolder, FilesAreFoundMeasuredAndReadByTheirUtf8Names) {
    const std::string path = folder_ + "Ćao žuta.JPG";
    write_file(path, "twelve bytes");
    ASSERT_TRUE(fs::exists(utf8_path(path))) << "the test's own write went astray";
    const auto st = regular_file_status(path);
    ASSERT_TRUE(st.has_value());
    EXPECT_EQ(st->size, 12);
    EXPECT_TRUE(path_exists(path));
    EXPECT_TRUE(file_is_readable(path));
    EXPECT_TRUE(file_is_readable(folder_));
    EXPECT_FALSE(regular_file_status(folder_).has_value()) << "a folder is not a regular file";
    EXPECT_EQ(read_file_bytes(path).value_or(std::vector<std::uint8_t>{}).size(), 12u);
    EXPECT_EQ(read_file_bytes(path, 5).value_or(std::vector<std::uint8_t>{}).size(), 5u);
    EXPECT_FALSE(read_file_bytes(folder_ + "missing.JPG").has_value());
    EXPECT_FALSE(regular_file_status(folder_ + "missing.JPG").has_value());
}

TEST_F(OddFolder, TheFileIdentityChangesWhenTheFileIsReplaced) {
    const std::string path = folder_ + "01.GIF";
    write_file(path, "first");
    const auto before = regular_file_status(path);
    ASSERT_TRUE(before.has_value());
    EXPECT_EQ(regular_file_status(path), before) << "an unchanged file looks the same";
    write_file(folder_ + "new", "other");
    fs::rename(utf8_path(folder_ + "new"), utf8_path(path));
    const auto after = regular_file_status(path);
    ASSERT_TRUE(after.has_value());
    EXPECT_NE(after->id, before->id);
}

TEST_F(OddFolder, ReplacingAFileLeavesOnlyTheNewOne) {
    const std::string path = folder_ + "MY_PICTURE\\01.GIF";
    fs::create_directories(utf8_path(folder_ + "MY_PICTURE"));
    write_file(path, "the earlier picture");
    const std::string bytes(300000, 'B');
    replace_file(path, std::span(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size()));
    EXPECT_EQ(read_file(path), bytes);
    int files = 0;
    for (const auto& e : fs::directory_iterator(utf8_path(folder_ + "MY_PICTURE"))) files += e.is_regular_file();
    EXPECT_EQ(files, 1) << "a temporary file was left behind";
}

TEST_F(OddFolder, ReplacingInAMissingFolderFailsAndWritesNothing) {
    const std::string bytes = "BM";
    EXPECT_THROW(replace_file(folder_ + "MY_PICTURE\\01.GIF",
                              std::span(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size())),
                 PlatformError);
    EXPECT_FALSE(fs::exists(utf8_path(folder_ + "MY_PICTURE")));
}

TEST_F(OddFolder, TheCurrentDirectoryCanBeTheProgramFolder) {
    const fs::path before = fs::current_path();
    change_directory(folder_);
    EXPECT_EQ(fs::current_path(), fs::path(utf8_path(folder_)).parent_path());
    fs::current_path(before);
    EXPECT_THROW(change_directory(folder_ + "missing"), PlatformError);
}

TEST_F(OddFolder, OnlyProgramImagesCountAsExecutable) {
    const std::string companion = folder_ + "MARIGOLD.EXE";
    fs::copy_file(utf8_path(std::string(RD_BUILD_DIR) + "/MARIGOLD.EXE"), utf8_path(companion));
    write_file(folder_ + "notes.EXE", "not a program");
    EXPECT_TRUE(file_is_executable(companion));
    EXPECT_FALSE(file_is_executable(folder_ + "notes.EXE"));
    EXPECT_FALSE(file_is_executable(folder_ + "missing.EXE"));
    EXPECT_FALSE(file_is_executable(folder_));
}

// The classic names are Windows names already; only the separators of a
// folder written with forward slashes, and doubled ones, are tidied.
TEST(AssetPathOnWindows, KeepsBackslashesAndMakesDoubledSeparatorsSingle) {
    const struct {
        const char* classic;
        const char* mapped;
    } cases[] = {
        {"C:\\Games\\COLOUR\\PICTURE\\01.GIF", "C:\\Games\\COLOUR\\PICTURE\\01.GIF"},
        {"C:\\Games\\Colour\\\\MUSIC\\001.MID", "C:\\Games\\Colour\\MUSIC\\001.MID"},
        {"D:\\\\PICTURE\\01.GIF", "D:\\PICTURE\\01.GIF"},
        {"Z:/work/build/\\SOUND\\ZUTA.WAV", "Z:\\work\\build\\SOUND\\ZUTA.WAV"},
        {"\\\\server\\share\\Rainbow Drop\\\\PICTURE\\GLAVNA.JPG", "\\\\server\\share\\Rainbow Drop\\PICTURE\\GLAVNA.JPG"},
        {"C:\\Users\\Zoë\\Rainbow Drop\\PICTURE\\01.GIF", "C:\\Users\\Zoë\\Rainbow Drop\\PICTURE\\01.GIF"},
    };
    for (const auto& c : cases) EXPECT_EQ(map_asset_path(c.classic), c.mapped) << c.classic;
}

}  // namespace
