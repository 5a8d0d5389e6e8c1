// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Printing on the default CUPS destination, no dialog.
#include "platform/services.h"

class CupsPrinter : public IPrinter {
public:
    // One job: the picture at 96 pixels an inch from the top-left of the
    // printable area. No default destination or no scheduler: PlatformError,
    // and nothing is printed.
    void print_picture(const PictureData& picture, bool colour) override;
};
