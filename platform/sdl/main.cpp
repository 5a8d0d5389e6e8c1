// Rainbow Drop: the program. Builds the real back-end and runs the window.
#include <SDL.h>
#include <SDL_image.h>

#include <cstdio>

#include "platform/embedded.h"
#include "platform/errors.h"
#include "platform/sdl/cups_printer.h"
#include "platform/sdl/sdl_audio.h"
#include "platform/sdl/sdl_host.h"
#include "platform/sdl/sdl_pictures.h"
#include "platform/sdl/sdl_services.h"
#include "screens/window_definition.h"
#include "shell/forma_main.h"

int main(int, char**) {
    // Keep the full-screen window up when the focus goes (e.g. to the browser).
    SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "0");
    SDL_SetHint(SDL_HINT_GRAB_KEYBOARD, "1");
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER) != 0) {
        std::fprintf(stderr, "rainbowdrop: cannot start the display: %s\n", SDL_GetError());
        return 1;
    }
    IMG_Init(IMG_INIT_JPG | IMG_INIT_PNG);
    int status = 0;
    try {
        SdlPictures pictures;
        SdlRuntime runtime;
        SdlKeyboardHook keyboard;
        SdlHost host(runtime, keyboard, pictures.decode(embedded_file(kWindowIcon)));
        SdlShell shell(host);
        SdlSound sound;
        SdlMusic music;
        CupsPrinter printer;
        Platform platform{pictures, host, keyboard, sound, music, shell, printer, runtime, host};
        FormaMain form(platform);
        host.attach(&form.window(), &shell);
        try {
            form.Form_Load();
            host.run();
        } catch (const ProcessEnded& e) {
            status = e.status;
        }
    } catch (const ProcessEnded& e) {
        status = e.status;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "rainbowdrop: %s\n", e.what());
        status = 1;
    }
    IMG_Quit();
    SDL_Quit();
    return status;
}
