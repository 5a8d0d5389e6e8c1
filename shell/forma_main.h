// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// FormaMain: the one window, its controls and the whole program state.
// Member functions are defined in the folder of the subsystem they belong to:
//   shell/      start-up and exit, asset check, keyboard shortcuts, panels
//   screens/    screen switching and freezing, gallery, gallery rollover, dispatch
//   colouring/  canvas tools, palette, wipes, save and print
//   audio/      music and sound-effect switches, PlayEffect
//   rollover/   button rollover
#include <array>
#include <cstdint>
#include <string>

#include "platform/key_record.h"
#include "platform/services.h"
#include "platform/toolkit/window.h"
#include "screens/controls.h"

class FormaMain : public IEventSink {
    // First, so that the controls below can refer into the window.
    Platform& platform_;
    Window window_;

public:
    explicit FormaMain(Platform& platform);
    ~FormaMain() override;

    Window& window() { return window_; }
    const Window& window() const { return window_; }
    Platform& platform() { return platform_; }

    // Routing target of the toolkit: one switch from (control, event) to the handler.
    void dispatch(int control, const ControlEvent& event) override;

    // ---- Program state (members, in declaration order) ----
    bool MusicDx = false;           // the music engine exists
    bool MusicPerformance = false;  // an engine was opened and not closed
    bool MusicSegment = false;      // the music file was loaded
    bool MusicSegmentState = false; // the segment was played at least once
    bool MusicLoader = false;
    bool DisplayDx = false;
    bool DisplayDraw = false;       // the display was taken over
    bool PrimarySurface = false;
    struct SurfaceDesc {
        std::uint32_t flags = 0;
        std::uint32_t caps = 0;
    } PrimarySurfaceDesc;
    std::string AppFolder;
    std::int16_t MusicPlaying = 0;
    std::int16_t LitThumbnail = 0;
    std::array<std::int16_t, 13> ColourSelected{};  // indexed 1..12; [0] unused
    std::int16_t FillMode = 0;                       // -1 true (fill), 0 false (brush)
    std::int32_t HookHandle = 0;

    // ---- Program-wide values ----
    std::int32_t LastX = 0;
    std::int32_t LastY = 0;
    std::int16_t MusicOff = 0;
    std::int16_t SoundEffectsOn = 0;
    std::int16_t GalleryOpen = 0;
    std::int16_t CurrentPicture = 0;
    Colour CurrentColor = 0;
    std::string AssetRoot;

    // ---- Controls ----
    Canvas& Slika;
    PictureBox& MusicOn;
    PictureBox& MuteWave;
    PictureBox& MoreImages;
    PictureBox& kapljica;
    PictureBox& olovka;
    PictureBox& Rubber;
    PictureBox& Papir;
    PictureBox& Back;
    PictureBox& Izlaz;
    PictureBox& Da;
    PictureBox& Ne;
    PictureBox& Registered;
    PictureBox& visit_site;
    PictureBox& Firma;
    PictureBox& Zatvori;
    PictureBox& PrintPict;
    Label lblPlay;
    Timer& tmrRepeat;
    PictureBox& Paleta(int nn) { return window_.box(ctl::palette(nn)); }
    PictureBox& Galerija(int n) { return window_.box(ctl::thumbnail(n)); }

    // ---- Start-up, exit (shell/startup.cpp) ----
    void Form_Load();
    void Form_Unload();
    void QuitProgram();
    void CheckAssetFiles();  // shell/asset_check.cpp

    // ---- Panels (shell/panels.cpp) ----
    void AskExit();
    void ShowInfoPanel();
    void Da_Click();
    void Ne_Click();
    void Zatvori_Click();
    void visit_site_Click();
    void Firma_Click();

