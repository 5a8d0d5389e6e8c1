// The music switch, its repeat timer and the effects switch.
// To be completed: the engine calls and their failure paths.
#include "platform/errors.h"
#include "shell/forma_main.h"

void FormaMain::SetVolume(std::uint8_t nVolume) {
    trap([&] { platform_.music.set_volume(static_cast<std::int16_t>(nVolume * 42 - 3000)); });
}

void FormaMain::MusicOn_Click() {}
void FormaMain::tmrRepeat_Timer() {}
void FormaMain::StopMusic() {}

void FormaMain::MuteWave_Click() {
    trap([&] { SoundEffectsOn = SoundEffectsOn == 1 ? 0 : 1; });
}
