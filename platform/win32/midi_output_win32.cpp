// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The MIDI synthesiser on Windows. A PC with a MIDI output (every real one
// has the system's own synthesiser) plays the tune through it, as SDL_mixer's
// native MIDI; without one (Wine here) native MIDI would load and play
// without a sound and without an error, so SDL_mixer's Timidity plays it
// instead, with the few instruments shipped beside the program.
#include <windows.h>

#include <SDL.h>
#include <SDL_mixer.h>

#include "platform/sdl/sdl_audio.h"

void prepare_midi_output(const std::string& program_folder) {
    if (midiOutGetNumDevs() > 0) {
        SDL_SetHint("SDL_NATIVE_MUSIC", "1");
        return;
    }
    SDL_SetHint("SDL_NATIVE_MUSIC", "0");
    Mix_SetTimidityCfg((program_folder + "timidity.cfg").c_str());
}
