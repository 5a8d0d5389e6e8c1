// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The system's default printer, no dialog: CUPS on Linux (cups_printer.cpp),
// GDI on Windows (win32/gdi_printer.cpp).
#include "platform/services.h"

class SystemPrinter : public IPrinter {
public:
    // One job: the picture at 96 pixels an inch from the top-left of the
    // printable area. No default printer, or one that fails: PlatformError,
    // and nothing is printed.
    void print_picture(const PictureData& picture, bool colour) override;
};