    // ---- Keyboard shortcuts (shell/shortcuts.cpp): the 21 key-down handlers ----
    void Form_KeyDown(int KeyCode, int Shift);
    void Slika_KeyDown(int KeyCode, int Shift);
    void MusicOn_KeyDown(int KeyCode, int Shift);
    void MuteWave_KeyDown(int KeyCode, int Shift);
    void MoreImages_KeyDown(int KeyCode, int Shift);
    void PaletaCrvena_KeyDown(int KeyCode, int Shift);
    void PaletaZelena_KeyDown(int KeyCode, int Shift);
    void PaletaZuta_KeyDown(int KeyCode, int Shift);
    void PaletaSvPlava_KeyDown(int KeyCode, int Shift);
    void PaletaOranz_KeyDown(int KeyCode, int Shift);
    void PaletaLjubicasta_KeyDown(int KeyCode, int Shift);
    void PaletaSiva_KeyDown(int KeyCode, int Shift);
    void PaletaTamnozuta_KeyDown(int KeyCode, int Shift);
    void PaletaBraon_KeyDown(int KeyCode, int Shift);
    void PaletaPlava_KeyDown(int KeyCode, int Shift);
    void PaletaCrna_KeyDown(int KeyCode, int Shift);
    void PaletaPink_KeyDown(int KeyCode, int Shift);
    void kapljica_KeyDown(int KeyCode, int Shift);
    void olovka_KeyDown(int KeyCode, int Shift);
    void Rubber_KeyDown(int KeyCode, int Shift);
    void Papir_KeyDown(int KeyCode, int Shift);
    void shortcut_key_down(int KeyCode, int Shift);

    // ---- Screens (screens/screen_states.cpp) ----
    void ugasi_glavni_ekran();
    void upali_glavni_ekran();
    void glavni_ekran_zamrznut();
    void glavni_ekran_odmrznut();
    void galerijski_ekran_zamrznut();
    void galerijski_ekran_odmrznut();
    void galerijski_ekran_ugasi();
    void MoreImages_Click();
    void Back_Click();

    // ---- Gallery (screens/gallery.cpp) ----
    void Prikazi_More_Images();
    void Galerijske_pozicije();
    void Prikaz_Prve_Galerije();
    void Galerija1_Click();
    void Galerija2_Click();
    void Galerija3_Click();
    void Galerija4_Click();
    void Galerija5_Click();
    void Galerija6_Click();
    void Galerija7_Click();
    void Galerija8_Click();
    void Galerija9_Click();
    void Galerija10_Click();
    void Galerija11_Click();
    void Galerija12_Click();
    void Galerija13_Click();
    void Galerija14_Click();
    void Galerija15_Click();
    void Galerija16_Click();
    void Galerija17_Click();
    void Galerija18_Click();
    void Galerija19_Click();
    void Galerija20_Click();
    void Galerija21_Click();
    void Galerija22_Click();
    void Galerija23_Click();
    void Galerija24_Click();
    void Galerija25_Click();
    void thumbnail_click(int n);

    // ---- Gallery rollover (screens/gallery_rollover.cpp) ----
    void Galerija1_MouseMove(int Button, int Shift, float X, float Y);
    void Galerija2_MouseMove(int Button, int Shift, float X, float Y);
    void Galerija3_MouseMove(int Button, int Shift, float X, float Y);
    void Galerija4_MouseMove(int Button, int Shift, float X, float Y);
    void Galerija5_MouseMove(int Button, int Shift, float X, float Y);
    void Galerija6_MouseMove(int Button, int Shift, float X, float Y);
    void Galerija7_MouseMove(int Button, int Shift, float X, float Y);
    void Galerija8_MouseMove(int Button, int Shift, float X, float Y);
    void Galerija9_MouseMove(int Button, int Shift, float X, float Y);
    void Galerija10_MouseMove(int Button, int Shift, float X, float Y);
    void Galerija11_MouseMove(int Button, int Shift, float X, float Y);
    void Galerija12_MouseMove(int Button, int Shift, float X, float Y);
    void Galerija13_MouseMove(int Button, int Shift, float X, float Y);
    void Galerija14_MouseMove(int Button, int Shift, float X, float Y);
    void Galerija15_MouseMove(int Button, int Shift, float X, float Y);
    void Galerija16_MouseMove(int Button, int Shift, float X, float Y);
    void Galerija17_MouseMove(int Button, int Shift, float X, float Y);
    void Galerija18_MouseMove(int Button, int Shift, float X, float Y);
    void Galerija19_MouseMove(int Button, int Shift, float X, float Y);
    void Galerija20_MouseMove(int Button, int Shift, float X, float Y);
    void Galerija21_MouseMove(int Button, int Shift, float X, float Y);
    void Galerija22_MouseMove(int Button, int Shift, float X, float Y);
    void Galerija23_MouseMove(int Button, int Shift, float X, float Y);
    void Galerija24_MouseMove(int Button, int Shift, float X, float Y);
    void Galerija25_MouseMove(int Button, int Shift, float X, float Y);
    void thumbnail_mouse_move(int n);
    void mouse_move_galerija1_bele();

