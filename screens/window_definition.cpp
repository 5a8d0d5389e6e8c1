// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/window_definition.h"

namespace {
constexpr Colour kWindowWhite = kWhite;  // the canvas and the tool buttons
constexpr Colour kButtonFace = 0xF0F0F0;  // every other box
using P = PointerKind;
}  // namespace

// clang-format off
const std::array<ControlDefinition, ctl::BoxCount> kWindowDefinition = {{
    // id                    name                left  top  w    h    initial picture                 pointer     focus visible background
    {ctl::Slika,            "Slika",             30,  29, 750, 600, "PICTURE/01.GIF",          P::Droplet,  0, true,  kWindowWhite},
    {ctl::MusicOn,          "MusicOn",          919, 485,  78,  78, "PICTURE/MUSICOFF2.JPG",   P::Arrow,    1, true,  kButtonFace},
    {ctl::MuteWave,         "MuteWave",         835, 485,  78,  79, "PICTURE/ZVUCNIK1.JPG",    P::Arrow,    2, true,  kButtonFace},
    {ctl::MoreImages,       "MoreImages",       832, 241, 160, 169, "PICTURE/MOREIMAGES1.JPG", P::Arrow,    3, true,  kButtonFace},
    {ctl::PaletaCrvena,     "PaletaCrvena",       8, 675,  85,  85, "PICTURE/BOJE1_01.JPG",    P::Pipette,  4, true,  kButtonFace},
    {ctl::PaletaZelena,     "PaletaZelena",      93, 675,  84,  85, "PICTURE/BOJE1_02.JPG",    P::Pipette,  5, true,  kButtonFace},
    {ctl::PaletaZuta,       "PaletaZuta",       176, 675,  84,  85, "PICTURE/BOJE1_03.JPG",    P::Pipette,  6, true,  kButtonFace},
    {ctl::PaletaSvPlava,    "PaletaSvPlava",    261, 675,  84,  85, "PICTURE/BOJE1_04.JPG",    P::Pipette,  7, true,  kButtonFace},
    {ctl::PaletaOranz,      "PaletaOranz",      345, 675,  83,  85, "PICTURE/BOJE1_05.JPG",    P::Pipette,  8, true,  kButtonFace},
    {ctl::PaletaLjubicasta, "PaletaLjubicasta", 428, 675,  85,  85, "PICTURE/BOJE1_06.JPG",    P::Pipette,  9, true,  kButtonFace},
    {ctl::PaletaSiva,       "PaletaSiva",       513, 675,  83,  85, "PICTURE/BOJE1_07.JPG",    P::Pipette, 10, true,  kButtonFace},
    {ctl::PaletaTamnozuta,  "PaletaTamnozuta",  596, 675,  84,  85, "PICTURE/BOJE1_08.JPG",    P::Pipette, 11, true,  kButtonFace},
    {ctl::PaletaBraon,      "PaletaBraon",      680, 675,  84,  85, "PICTURE/BOJE1_09.JPG",    P::Pipette, 12, true,  kButtonFace},
    {ctl::PaletaPlava,      "PaletaPlava",      764, 675,  84,  85, "PICTURE/BOJE1_10.JPG",    P::Pipette, 13, true,  kButtonFace},
    {ctl::PaletaCrna,       "PaletaCrna",       848, 675,  84,  85, "PICTURE/BOJE1_11.JPG",    P::Pipette, 14, true,  kButtonFace},
    {ctl::PaletaPink,       "PaletaPink",       932, 675,  84,  85, "PICTURE/BOJE1_12.JPG",    P::Pipette, 15, true,  kButtonFace},
    {ctl::kapljica,         "kapljica",         871, 571,  58,  81, "PICTURE/KAPLJICA1.JPG",   P::Hand,    51, true,  kWindowWhite},
    {ctl::olovka,           "olovka",           804, 571,  62,  81, "PICTURE/OLOVKA2.JPG",     P::Hand,    52, true,  kWindowWhite},
    {ctl::Rubber,           "Rubber",           825, 412, 112,  61, "PICTURE/GUMICA1.JPG",     P::Arrow,   53, true,  kWindowWhite},
    {ctl::Papir,            "Papir",            936, 412,  63,  61, "PICTURE/PAPIR1.JPG",      P::Arrow,   54, true,  kWindowWhite},
    {ctl::Back,             "Back",              30,   0, 192,  40, "PICTURE/BACK1.JPG",       P::Arrow,   48, false, kButtonFace},
    // The thumbnails get their places when the gallery first opens.
    {ctl::Galerija1 + 0,  "Galerija1",  0, 0, 131, 122, "", P::Arrow, 16, false, kButtonFace},
    {ctl::Galerija1 + 1,  "Galerija2",  0, 0, 131, 122, "", P::Arrow, 17, false, kButtonFace},
    {ctl::Galerija1 + 2,  "Galerija3",  0, 0, 131, 122, "", P::Arrow, 18, false, kButtonFace},
    {ctl::Galerija1 + 3,  "Galerija4",  0, 0, 131, 122, "", P::Arrow, 19, false, kButtonFace},
    {ctl::Galerija1 + 4,  "Galerija5",  0, 0, 131, 122, "", P::Arrow, 20, false, kButtonFace},
    {ctl::Galerija1 + 5,  "Galerija6",  0, 0, 131, 122, "", P::Arrow, 21, false, kButtonFace},
    {ctl::Galerija1 + 6,  "Galerija7",  0, 0, 131, 122, "", P::Arrow, 22, false, kButtonFace},
    {ctl::Galerija1 + 7,  "Galerija8",  0, 0, 131, 122, "", P::Arrow, 23, false, kButtonFace},
    {ctl::Galerija1 + 8,  "Galerija9",  0, 0, 131, 122, "", P::Arrow, 24, false, kButtonFace},
    {ctl::Galerija1 + 9,  "Galerija10", 0, 0, 131, 122, "", P::Arrow, 25, false, kButtonFace},
    {ctl::Galerija1 + 10, "Galerija11", 0, 0, 131, 122, "", P::Arrow, 26, false, kButtonFace},
    {ctl::Galerija1 + 11, "Galerija12", 0, 0, 131, 122, "", P::Arrow, 27, false, kButtonFace},
    {ctl::Galerija1 + 12, "Galerija13", 0, 0, 131, 122, "", P::Arrow, 28, false, kButtonFace},
    {ctl::Galerija1 + 13, "Galerija14", 0, 0, 131, 122, "", P::Arrow, 29, false, kButtonFace},
    {ctl::Galerija1 + 14, "Galerija15", 0, 0, 131, 122, "", P::Arrow, 30, false, kButtonFace},
    {ctl::Galerija1 + 15, "Galerija16", 0, 0, 131, 122, "", P::Arrow, 31, false, kButtonFace},
    {ctl::Galerija1 + 16, "Galerija17", 0, 0, 131, 122, "", P::Arrow, 32, false, kButtonFace},
    {ctl::Galerija1 + 17, "Galerija18", 0, 0, 131, 122, "", P::Arrow, 33, false, kButtonFace},
    {ctl::Galerija1 + 18, "Galerija19", 0, 0, 131, 122, "", P::Arrow, 34, false, kButtonFace},
    {ctl::Galerija1 + 19, "Galerija20", 0, 0, 131, 122, "", P::Arrow, 35, false, kButtonFace},
    {ctl::Galerija1 + 20, "Galerija21", 0, 0, 131, 122, "", P::Arrow, 36, false, kButtonFace},
    {ctl::Galerija1 + 21, "Galerija22", 0, 0, 131, 122, "", P::Arrow, 37, false, kButtonFace},
    {ctl::Galerija1 + 22, "Galerija23", 0, 0, 131, 122, "", P::Arrow, 38, false, kButtonFace},
    {ctl::Galerija1 + 23, "Galerija24", 0, 0, 131, 122, "", P::Arrow, 39, false, kButtonFace},
    {ctl::Galerija1 + 24, "Galerija25", 0, 0, 131, 122, "", P::Arrow, 40, false, kButtonFace},
    {ctl::Izlaz,            "Izlaz",            312, 259, 400, 250, "PICTURE/CTRLX.JPG",       P::Standard, 45, false, kButtonFace},
    {ctl::Da,               "Da",               368, 409, 107,  50, "PICTURE/YES1.JPG",        P::Arrow,    46, false, kButtonFace},
    {ctl::Ne,               "Ne",               568, 409,  85,  50, "PICTURE/NO1.JPG",         P::Arrow,    47, false, kButtonFace},
    {ctl::Registered,       "Registered",       312, 259, 400, 250, "PICTURE/CTRL-R.JPG",      P::Arrow,    41, false, kButtonFace},
    {ctl::visit_site,       "visit_site",       346, 395, 330,  62, "PICTURE/VISIT1.JPG",      P::Arrow,    42, false, kButtonFace},
    {ctl::Firma,            "Firma",            459, 462, 110,  35, "PICTURE/CTRLRZEB1.JPG",   P::Arrow,    43, false, kButtonFace},
    {ctl::Zatvori,          "Zatvori",          632, 269,  73,  27, "PICTURE/CLOSE1.JPG",      P::Arrow,    44, false, kButtonFace},
    {ctl::PrintPict,        "PrintPict",        312, 259, 400, 250, "PICTURE/PRINTING.JPG",    P::Arrow,    49, false, kButtonFace},
}};

