#pragma once
// Printing on the default CUPS destination, no dialog.
// To be completed: libcups. Until then nothing is printed.
#include "platform/errors.h"
#include "platform/services.h"

class CupsPrinter : public IPrinter {
public:
    void print_picture(const PictureData&, bool) override { throw PlatformError("printing is not available"); }
};