    // ---- Canvas and tools (colouring/canvas_tools.cpp) ----
    void Slika_MouseDown(int Button, int Shift, float X, float Y);
    void Slika_MouseMove(int Button, int Shift, float X, float Y);
    void kapljica_Click();
    void olovka_Click();

    // ---- Palette (colouring/palette.cpp) ----
    void PaletaCrvena_Click();
    void PaletaZelena_Click();
    void PaletaZuta_Click();
    void PaletaSvPlava_Click();
    void PaletaOranz_Click();
    void PaletaLjubicasta_Click();
    void PaletaSiva_Click();
    void PaletaTamnozuta_Click();
    void PaletaBraon_Click();
    void PaletaPlava_Click();
    void PaletaCrna_Click();
    void PaletaPink_Click();
    void palette_click(int nn);
    void gasi_boje_3_faze();

    // ---- Wipes (colouring/wipe.cpp) ----
    void Papir_Click();
    void Rubber_Click();
    void brisanje_slika();

    // ---- Save and print (colouring/save_print.cpp) ----
    void SaveAndPrint();

    // ---- Music and effects (audio/) ----
    void SetVolume(std::uint8_t nVolume);
    void MusicOn_Click();
    void MuteWave_Click();
    void tmrRepeat_Timer();
    void StopMusic();
    void PlayEffect(const std::string& name);

    // ---- Button rollover (rollover/button_rollover.cpp) ----
    void Form_MouseMove(int Button, int Shift, float X, float Y);
    void PaletaCrvena_MouseMove(int Button, int Shift, float X, float Y);
    void PaletaZelena_MouseMove(int Button, int Shift, float X, float Y);
    void PaletaZuta_MouseMove(int Button, int Shift, float X, float Y);
    void PaletaSvPlava_MouseMove(int Button, int Shift, float X, float Y);
    void PaletaOranz_MouseMove(int Button, int Shift, float X, float Y);
    void PaletaLjubicasta_MouseMove(int Button, int Shift, float X, float Y);
    void PaletaSiva_MouseMove(int Button, int Shift, float X, float Y);
    void PaletaTamnozuta_MouseMove(int Button, int Shift, float X, float Y);
    void PaletaBraon_MouseMove(int Button, int Shift, float X, float Y);
    void PaletaPlava_MouseMove(int Button, int Shift, float X, float Y);
    void PaletaCrna_MouseMove(int Button, int Shift, float X, float Y);
    void PaletaPink_MouseMove(int Button, int Shift, float X, float Y);
    void palette_mouse_move(int nn);
    void MoreImages_MouseMove(int Button, int Shift, float X, float Y);
    void MuteWave_MouseMove(int Button, int Shift, float X, float Y);
    void MusicOn_MouseMove(int Button, int Shift, float X, float Y);
    void Rubber_MouseMove(int Button, int Shift, float X, float Y);
    void Papir_MouseMove(int Button, int Shift, float X, float Y);
    void Back_MouseMove(int Button, int Shift, float X, float Y);
    void Izlaz_MouseMove(int Button, int Shift, float X, float Y);
    void Da_MouseMove(int Button, int Shift, float X, float Y);
    void Ne_MouseMove(int Button, int Shift, float X, float Y);
    void Registered_MouseMove(int Button, int Shift, float X, float Y);
    void Zatvori_MouseMove(int Button, int Shift, float X, float Y);
    void Firma_MouseMove(int Button, int Shift, float X, float Y);
    void visit_site_MouseMove(int Button, int Shift, float X, float Y);
    // The rollover reset of the five buttons beside the canvas.
    void restore_canvas_side_buttons();

    // ---- Shared helpers ----
    // Reads AssetRoot + name (e.g. "\PICTURE\01.GIF") now.
    Picture LoadPicture(const std::string& relative_name);
    Picture LoadPictureFile(const std::string& full_classic_path);
    void set_image(PictureBox& box, const std::string& relative_name) { box.set_picture(LoadPicture(relative_name)); }
    Cursor LoadCursor(const std::string& relative_name, int hot_x, int hot_y);

    // Set while SaveAndPrint runs, so that a held Ctrl+P queues no second job.
    bool printing_in_progress = false;
    // The wipe's generator is seeded from the clock once a run.
    bool wipe_generator_seeded = false;
};

// Waits three seconds on the monotonic clock while handling every event.
void WaitThreeSeconds(IRuntime& runtime, IHost& host);
