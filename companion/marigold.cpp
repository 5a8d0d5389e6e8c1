// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The companion started at launch: a borderless splash with the product
// name, centred on the screen for about two and a half seconds.
#include <SDL.h>
#include <SDL_image.h>

#include "platform/embedded.h"

int main(int, char**) {
    if (SDL_Init(SDL_INIT_VIDEO) != 0) return 1;
    IMG_Init(IMG_INIT_PNG);
    const auto bytes = embedded_file("resources/splash.png");
    SDL_Surface* splash = IMG_Load_RW(SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size())), 1);
    int status = 1;
    if (splash) {
        SDL_Window* w = SDL_CreateWindow("Rainbow Drop", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, splash->w,
                                         splash->h, SDL_WINDOW_BORDERLESS | SDL_WINDOW_ALWAYS_ON_TOP);
        SDL_Renderer* r = w ? SDL_CreateRenderer(w, -1, 0) : nullptr;
        SDL_Texture* t = r ? SDL_CreateTextureFromSurface(r, splash) : nullptr;
        if (t) {
            const Uint32 end = SDL_GetTicks() + 2500;
            while (!SDL_TICKS_PASSED(SDL_GetTicks(), end)) {
                SDL_Event e;
                while (SDL_PollEvent(&e)) {
                }
                SDL_RenderClear(r);
                SDL_RenderCopy(r, t, nullptr, nullptr);
                SDL_RenderPresent(r);
                SDL_Delay(50);
            }
            status = 0;
            SDL_DestroyTexture(t);
        }
        if (r) SDL_DestroyRenderer(r);
        if (w) SDL_DestroyWindow(w);
        SDL_FreeSurface(splash);
    }
    IMG_Quit();
    SDL_Quit();
    return status;
}
