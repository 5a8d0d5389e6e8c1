// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/sdl/sdl_host.h"

#include <SDL.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>

#include "platform/errors.h"
#include "platform/key_record.h"
#include "platform/sdl/sdl_keys.h"
#include "platform/sdl/sdl_services.h"

namespace {

SDL_Surface* surface_of(const PictureData& p) {
    SDL_Surface* s = SDL_CreateRGBSurfaceWithFormat(0, p.width, p.height, 32, SDL_PIXELFORMAT_ABGR8888);
    if (!s) return nullptr;
    for (int y = 0; y < p.height; ++y)
        std::copy_n(&p.pixels[static_cast<std::size_t>(y) * p.width], p.width,
                    reinterpret_cast<std::uint32_t*>(static_cast<std::uint8_t*>(s->pixels) + y * s->pitch));
    return s;
}

// SDL does not say which signal it was; report the usual one, SIGTERM.
constexpr int kStoppedFromOutside = 128 + 15;

int mouse_bit(int sdl_button) {
    switch (sdl_button) {
    case SDL_BUTTON_LEFT: return 1;
    case SDL_BUTTON_RIGHT: return 2;
    case SDL_BUTTON_MIDDLE: return 4;
    default: return 0;
    }
}

}  // namespace

SdlHost::SdlHost(IRuntime& runtime, SdlKeyboardHook& keyboard, const Picture& icon)
    : runtime_(runtime), keyboard_(keyboard) {
    // The frame goes to the window through X shared memory: no GL context,
    // which would cost tens of megabytes and a GPU round trip per change.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    win_ = SDL_CreateWindow("Rainbow Drop", 0, 0, Window::kWidth, Window::kHeight,
                            SDL_WINDOW_BORDERLESS | SDL_WINDOW_HIDDEN);
    if (!win_) throw PlatformError(std::string("cannot open the window: ") + SDL_GetError());
    if (icon) {
        if (SDL_Surface* s = surface_of(*icon)) {
            SDL_SetWindowIcon(win_, s);
            SDL_FreeSurface(s);
        }
    }
}

SdlHost::~SdlHost() {
    for (auto& [_, c] : cursors_) SDL_FreeCursor(c);
    if (staging_) SDL_FreeSurface(staging_);
    if (win_) {
        if (fullscreen_) SDL_SetWindowFullscreen(win_, 0);
        SDL_DestroyWindow(win_);
    }
}

void SdlHost::show_window(bool visible) {
    if (visible) {
        SDL_ShowWindow(win_);
        SDL_RaiseWindow(win_);
        if (window_) window_->invalidate_all();
        render(true);
    } else {
        SDL_HideWindow(win_);
    }
}

void SdlHost::take_over() {
    const int display = std::max(0, SDL_GetWindowDisplayIndex(win_));
    SDL_DisplayMode found{};
    bool exact = false;
    const int n = SDL_GetNumDisplayModes(display);
    for (int i = 0; i < n; ++i) {
        SDL_DisplayMode m{};
        if (SDL_GetDisplayMode(display, i, &m) == 0 && m.w == Window::kWidth && m.h == Window::kHeight &&
            SDL_BITSPERPIXEL(m.format) >= 24) {
            found = m;
            exact = true;
            break;
        }
    }
    if (exact) {
        if (SDL_SetWindowDisplayMode(win_, &found) != 0 || SDL_SetWindowFullscreen(win_, SDL_WINDOW_FULLSCREEN) != 0)
            exact = false;
    }
    if (!exact && SDL_SetWindowFullscreen(win_, SDL_WINDOW_FULLSCREEN_DESKTOP) != 0)
        throw PlatformError(std::string("cannot take over the display: ") + SDL_GetError());
    fullscreen_ = true;
    if (window_) window_->invalidate_all();
    render(true);
}

void SdlHost::restore_mode() {
    if (!fullscreen_) return;
    if (SDL_SetWindowFullscreen(win_, 0) != 0)
        throw PlatformError(std::string("cannot restore the display mode: ") + SDL_GetError());
    fullscreen_ = false;
}

void SdlHost::minimise() { SDL_MinimizeWindow(win_); }

