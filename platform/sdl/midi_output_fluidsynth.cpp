// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// On Linux SDL_mixer's FluidSynth finds the system's General MIDI sound font
// by itself: nothing to choose.
#include "platform/sdl/sdl_audio.h"

void prepare_midi_output(const std::string&) {}
