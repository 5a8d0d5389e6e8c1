// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// Ctrl+P: the saved bitmap beside the program, the notice, the printed page,
// on the headless back-end with the real picture files and the real decoder.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "tests/support/app_fixture.h"

namespace fs = std::filesystem;

namespace {

constexpr int W = 750, H = 600;
constexpr int kKeyP = 80;

std::string saved_path(App& app) { return app.folder.file("\\MY_PICTURE\\01.GIF"); }

void ctrl_p(App& app) { app.key(kKeyP, shiftmask::kCtrl); }

// Colours the area under the first white pixel found from (sx, sy) onwards.
void fill_at_first_white(App& app, int sx, int sy, Colour c) {
    const PixelBuffer& img = app.f().Slika.image();
    for (int y = sy; y < H; y += 5)
        for (int x = sx; x < W; x += 5)
            if (img.at(x, y) == kWhite) {
                app.f().FillMode = -1;
                app.f().CurrentColor = c;
                app.click(30 + x, 29 + y);
                ASSERT_EQ(img.at(x, y), c);
                return;
            }
    FAIL() << "no white pixel left to colour";
}

// The canvas as shown, plus a brush stroke on top of the fill, so the
// capture has more than one kind of painting to keep.
std::vector<std::uint32_t> colour_the_canvas(App& app) {
    fill_at_first_white(app, 0, 0, rgb(52, 204, 103));
    app.f().FillMode = 0;
    app.f().CurrentColor = rgb(0, 0, 255);
    app.press(30 + 100, 29 + 100);
    app.hp.host.post({InputEvent::Type::MouseMove, 30 + 300, 29 + 140, mouse::kLeft, 0, 0});
    app.hp.host.run_pending();
    app.release(30 + 300, 29 + 140);
    return app.f().Slika.displayed().pixels;
}

// The saved file decoded by SDL_image, as 0x00BBGGRR.
std::vector<std::uint32_t> decoded(App& app, const std::string& path) {
    const Picture p = app.decoder.load_uncached(path);
    EXPECT_EQ(p->width, W);
    EXPECT_EQ(p->height, H);
    std::vector<std::uint32_t> px;
    for (std::uint32_t c : p->pixels) px.push_back(c & 0xFFFFFF);
    return px;
}

std::vector<std::uint32_t> rgb_of(const PictureData& p) {
    std::vector<std::uint32_t> px;
    for (std::uint32_t c : p.pixels) px.push_back(c & 0xFFFFFF);
    return px;
}

std::vector<std::string> names_in(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(folder)) names.push_back(e.path().filename().string());
    return names;
}

int count(const std::vector<std::string>& log, const std::string& prefix) {
    int n = 0;
    for (const std::string& e : log) n += e.rfind(prefix, 0) == 0;
    return n;
}

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