void SdlHost::handle_key(const SDL_Event& e) {
    const bool down = e.type == SDL_KEYDOWN;
    const int mod = e.key.keysym.mod;
    const FilterKeyEvent fk = filter_key_event_of(down, e.key.keysym.sym, e.key.keysym.scancode, mod, e.key.timestamp);
    if (KeyFilter filter = keyboard_.filter()) {
        if (filter(0, fk.message, &fk.record) == -1) return;
    }
    if (!down || !window_) return;
    InputEvent in;
    in.type = InputEvent::Type::KeyDown;
    in.key = static_cast<int>(fk.record.vk_code);
    in.shift = shift_mask(mod);
    window_->route(in);
}

void SdlHost::handle(const SDL_Event& e) {
    if (!window_) return;
    InputEvent in;
    in.shift = shift_mask(SDL_GetModState());
    switch (e.type) {
    case SDL_MOUSEMOTION:
        in.type = InputEvent::Type::MouseMove;
        route_pointer(in, e.motion.x, e.motion.y);
        break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
        in.type = e.type == SDL_MOUSEBUTTONDOWN ? InputEvent::Type::MouseDown : InputEvent::Type::MouseUp;
        in.button = mouse_bit(e.button.button);
        if (in.button == 0) break;
        route_pointer(in, e.button.x, e.button.y);
        break;
    case SDL_KEYDOWN:
    case SDL_KEYUP:
        handle_key(e);
        break;
    case SDL_WINDOWEVENT:
        // Only where the host applies the key filter itself: a system hook
        // needs no grab, and SDL's grab on Windows swallows clicks after Alt+Tab.
        if (e.window.event == SDL_WINDOWEVENT_FOCUS_GAINED && keyboard_.filter())
            SDL_SetWindowKeyboardGrab(win_, SDL_TRUE);
        if (e.window.event == SDL_WINDOWEVENT_FOCUS_LOST) SDL_SetWindowKeyboardGrab(win_, SDL_FALSE);
        if (e.window.event == SDL_WINDOWEVENT_EXPOSED || e.window.event == SDL_WINDOWEVENT_RESTORED ||
            e.window.event == SDL_WINDOWEVENT_SIZE_CHANGED)
            window_->invalidate_all();
        break;
    case SDL_QUIT:
        // A close request of the window manager comes as SDL_WINDOWEVENT_CLOSE
        // alone and is ignored: only the exit question ends the program. A
        // quit event is therefore SIGINT or SIGTERM from outside the session;
        // unwinding gives the display mode back before the process ends.
        std::fprintf(stderr, "rainbowdrop: stopped from outside\n");
        throw ProcessEnded{kStoppedFromOutside};
    default:
        break;
    }
}

void SdlHost::fit_to(int width, int height) {
    if (width == mapping_.screen_width() && height == mapping_.screen_height()) return;
    mapping_ = DisplayMapping(width, height, Window::kWidth, Window::kHeight);
    scaler_ = FrameScaler(mapping_);
}

void SdlHost::set_scaling(Scaling scaling) {
    scaling_ = scaling;
    if (window_) window_->invalidate_all();
}

// Positions arrive in screen pixels and reach the toolkit in frame pixels.
// The bars belong to nobody, except to a press that began in the frame: its
// moves and release go on, pinned to the frame's edge. When the window is
// the frame, positions pass as they come, a drag's beyond the window too.
void SdlHost::route_pointer(InputEvent in, int sx, int sy) {
    int w = 0, h = 0;
    SDL_GetWindowSize(win_, &w, &h);
    fit_to(w, h);
    Point p{sx, sy};
    if (!mapping_.identity()) {
        if (const auto f = mapping_.to_frame(sx, sy)) {
            p = *f;
        } else if (window_->buttons_held() != 0) {
            p = mapping_.to_frame_clamped(sx, sy);
        } else {
            update_cursor(-1, -1);
            return;
        }
    }
    in.x = p.x;
    in.y = p.y;
    window_->route(in);
    update_cursor(p.x, p.y);
}

