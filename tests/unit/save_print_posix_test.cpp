// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// Ctrl+P meeting POSIX file-system faults: a file-size limit that stops the
// write half-way, and a symbolic link planted where the picture is saved.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/app_fixture.h"
#include "tests/support/save_print_steps.h"

namespace {

// Lowers the largest file this process may write, as a full disk would stop a
// write half-way; restored on leaving.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        old_handler_ = std::signal(SIGXFSZ, SIG_IGN);
        ::getrlimit(RLIMIT_FSIZE, &old_);
        rlimit lower = old_;
        lower.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &lower);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, old_handler_);
    }

private:
    rlimit old_{};
    void (*old_handler_)(int) = nullptr;
};

TEST(SaveAndPrint, AWriteThatFailsHalfWayKeepsThePreviousPicture) {
    App app;
    app.start();
    colour_the_canvas(app);
    ctrl_p(app);
    const std::string first = read_file(saved_path(app));
    ASSERT_GT(first.size(), 100'000u);

    fill_at_first_white(app, 200, 200, rgb(255, 102, 0));
    const std::vector<std::uint32_t> shown = app.f().Slika.displayed().pixels;
    app.hp.log.clear();
    {
        FileSizeLimit limit(64 * 1024);
        ctrl_p(app);
    }
    EXPECT_EQ(read_file(saved_path(app)), first);
    EXPECT_EQ(names_in(app.folder.path() + "MY_PICTURE"), std::vector<std::string>{"01.GIF"}) << "no half file left";
    EXPECT_EQ(count(app.hp.log, "wait"), 0) << "no notice";
    EXPECT_EQ(app.hp.printer.printed.size(), 1u) << "nothing more printed";
    EXPECT_EQ(app.f().Slika.displayed().pixels, shown);
}

TEST(SaveAndPrint, ALinkPlantedAtTheFileIsReplacedNotWrittenThrough) {
    App app;
    app.start();
    const std::string victim = app.folder.path() + "victim.txt";
    write_file(victim, "keep me");
    fs::create_symlink(victim, saved_path(app));
    const std::vector<std::uint32_t> shown = colour_the_canvas(app);
    ctrl_p(app);
    EXPECT_EQ(read_file(victim), "keep me");
    struct stat st {};
    ASSERT_EQ(::lstat(saved_path(app).c_str(), &st), 0);
    EXPECT_TRUE(S_ISREG(st.st_mode));
    EXPECT_EQ(decoded(app, saved_path(app)), shown);
}

}  // namespace
