// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The exit question and the information panel, laid over a frozen screen.
#include "platform/errors.h"
#include "shell/forma_main.h"
#include "shell/web_addresses.h"

namespace {
void freeze_current(FormaMain& f) {
    if (f.GalleryOpen == 1) f.galerijski_ekran_zamrznut();
    else f.glavni_ekran_zamrznut();
}
void unfreeze_current(FormaMain& f) {
    if (f.GalleryOpen == 1) f.galerijski_ekran_odmrznut();
    else f.glavni_ekran_odmrznut();
}
}  // namespace

// AskExit and ShowInfoPanel have no trap: a failure reaches the key handler.
void FormaMain::AskExit() {
    freeze_current(*this);
    Izlaz.show();
    Da.show();
    Ne.show();
}

void FormaMain::ShowInfoPanel() {
    freeze_current(*this);
    Registered.show();
    visit_site.show();
    Firma.show();
    Zatvori.show();
}

void FormaMain::Ne_Click() {
    trap([&] {
        Da.hide();
        Ne.hide();
        Izlaz.hide();
        unfreeze_current(*this);
    });
}

void FormaMain::Zatvori_Click() {
    trap([&] {
        Registered.hide();
        visit_site.hide();
        Firma.hide();
        Zatvori.hide();
        unfreeze_current(*this);
    });
}

// The information panel stays open under the browser: the child comes back to it.
void FormaMain::visit_site_Click() {
    trap([&] {
        platform_.shell.minimise_window();
        platform_.shell.open_url(product_web_address(AppFolder));
    });
}

void FormaMain::Firma_Click() {
    trap([&] {
        platform_.shell.minimise_window();
        platform_.shell.open_url(maker_web_address(AppFolder));
    });
}