void SdlHost::update_cursor(int x, int y) {
    Cursor c = window_->cursor_at(x, y);
    if (!c || c.get() == shown_cursor_) return;
    auto it = cursors_.find(c.get());
    if (it == cursors_.end()) {
        SDL_Surface* s = surface_of(*c->picture);
        SDL_Cursor* cursor = s ? SDL_CreateColorCursor(s, c->hot_x, c->hot_y) : nullptr;
        if (s) SDL_FreeSurface(s);
        if (!cursor) return;
        // Keep the image alive as long as its SDL cursor is cached.
        static std::vector<Cursor> keep;
        keep.push_back(c);
        it = cursors_.emplace(c.get(), cursor).first;
    }
    SDL_SetCursor(it->second);
    shown_cursor_ = c.get();
}

// The frame goes straight to the window's surface, and only the part that
// changed is sent to the display: a brush segment or a lit button costs a
// small rectangle, not a full-screen copy. On a screen of another size the
// changed part alone is scaled, into exactly the screen pixels that show it.
void SdlHost::render(bool force) {
    if (!window_) return;
    if (force) window_->invalidate_all();
    if (!window_->dirty()) return;
    const auto t0 = std::chrono::steady_clock::now();
    SDL_Surface* ws = SDL_GetWindowSurface(win_);
    if (!ws) return;
    if (ws->w != painted_w_ || ws->h != painted_h_) {
        // A new size: a new mapping, and nothing on the new surface yet.
        fit_to(ws->w, ws->h);
        window_->invalidate_all();
        painted_w_ = ws->w;
        painted_h_ = ws->h;
        if (staging_) SDL_FreeSurface(staging_);
        staging_ = nullptr;
    }
    const Rect r = window_->compose();
    if (r.empty()) return;
    // The scaler writes 32-bit pixels; a screen of another depth gets them
    // through a surface of the same size, converted by SDL.
    SDL_Surface* target = ws;
    if (ws->format->BytesPerPixel != 4) {
        if (!staging_) staging_ = SDL_CreateRGBSurfaceWithFormat(0, ws->w, ws->h, 32, SDL_PIXELFORMAT_RGB888);
        if (!staging_) return;
        target = staging_;
    }
    const bool whole = r.w == Window::kWidth && r.h == Window::kHeight;
    const Rect area = whole ? Rect{0, 0, ws->w, ws->h} : mapping_.window_covering(r, scaling_);
    SDL_LockSurface(target);
    const SDL_PixelFormat* f = target->format;
    const ScreenBuffer out{static_cast<std::uint32_t*>(target->pixels), target->pitch,
                           PixelLayout{f->Rshift, f->Gshift, f->Bshift}};
    if (whole) paint_bars(mapping_, out);
    scaler_.paint(scaling_, window_->frame().data(), area, out);
    SDL_UnlockSurface(target);
    SDL_Rect sr{area.x, area.y, area.w, area.h};
    if (target != ws) SDL_BlitSurface(target, &sr, ws, &sr);
    SDL_UpdateWindowSurfaceRects(win_, &sr, 1);
    last_render_ms_ = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
}

void SdlHost::after_batch() {
    if (window_) window_->fire_due_timers(runtime_.seconds());
    if (shell_) shell_->reap_children();
    render();
}

void SdlHost::yield_events() {
    SDL_Event e;
    while (SDL_PollEvent(&e)) handle(e);
    after_batch();
}

void SdlHost::wait_events_until(double deadline) {
    const double now = runtime_.seconds();
    double until = deadline;
    if (window_) until = std::min(until, window_->next_timer_due());
    const int timeout = std::max(0, static_cast<int>(std::ceil((until - now) * 1000.0)));
    SDL_Event e;
    if (SDL_WaitEventTimeout(&e, timeout)) {
        handle(e);
        while (SDL_PollEvent(&e)) handle(e);
    }
    after_batch();
}

void SdlHost::sleep_until(double deadline) {
    const double left = deadline - runtime_.seconds();
    if (left > 0) SDL_Delay(static_cast<Uint32>(left * 1000.0));
}

void SdlHost::run() {
    for (;;) {
        try {
            wait_events_until(runtime_.seconds() + 3600.0);
        } catch (const std::exception& e) {
            // Nothing a child does may end the program.
            std::fprintf(stderr, "rainbowdrop: %s\n", e.what());
        }
    }
}
