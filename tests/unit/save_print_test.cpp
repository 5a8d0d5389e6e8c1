// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// Ctrl+P: the saved bitmap beside the program, the notice, the printed page,
// on the headless back-end with the real picture files and the real decoder.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "tests/support/app_fixture.h"
#include "tests/support/save_print_steps.h"

namespace fs = std::filesystem;

namespace {

TEST(SaveAndPrint, SavesTheCanvasAsShownAsA24BitBitmapThenNoticeThenPrints) {
    App app;
    app.start();
    const std::vector<std::uint32_t> shown = colour_the_canvas(app);
    app.hp.log.clear();
    bool notice_during_wait = false;
    bool printed_during_wait = true;
    double wait_started = 0;
    app.hp.host.on_wait = [&] {
        notice_during_wait = app.f().PrintPict.Visible();
        printed_during_wait = !app.hp.printer.printed.empty();
        wait_started = app.hp.runtime.clock;
    };
    ctrl_p(app);

    const std::string bytes = read_file(saved_path(app));
    ASSERT_GE(bytes.size(), 54u);
    EXPECT_EQ(bytes.substr(0, 2), "BM");
    EXPECT_EQ(static_cast<unsigned char>(bytes[28]), 24) << "bits per pixel";
    EXPECT_EQ(decoded(app, saved_path(app)), shown);

    // The canvas now holds the saved file as its picture; nothing changed on screen.
    EXPECT_EQ(rgb_of(*app.f().Slika.picture()), shown);
    EXPECT_EQ(app.f().Slika.displayed().pixels, shown);
    EXPECT_EQ(app.screen(30 + 100, 29 + 100), shown[100 * W + 100]);

    EXPECT_TRUE(notice_during_wait);
    EXPECT_FALSE(printed_during_wait);
    EXPECT_FALSE(app.f().PrintPict.Visible());
    EXPECT_GE(app.hp.runtime.clock - wait_started, 3.0);
    ASSERT_EQ(app.hp.printer.printed.size(), 1u);
    EXPECT_EQ(rgb_of(app.hp.printer.printed[0]), shown);
    EXPECT_EQ(app.hp.printer.colour[0], true);
    EXPECT_EQ(names_in(app.folder.path() + "MY_PICTURE"), std::vector<std::string>{"01.GIF"});
}

TEST(SaveAndPrint, WithoutTheFolderNothingIsSavedShownOrPrintedAndTheNextTryWorks) {
    App app;
    app.start();
    const std::vector<std::uint32_t> shown = colour_the_canvas(app);
    fs::remove_all(app.folder.path() + "MY_PICTURE");
    app.hp.log.clear();
    bool notice = false;
    app.hp.host.on_wait = [&] { notice = app.f().PrintPict.Visible(); };
    ctrl_p(app);
    EXPECT_FALSE(fs::exists(app.folder.path() + "MY_PICTURE")) << "the program does not create the folder";
    EXPECT_FALSE(notice);
    EXPECT_EQ(count(app.hp.log, "wait"), 0);
    EXPECT_FALSE(app.f().PrintPict.Visible());
    EXPECT_TRUE(app.hp.printer.printed.empty());
    EXPECT_EQ(app.f().Slika.displayed().pixels, shown);

    // A failed try must not leave Ctrl+P locked.
    app.hp.host.on_wait = nullptr;
    fs::create_directory(app.folder.path() + "MY_PICTURE");
    ctrl_p(app);
    EXPECT_EQ(decoded(app, saved_path(app)), shown);
    EXPECT_EQ(app.hp.printer.printed.size(), 1u);
}

TEST(SaveAndPrint, ASecondSaveReplacesTheFirstAndPrintsASecondPage) {
    App app;
    app.start();
    colour_the_canvas(app);
    ctrl_p(app);
    fill_at_first_white(app, 200, 200, rgb(255, 102, 0));
    const std::vector<std::uint32_t> second = app.f().Slika.displayed().pixels;
    ctrl_p(app);
    EXPECT_EQ(decoded(app, saved_path(app)), second);
    EXPECT_EQ(app.hp.printer.printed.size(), 2u);
    EXPECT_EQ(names_in(app.folder.path() + "MY_PICTURE"), std::vector<std::string>{"01.GIF"});
}

TEST(SaveAndPrint, CtrlPWhileOneRunsIsIgnored) {
    App app;
    app.start();
    colour_the_canvas(app);
    app.hp.log.clear();
    // The key held down: auto-repeat arrives during the notice.
    app.hp.host.on_wait = [&] {
        for (int i = 0; i < 5; ++i) app.hp.host.post({InputEvent::Type::KeyDown, 0, 0, 0, shiftmask::kCtrl, kKeyP});
    };
    ctrl_p(app);
    EXPECT_EQ(app.hp.printer.printed.size(), 1u);
    EXPECT_EQ(count(app.hp.log, "save "), 1);
    // Once it has finished, the next press prints again.
    ctrl_p(app);
    EXPECT_EQ(app.hp.printer.printed.size(), 2u);
}

TEST(SaveAndPrint, WithoutAPrinterTheFileIsSavedAndTheNoticeComesAndGoesSilently) {
    App app;
    app.start();
    const std::vector<std::uint32_t> shown = colour_the_canvas(app);
    app.hp.printer.available = false;
    bool notice = false;
    app.hp.host.on_wait = [&] { notice = app.f().PrintPict.Visible(); };
    EXPECT_NO_THROW(ctrl_p(app));
    EXPECT_EQ(decoded(app, saved_path(app)), shown);
    EXPECT_TRUE(notice);
    EXPECT_FALSE(app.f().PrintPict.Visible());
    EXPECT_TRUE(app.hp.printer.printed.empty());
    EXPECT_EQ(count(app.hp.log, "print"), 1) << "printing was tried once";
}

// What happens on the canvas during the notice decides what is printed: a
// picture put in replaces the saved one, painting does not.
struct DuringWaitCase {
    const char* name;
    std::function<void(App&)> act;
    bool prints_blank_sheet;
};

void PrintTo(const DuringWaitCase& c, std::ostream* os) { *os << c.name; }

class DuringTheNotice : public ::testing::TestWithParam<DuringWaitCase> {};

TEST_P(DuringTheNotice, DecidesWhatIsPrinted) {
    const DuringWaitCase& c = GetParam();
    App app;
    app.start();
    const std::vector<std::uint32_t> saved = colour_the_canvas(app);
    app.hp.host.on_wait = [&] { c.act(app); };
    ctrl_p(app);
    ASSERT_EQ(app.hp.printer.printed.size(), 1u);
    const Picture blank = app.decoder.load_uncached(app.folder.file("\\PICTURE\\00.GIF"));
    EXPECT_EQ(rgb_of(app.hp.printer.printed[0]), c.prints_blank_sheet ? rgb_of(*blank) : saved);
    EXPECT_EQ(decoded(app, saved_path(app)), saved);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DuringTheNotice,
    ::testing::Values(DuringWaitCase{"blank_paper", [](App& app) { app.click_on(ctl::Papir); }, true},
                      DuringWaitCase{"painting",
                                     // Below the notice, which covers the middle of the canvas.
                                     [](App& app) { fill_at_first_white(app, 0, 520, rgb(255, 0, 255)); }, false}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
