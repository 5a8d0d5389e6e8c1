// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The real window and its event loop: one borderless window, the composed
// frame on the window's surface, events waited for (no busy polling) and
// routed through the toolkit, a render after each batch.
#include <map>

#include "platform/display_mapping.h"
#include "platform/frame_scaler.h"
#include "platform/services.h"
#include "platform/toolkit/window.h"

struct SDL_Window;
struct SDL_Renderer;
struct SDL_Texture;
struct SDL_Cursor;
struct SDL_Surface;
union SDL_Event;
class SdlKeyboardHook;
class SdlShell;

class SdlHost : public IHost, public IDisplay {
public:
    SdlHost(IRuntime& runtime, SdlKeyboardHook& keyboard, const Picture& icon);
    ~SdlHost() override;
    void attach(Window* window, SdlShell* shell) {
        window_ = window;
        shell_ = shell;
    }

    // IHost
    void show_window(bool visible) override;
    void yield_events() override;
    void wait_events_until(double deadline) override;
    void present_now() override { render(false); }
    void sleep_until(double deadline) override;

    // IDisplay: exclusive full screen at 1024 x 768 where the display offers
    // that mode, else full screen with the picture scaled and letter-boxed.
    void take_over() override;
    void restore_mode() override;

    void minimise();
    // Runs the loop until the program ends (ProcessEnded unwinds through it).
    [[noreturn]] void run();
    SDL_Window* sdl_window() { return win_; }
    // Milliseconds the last render took (for measuring).
    double last_render_ms() const { return last_render_ms_; }
    // How the frame is shown on the screen now.
    const DisplayMapping& mapping() const { return mapping_; }
    // How a scaled frame is filtered (linear unless a benchmark compares).
    void set_scaling(Scaling scaling);

private:
    void handle(const SDL_Event& e);
    void handle_key(const SDL_Event& e);
    void render(bool force = false);
    void route_pointer(InputEvent in, int sx, int sy);
    void fit_to(int width, int height);
    void update_cursor(int x, int y);
    void after_batch();

    IRuntime& runtime_;
    SdlKeyboardHook& keyboard_;
    Window* window_ = nullptr;
    SdlShell* shell_ = nullptr;
    SDL_Window* win_ = nullptr;
    std::map<const CursorImage*, SDL_Cursor*> cursors_;
    const CursorImage* shown_cursor_ = nullptr;
    bool fullscreen_ = false;
    DisplayMapping mapping_{Window::kWidth, Window::kHeight, Window::kWidth, Window::kHeight};
    FrameScaler scaler_{mapping_};
    Scaling scaling_ = Scaling::Linear;
    int painted_w_ = 0, painted_h_ = 0;
    SDL_Surface* staging_ = nullptr;
    double last_render_ms_ = 0;
};