const std::array<int, ctl::BoxCount> kStackingFrontToBack = {
    ctl::Papir, ctl::Rubber, ctl::olovka, ctl::kapljica, ctl::PrintPict, ctl::Back, ctl::Ne, ctl::Da, ctl::Izlaz,
    ctl::Zatvori, ctl::Firma, ctl::visit_site, ctl::Registered,
    ctl::Galerija1 + 24, ctl::Galerija1 + 23, ctl::Galerija1 + 22, ctl::Galerija1 + 21, ctl::Galerija1 + 20,
    ctl::Galerija1 + 19, ctl::Galerija1 + 18, ctl::Galerija1 + 17, ctl::Galerija1 + 16, ctl::Galerija1 + 15,
    ctl::Galerija1 + 14, ctl::Galerija1 + 13, ctl::Galerija1 + 12, ctl::Galerija1 + 11, ctl::Galerija1 + 10,
    ctl::Galerija1 + 9, ctl::Galerija1 + 8, ctl::Galerija1 + 7, ctl::Galerija1 + 6, ctl::Galerija1 + 5,
    ctl::Galerija1 + 4, ctl::Galerija1 + 3, ctl::Galerija1 + 2, ctl::Galerija1 + 1, ctl::Galerija1 + 0,
    ctl::PaletaPink, ctl::PaletaCrna, ctl::PaletaPlava, ctl::PaletaBraon, ctl::PaletaTamnozuta, ctl::PaletaSiva,
    ctl::PaletaLjubicasta, ctl::PaletaOranz, ctl::PaletaSvPlava, ctl::PaletaZuta, ctl::PaletaZelena,
    ctl::PaletaCrvena, ctl::MoreImages, ctl::MuteWave, ctl::MusicOn, ctl::Slika,
};

const std::array<PointerDefinition, 4> kPointerDefinitions = {{
    {PointerKind::Arrow, "resources/cursor_arrow.png", 0, 0},
    {PointerKind::Hand, "resources/cursor_hand.png", 12, 1},
    {PointerKind::Pipette, "resources/cursor_pipette.png", 32, 32},
    {PointerKind::Droplet, "resources/cursor_droplet.png", 16, 16},
}};
// clang-format on
