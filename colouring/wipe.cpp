// The eraser and the blank paper, both after an animated wipe.
// To be completed: the eight wipe effects and their pacing.
#include "platform/errors.h"
#include "shell/forma_main.h"

void FormaMain::brisanje_slika() {
    PlayEffect("\\SOUND\\WIPE.WAV");
    Slika.set_picture(LoadPicture("\\PICTURE\\00.GIF"));
}

void FormaMain::Papir_Click() {
    trap([&] { brisanje_slika(); });
}

void FormaMain::Rubber_Click() {
    trap([&] {
        brisanje_slika();
        if (CurrentPicture >= 1 && CurrentPicture <= 25) {
            const std::string nn = (CurrentPicture < 10 ? "0" : "") + std::to_string(CurrentPicture);
            Slika.set_picture(LoadPicture("\\PICTURE\\" + nn + ".GIF"));
        }
    });
}
