// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The three Ctrl shortcuts and the two panels laid over a frozen screen.
#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "screens/window_definition.h"
#include "shell/web_addresses.h"
#include "tests/support/app_fixture.h"

namespace {

constexpr int kKeyP = 80, kKeyX = 88, kKeyR = 82;
constexpr int kCtrl = 2, kShift = 1;

const std::vector<int> kExitPanel = {ctl::Izlaz, ctl::Da, ctl::Ne};
const std::vector<int> kInfoPanel = {ctl::Registered, ctl::visit_site, ctl::Firma, ctl::Zatvori};

std::vector<int> colouring_screen() {
    std::vector<int> ids = {ctl::Slika, ctl::MoreImages, ctl::MuteWave, ctl::MusicOn, ctl::Rubber,
                            ctl::Papir, ctl::kapljica,   ctl::olovka};
    for (int nn = 1; nn <= ctl::kPaletteCount; ++nn) ids.push_back(ctl::palette(nn));
    return ids;
}

std::vector<int> gallery_screen() {
    std::vector<int> ids = {ctl::Back};
    for (int n = 1; n <= ctl::kThumbnailCount; ++n) ids.push_back(ctl::thumbnail(n));
    return ids;
}

std::string name_of(App& app, int id) { return id == kWindowId ? "FormaMain" : app.window().box(id).name(); }

void expect_panel(App& app, const std::vector<int>& panel, bool shown) {
    for (int id : panel) EXPECT_EQ(app.window().box(id).Visible(), shown) << name_of(app, id);
}

// The colouring screen, current and frozen or not: frozen, Papir leaves the
// view and the 19 others stay drawn but inert.
void expect_colouring(App& app, bool frozen) {
    for (int id : colouring_screen()) {
        const PictureBox& b = app.window().box(id);
        if (id == ctl::Papir) {
            EXPECT_EQ(b.Visible(), !frozen) << "Papir";
            EXPECT_TRUE(b.Enabled()) << "Papir";
        } else {
            EXPECT_TRUE(b.Visible()) << b.name();
            EXPECT_EQ(b.Enabled(), !frozen) << b.name();
        }
    }
}

// The gallery screen, current and frozen or not. Back is frozen with the
// thumbnails, so a panel over the gallery must be answered first.
void expect_gallery(App& app, bool frozen) {
    for (int id : gallery_screen()) {
        const PictureBox& b = app.window().box(id);
        EXPECT_TRUE(b.Visible()) << b.name();
        EXPECT_EQ(b.Enabled(), !frozen) << b.name();
    }
    for (int id : colouring_screen()) {
        EXPECT_FALSE(app.window().box(id).Visible()) << name_of(app, id);
        EXPECT_TRUE(app.window().box(id).Enabled()) << name_of(app, id) << " is not frozen under the gallery";
    }
}

void press_key(App& app, int receiver, int key, int shift) {
    ControlEvent e;
    e.kind = EventKind::KeyDown;
    e.key = key;
    e.shift = shift;
    app.f().dispatch(receiver, e);
}

// ---- Shortcuts: the window and the 20 colouring-screen controls ----

enum class Does { Nothing, Print, Exit, Info };
struct ShortcutCase {
    int key;
    int shift;
    Does does;
};
const ShortcutCase kShortcuts[] = {
    {kKeyP, kCtrl, Does::Print},          {kKeyX, kCtrl, Does::Exit},           {kKeyR, kCtrl, Does::Info},
    {kKeyP, kCtrl | kShift, Does::Nothing}, {kKeyX, kCtrl | kShift, Does::Nothing}, {kKeyR, kCtrl | kShift, Does::Nothing},
    {kKeyP, 0, Does::Nothing},            {kKeyX, 0, Does::Nothing},            {kKeyR, 0, Does::Nothing},
    {kKeyX, kShift, Does::Nothing},       {kKeyX, kCtrl | 4, Does::Nothing},    {'Q', kCtrl, Does::Nothing},
};

class ShortcutReceivers : public ::testing::TestWithParam<int> {};

TEST_P(ShortcutReceivers, CtrlPXRAndNothingElse) {
    App app;
    app.start();
    const int receiver = GetParam();
    for (const ShortcutCase& c : kShortcuts) {
        SCOPED_TRACE(name_of(app, receiver) + " key " + std::to_string(c.key) + " mask " + std::to_string(c.shift));
        const std::size_t printed_before = app.hp.printer.printed.size();
        press_key(app, receiver, c.key, c.shift);
        EXPECT_EQ(app.hp.printer.printed.size() - printed_before, c.does == Does::Print ? 1u : 0u);
        expect_panel(app, kExitPanel, c.does == Does::Exit);
        expect_panel(app, kInfoPanel, c.does == Does::Info);
        expect_colouring(app, c.does == Does::Exit || c.does == Does::Info);
        if (c.does == Does::Exit) app.f().Ne_Click();
        if (c.does == Does::Info) app.f().Zatvori_Click();
        expect_colouring(app, false);
    }
}

INSTANTIATE_TEST_SUITE_P(WindowAndColouringScreen, ShortcutReceivers, ::testing::ValuesIn([] {
                             std::vector<int> ids = {kWindowId};
                             for (int id : colouring_screen()) ids.push_back(id);
                             return ids;
                         }()),
                         [](const auto& info) {
                             if (info.param == kWindowId) return std::string("Form");
                             for (const ControlDefinition& d : kWindowDefinition)
                                 if (d.id == info.param) return std::string(d.name);
                             return std::to_string(info.param);
                         });

// Gallery and panel controls have no key handling: a key they get does nothing.
TEST(Shortcuts, KeysOnGalleryAndPanelControlsDoNothing) {
    App app;
    app.start();
    app.click_on(ctl::MoreImages);
    for (int id : {ctl::thumbnail(1), ctl::thumbnail(25), int{ctl::Back}}) {
        SCOPED_TRACE(name_of(app, id));
        press_key(app, id, kKeyX, kCtrl);
        press_key(app, id, kKeyR, kCtrl);
        press_key(app, id, kKeyP, kCtrl);
        expect_panel(app, kExitPanel, false);
        expect_panel(app, kInfoPanel, false);
        expect_gallery(app, false);
    }
    // Given the focus by a press that is not a click, a thumbnail takes the
    // keys of the real keyboard too.
    const Rect t = app.window().box(ctl::thumbnail(7)).bounds();
    app.press(t.x + t.w / 2, t.y + t.h / 2);
    app.release(1010, 750);
    ASSERT_EQ(app.window().focused(), ctl::thumbnail(7));
    app.key(kKeyX, kCtrl);
    expect_panel(app, kExitPanel, false);
    EXPECT_TRUE(app.hp.printer.printed.empty());

    app.f().AskExit();
    for (int id : {ctl::Izlaz, ctl::Da, ctl::Ne}) {
        press_key(app, id, kKeyR, kCtrl);
        press_key(app, id, kKeyP, kCtrl);
    }
    expect_panel(app, kInfoPanel, false);
    EXPECT_TRUE(app.hp.printer.printed.empty());
}

// A key meant for a control that the panel hid reaches the window instead,
// whose handler answers it.
TEST(Shortcuts, KeyOfAHiddenFocusedControlGoesToTheWindow) {
    App app;
    app.start();
    const Rect p = app.window().box(ctl::Papir).bounds();
    app.press(p.x + p.w / 2, p.y + p.h / 2);
    app.release(1010, 750);
    ASSERT_EQ(app.window().focused(), ctl::Papir);
    app.key(kKeyX, kCtrl);  // Papir_KeyDown; freezing hides Papir
    expect_panel(app, kExitPanel, true);
    ASSERT_FALSE(app.f().Papir.Visible());
    app.key(kKeyR, kCtrl);  // Form_KeyDown
    expect_panel(app, kInfoPanel, true);
}

// ---- Panels ----

struct PanelCase {
    const char* name;
    void (FormaMain::*open)();
    std::vector<int> controls;
    int close_button;
};
void PrintTo(const PanelCase& c, std::ostream* os) { *os << c.name; }

class Panels : public ::testing::TestWithParam<PanelCase> {};

TEST_P(Panels, OpenAndCloseOverTheColouringScreen) {
    const PanelCase& c = GetParam();
    App app;
    app.start();
    (app.f().*c.open)();
    expect_panel(app, c.controls, true);
    expect_colouring(app, true);
    expect_panel(app, gallery_screen(), false);

    // The frozen screen ignores clicks: a click that would fill leaves the
    // canvas as it was.
    const Rect s = app.window().box(ctl::Slika).bounds();
    const std::vector<std::uint32_t> before = app.f().Slika.image().pixels;
    const auto [fx, fy] = [&] {
        const PixelBuffer& img = app.f().Slika.image();
        for (int y = 0; y < img.height; ++y)
            for (int x = 0; x < img.width; ++x)
                if ((img.at(x, y) & 0xFFFFFF) != kBlack) return std::pair{x, y};
        return std::pair{0, 0};
    }();
    app.click(s.x + fx, s.y + fy);
    EXPECT_EQ(app.f().Slika.image().pixels, before);
    // A click on the panel's background does nothing.
    const Rect bg = app.window().box(c.controls[0]).bounds();
    app.click(bg.x + 3, bg.y + bg.h - 3);
    expect_panel(app, c.controls, true);

    app.click_on(c.close_button);
    expect_panel(app, c.controls, false);
    expect_colouring(app, false);
    EXPECT_EQ(app.f().GalleryOpen, 0);
}

TEST_P(Panels, OpenAndCloseOverTheGallery) {
    const PanelCase& c = GetParam();
    App app;
    app.start();
    app.click_on(ctl::MoreImages);
    ASSERT_EQ(app.f().GalleryOpen, 1);
    (app.f().*c.open)();
    expect_panel(app, c.controls, true);
    expect_gallery(app, true);

    app.click_on(ctl::thumbnail(7));  // disabled: no drawing is chosen
    EXPECT_EQ(app.f().GalleryOpen, 1);
    EXPECT_EQ(app.f().CurrentPicture, 1);

    app.click_on(c.close_button);
    expect_panel(app, c.controls, false);
    expect_gallery(app, false);
    app.click_on(ctl::thumbnail(7));
    EXPECT_EQ(app.f().CurrentPicture, 7);
}

TEST_P(Panels, OpeningTwiceNeedsOneClose) {
    const PanelCase& c = GetParam();
    App app;
    app.start();
    (app.f().*c.open)();
    (app.f().*c.open)();
    expect_panel(app, c.controls, true);
    expect_colouring(app, true);
    app.click_on(c.close_button);
    expect_panel(app, c.controls, false);
    expect_colouring(app, false);
}

INSTANTIATE_TEST_SUITE_P(
    ExitAndInfo, Panels,
    ::testing::Values(PanelCase{"exit", &FormaMain::AskExit, kExitPanel, ctl::Ne},
                      PanelCase{"info", &FormaMain::ShowInfoPanel, kInfoPanel, ctl::Zatvori}),
    [](const auto& info) { return std::string(info.param.name); });

// A point of the shared panel rectangle, outside every panel button, where
// the two panel pictures differ.
std::pair<int, int> telling_point(App& app) {
    const Rect r = app.window().box(ctl::Izlaz).bounds();
    const PictureData& exit_pic = *app.window().box(ctl::Izlaz).picture();
    const PictureData& info_pic = *app.window().box(ctl::Registered).picture();
    for (int y = 0; y < r.h; ++y)
        for (int x = 0; x < r.w; ++x) {
            bool on_button = false;
            for (int id : {ctl::Da, ctl::Ne, ctl::visit_site, ctl::Firma, ctl::Zatvori})
                on_button = on_button || app.window().box(id).bounds().contains(r.x + x, r.y + y);
            if (!on_button && (exit_pic.at(x, y) & 0xFFFFFF) != (info_pic.at(x, y) & 0xFFFFFF))
                return {x, y};
        }
    ADD_FAILURE() << "the two panel pictures are alike everywhere";
    return {0, 0};
}

// Either panel may open over the other. The exit panel lies in front, covering
// Zatvori; each close unfreezes the screen, whether or not the other panel is
// still shown.
TEST(PanelOverlap, BothOpenInEitherOrderClosedInEitherOrder) {
    for (bool exit_opened_first : {true, false})
        for (bool exit_closed_first : {true, false}) {
            SCOPED_TRACE(std::string(exit_opened_first ? "exit panel opened first" : "info panel opened first") +
                         (exit_closed_first ? ", Ne first" : ", Zatvori first"));
            App app;
            app.start();
            const auto [px, py] = telling_point(app);
            const Rect r = app.window().box(ctl::Izlaz).bounds();
            const Colour exit_pixel = app.window().box(ctl::Izlaz).picture()->at(px, py) & 0xFFFFFF;
            const Colour info_pixel = app.window().box(ctl::Registered).picture()->at(px, py) & 0xFFFFFF;

            app.key(exit_opened_first ? kKeyX : kKeyR, kCtrl);
            app.key(exit_opened_first ? kKeyR : kKeyX, kCtrl);
            expect_panel(app, kExitPanel, true);
            expect_panel(app, kInfoPanel, true);
            expect_colouring(app, true);
            EXPECT_EQ(app.screen(r.x + px, r.y + py), exit_pixel);
            app.click_on(ctl::Zatvori);  // lands on the exit panel's background
            expect_panel(app, kInfoPanel, true);

            if (exit_closed_first) app.click_on(ctl::Ne);
            else app.f().Zatvori_Click();
            expect_panel(app, kExitPanel, !exit_closed_first);
            expect_panel(app, kInfoPanel, exit_closed_first);
            expect_colouring(app, false);
            EXPECT_EQ(app.screen(r.x + px, r.y + py), exit_closed_first ? info_pixel : exit_pixel);

            if (exit_closed_first) app.click_on(ctl::Zatvori);
            else app.click_on(ctl::Ne);
            expect_panel(app, kExitPanel, false);
            expect_panel(app, kInfoPanel, false);
            expect_colouring(app, false);
        }
}

// The web links minimise the window and open the address; the panel stays
// open over the frozen screen and closes normally afterwards.
TEST(WebLinks, MinimiseAndOpen) {
    App app;
    app.start();
    app.key(kKeyR, kCtrl);
    app.click_on(ctl::visit_site);
    EXPECT_EQ(app.hp.shell.minimised, 1);
    app.click_on(ctl::Firma);
    EXPECT_EQ(app.hp.shell.minimised, 2);
    const std::vector<std::string> expected = {product_web_address(app.f().AppFolder),
                                               maker_web_address(app.f().AppFolder)};
    EXPECT_EQ(app.hp.shell.urls, expected);
    EXPECT_NE(expected[0], expected[1]);
    // Minimising comes first, so the browser opens in front.
    std::vector<std::string> shell_calls;
    for (const std::string& line : app.hp.log)
        if (line == "minimise window" || line.rfind("open ", 0) == 0) shell_calls.push_back(line);
    EXPECT_EQ(shell_calls, (std::vector<std::string>{"minimise window", "open " + expected[0], "minimise window",
                                                     "open " + expected[1]}));
    expect_panel(app, kInfoPanel, true);
    expect_colouring(app, true);

    app.click_on(ctl::Zatvori);
    expect_panel(app, kInfoPanel, false);
    expect_colouring(app, false);
}

// Each address is complete; unless the build names web pages of its own,
// they are the about and credits pages that the build puts beside the program.
TEST(WebLinks, AddressesAreFullOrTheShippedPages) {
    const std::string folder = std::string(RD_BUILD_DIR) + "/";
    const std::string product = product_web_address(folder);
    const std::string maker = maker_web_address(folder);
    for (const auto& [url, page] : {std::pair{product, "about.html"}, std::pair{maker, "credits.html"}}) {
        ASSERT_NE(url.find(':'), std::string::npos) << url;
        if (url.rfind("file://", 0) == 0) {
            EXPECT_EQ(url, shipped_page_address(folder, page));
            EXPECT_TRUE(std::filesystem::is_regular_file(folder + page)) << folder + page;
        }
    }
    EXPECT_EQ(shipped_page_address("/opt/Rainbow Drop/Bojanka é#1/", "about.html"),
              "file:///opt/Rainbow%20Drop/Bojanka%20%C3%A9%231/about.html");
}

// A Windows program folder: drive letter, backslashes, spaces and letters
// outside ASCII, as SDL reports the folder there.
TEST(WebLinks, AWindowsFolderBecomesAFileAddressWithItsDrive) {
    const struct {
        const char* folder;
        const char* address;
    } cases[] = {
        {"C:\\Users\\Zoë\\AppData\\Local\\Programs\\Rainbow Drop\\",
         "file:///C:/Users/Zo%C3%AB/AppData/Local/Programs/Rainbow%20Drop/about.html"},
        {"d:\\", "file:///d:/about.html"},
        {"Z:/work/build/", "file:///Z:/work/build/about.html"},
    };
    for (const auto& c : cases) EXPECT_EQ(shipped_page_address(c.folder, "about.html"), c.address) << c.folder;
}

}  // namespace
