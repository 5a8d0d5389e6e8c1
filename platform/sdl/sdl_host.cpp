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
    win_ = SDL_CreateWindow("Rainbow Drop", 0, 0, Window::kWidth, Window::kHeight,
                            SDL_WINDOW_BORDERLESS | SDL_WINDOW_HIDDEN);
    if (!win_) throw PlatformError(std::string("cannot open the window: ") + SDL_GetError());
    renderer_ = SDL_CreateRenderer(win_, -1, 0);
    if (!renderer_) renderer_ = SDL_CreateRenderer(win_, -1, SDL_RENDERER_SOFTWARE);
    if (!renderer_) throw PlatformError(std::string("cannot draw in the window: ") + SDL_GetError());
    SDL_RenderSetLogicalSize(renderer_, Window::kWidth, Window::kHeight);
    texture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_ABGR8888, SDL_TEXTUREACCESS_STREAMING, Window::kWidth,
                                 Window::kHeight);
    if (!texture_) throw PlatformError(std::string("cannot create the frame: ") + SDL_GetError());
    if (icon) {
        if (SDL_Surface* s = surface_of(*icon)) {
            SDL_SetWindowIcon(win_, s);
            SDL_FreeSurface(s);
        }
    }
}

SdlHost::~SdlHost() {
    for (auto& [_, c] : cursors_) SDL_FreeCursor(c);
    if (texture_) SDL_DestroyTexture(texture_);
    if (renderer_) SDL_DestroyRenderer(renderer_);
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
    const std::uint32_t vk = virtual_key_code(e.key.keysym.sym);
    const bool alt_key = vk == 164 || vk == 165;
    const bool alt_held = (mod & KMOD_ALT) != 0 || (down && alt_key);
    if (KeyFilter filter = keyboard_.filter()) {
        KeyRecord record;
        record.vk_code = vk;
        record.scan_code = static_cast<std::uint32_t>(e.key.keysym.scancode);
        record.flags = alt_held ? keymsg::kAltDownFlag : 0;
        record.time = e.key.timestamp;
        const std::int32_t message = alt_held ? (down ? keymsg::kSysKeyDown : keymsg::kSysKeyUp)
                                              : (down ? keymsg::kKeyDown : keymsg::kKeyUp);
        if (filter(0, message, &record) == -1) return;
    }
    if (!down || !window_) return;
    InputEvent in;
    in.type = InputEvent::Type::KeyDown;
    in.key = static_cast<int>(vk);
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
        in.x = e.motion.x;
        in.y = e.motion.y;
        window_->route(in);
        update_cursor(in.x, in.y);
        break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
        in.type = e.type == SDL_MOUSEBUTTONDOWN ? InputEvent::Type::MouseDown : InputEvent::Type::MouseUp;
        in.x = e.button.x;
        in.y = e.button.y;
        in.button = mouse_bit(e.button.button);
        if (in.button == 0) break;
        window_->route(in);
        update_cursor(in.x, in.y);
        break;
    case SDL_KEYDOWN:
    case SDL_KEYUP:
        handle_key(e);
        break;
    case SDL_WINDOWEVENT:
        if (e.window.event == SDL_WINDOWEVENT_FOCUS_GAINED) SDL_SetWindowKeyboardGrab(win_, SDL_TRUE);
        if (e.window.event == SDL_WINDOWEVENT_FOCUS_LOST) SDL_SetWindowKeyboardGrab(win_, SDL_FALSE);
        if (e.window.event == SDL_WINDOWEVENT_EXPOSED || e.window.event == SDL_WINDOWEVENT_RESTORED ||
            e.window.event == SDL_WINDOWEVENT_SIZE_CHANGED)
            window_->invalidate_all();
        break;
    case SDL_QUIT:
        // Only the exit question ends the program; a close request is ignored.
        break;
    default:
        break;
    }
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

void SdlHost::render(bool force) {
    if (!window_) return;
    if (!window_->dirty() && !force) return;
    const auto t0 = std::chrono::steady_clock::now();
    const Rect r = window_->compose();
    if (!r.empty()) {
        const SDL_Rect sr{r.x, r.y, r.w, r.h};
        const std::uint32_t* src = window_->frame().data() + static_cast<std::size_t>(r.y) * Window::kWidth + r.x;
        SDL_UpdateTexture(texture_, &sr, src, Window::kWidth * 4);
    }
    SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
    SDL_RenderClear(renderer_);
    SDL_RenderCopy(renderer_, texture_, nullptr, nullptr);
    SDL_RenderPresent(renderer_);
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
