// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The decoded-picture cache: every load still answers for the file as it is
// now, and a file that has not changed is decoded once.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <set>
#include <string>
#include <thread>

#include "platform/file_system.h"
#include "tests/support/app_fixture.h"
#include "tests/support/test_system.h"

namespace {

namespace fs = std::filesystem;

// Files written moments ago are not trusted by the cache (their time stamps
// could still repeat); wait until the copied assets have settled.
void let_files_settle() { std::this_thread::sleep_for(std::chrono::milliseconds(60)); }

TEST(PictureCache, NoUnchangedFileIsDecodedTwiceInASession) {
    App app;
    let_files_settle();
    app.start();
    const std::size_t decodes_before = app.decoder.decodes();
    app.hp.pictures.loads.clear();

    for (int round = 0; round < 3; ++round) {
        app.move(1010, 5);
        app.hover(ctl::PaletaSiva);
        app.hover(ctl::MusicOn);
        app.click_on(ctl::PaletaBraon);
        app.hover(ctl::Slika);
        app.click_on(ctl::MoreImages);
        for (int n : {3, 4, 9, 25}) {
            app.hover(ctl::thumbnail(n));
            app.move(1010, 300);
        }
        app.click_on(round == 1 ? ctl::thumbnail(7) : ctl::Back);
    }

    const std::set<std::string> distinct(app.hp.pictures.loads.begin(), app.hp.pictures.loads.end());
    ASSERT_GT(app.hp.pictures.loads.size(), 3 * distinct.size()) << "the session loads most files many times";
    EXPECT_EQ(app.decoder.decodes() - decodes_before, distinct.size());
}

// One way of changing a file on disk, starting from a settled cache entry.
struct Change {
    const char* name;
    std::function<void(const std::string& path, const std::string& other)> apply;
};

void keep_old_mtime(const std::string& path, const FileStatus& before) {
    set_modification_time(path, before.mtime_ns);
}

FileStatus status_of(const std::string& path) { return regular_file_status(path).value_or(FileStatus{}); }

// Another picture's bytes padded to this file's exact size: JPEG decoders
// stop at the end-of-image marker, so the padding is never read.
void rewrite_same_size_in_place(const std::string& path, const std::string& other) {
    const FileStatus before = status_of(path);
    std::string bytes = read_file(other);
    ASSERT_LE(bytes.size(), static_cast<std::size_t>(before.size));
    bytes.resize(static_cast<std::size_t>(before.size), '\0');
    write_file(path, bytes);
    keep_old_mtime(path, before);
}

const Change kChanges[] = {
    {"rewritten in place, same size, old modification time", rewrite_same_size_in_place},
    {"replaced by another file", [](const std::string& path, const std::string& other) {
         fs::copy_file(other, path + ".new");
         fs::rename(path + ".new", path);
     }},
    {"removed", [](const std::string& path, const std::string&) { fs::remove(path); }},
    {"corrupted, same size", [](const std::string& path, const std::string&) {
         const FileStatus before = status_of(path);
         write_file(path, std::string(static_cast<std::size_t>(before.size), 'x'));
         keep_old_mtime(path, before);
     }},
    {"emptied", [](const std::string& path, const std::string&) { write_file(path, ""); }},
    {"unreadable directory in its place", [](const std::string& path, const std::string&) {
         fs::remove(path);
         fs::create_directory(path);
     }},
};

// What a decoder without any memory makes of the file now.
std::string outcome(SdlPictures& decoder, const std::string& path) {
    try {
        const Picture p = decoder.load(path);
        std::string s = std::to_string(p->width) + "x" + std::to_string(p->height) + ":";
        std::uint64_t h = 1469598103934665603ull;
        for (std::uint32_t px : p->pixels) h = (h ^ px) * 1099511628211ull;
        return s + std::to_string(h);
    } catch (const std::exception&) {
        return "fails";
    }
}

TEST(PictureCache, AChangedMissingOrCorruptFileBehavesAsWithoutTheCache) {
    for (const Change& change : kChanges) {
        SCOPED_TRACE(change.name);
        ProgramFolder folder;
        // The larger file is the one changed, so the other fits into its size.
        std::string path = folder.file("\\PICTURE\\MOREIMAGES1.JPG");
        std::string other = folder.file("\\PICTURE\\BACK1.JPG");
        if (fs::file_size(other) > fs::file_size(path)) std::swap(path, other);
        let_files_settle();
        SdlPictures cached;
        const std::string first = outcome(cached, path);
        ASSERT_NE(first, "fails");
        ASSERT_EQ(outcome(cached, path), first);
        ASSERT_NE(outcome(cached, other), first) << "the two files must differ for the check to mean anything";

        change.apply(path, other);

        SdlPictures fresh;
        const std::string now = outcome(fresh, path);
        EXPECT_EQ(outcome(cached, path), now);
        EXPECT_NE(now, first);
    }
}

TEST(PictureCache, AFileWrittenMomentsAgoIsDecodedAgainUntilItSettles) {
    ProgramFolder folder;
    const std::string path = folder.file("\\PICTURE\\BACK2.JPG");
    const std::string bytes = read_file(path);
    SdlPictures decoder;
    const auto written = std::chrono::steady_clock::now();
    write_file(path, bytes);
    decoder.load(path);
    decoder.load(path);
    // Only meaningful when both loads came within a clock tick of the write.
    if (std::chrono::steady_clock::now() - written < std::chrono::milliseconds(10)) {
        EXPECT_EQ(decoder.decodes(), 2u) << "a write within the same clock tick would leave every stamp unchanged";
    }
    // Once the file has settled it is decoded at most once more (whether the
    // last load still counted it as fresh depends on the machine's timing),
    // and then never again while it stays unchanged.
    const std::size_t fresh_decodes = decoder.decodes();
    let_files_settle();
    decoder.load(path);
    const std::size_t settled = decoder.decodes();
    EXPECT_LE(settled, fresh_decodes + 1);
    decoder.load(path);
    decoder.load(path);
    EXPECT_EQ(decoder.decodes(), settled);
}

}  // namespace
