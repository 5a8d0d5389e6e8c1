// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// Printing on Windows: GDI on the default printer, no dialog. The picture
// goes on the page at its natural size (96 pixels an inch, scaled to the
// printer's resolution) at the top-left of the printable area.
#include <windows.h>

#include <vector>

#include "platform/errors.h"
#include "platform/sdl/system_printer.h"
#include "platform/win32/print_layout.h"

namespace {

std::wstring default_printer() {
    DWORD size = 0;
    GetDefaultPrinterW(nullptr, &size);
    if (size == 0) throw PlatformError("no default printer");
    std::wstring name(size, L'\0');
    if (!GetDefaultPrinterW(name.data(), &size)) throw PlatformError("no default printer");
    name.resize(wcslen(name.c_str()));
    return name;
}

// The printer's own settings, with colour asked for when wanted. Empty when
// the driver has none to give: the printer's defaults then apply.
std::vector<unsigned char> printer_settings(std::wstring& name, bool colour) {
    HANDLE printer = nullptr;
    if (!OpenPrinterW(name.data(), &printer, nullptr)) return {};
    std::vector<unsigned char> buffer;
    const LONG size = DocumentPropertiesW(nullptr, printer, name.data(), nullptr, nullptr, 0);
    if (size > 0) {
        buffer.resize(static_cast<std::size_t>(size));
        auto* mode = reinterpret_cast<DEVMODEW*>(buffer.data());
        if (DocumentPropertiesW(nullptr, printer, name.data(), mode, nullptr, DM_OUT_BUFFER) != IDOK) {
            buffer.clear();
        } else if (colour) {
            mode->dmFields |= DM_COLOR;
            mode->dmColor = DMCOLOR_COLOR;
        }
    }
    ClosePrinter(printer);
    return buffer;
}

struct PrinterDc {
    HDC dc;
    bool in_document = false;
    explicit PrinterDc(HDC handle) : dc(handle) {}
    ~PrinterDc() {
        if (in_document) AbortDoc(dc);
        if (dc) DeleteDC(dc);
    }
    PrinterDc(const PrinterDc&) = delete;
    PrinterDc& operator=(const PrinterDc&) = delete;
};

}  // namespace

void SystemPrinter::print_picture(const PictureData& picture, bool colour) {
    std::wstring name = default_printer();
    std::vector<unsigned char> settings = printer_settings(name, colour);
    const auto* mode = settings.empty() ? nullptr : reinterpret_cast<const DEVMODEW*>(settings.data());
    PrinterDc printer(CreateDCW(L"WINSPOOL", name.c_str(), nullptr, mode));
    if (!printer.dc) throw PlatformError("cannot reach the default printer");

    const PrintArea area = natural_size_on_page(picture.width, picture.height, GetDeviceCaps(printer.dc, LOGPIXELSX),
                                                GetDeviceCaps(printer.dc, LOGPIXELSY));
    // A top-down 32-bit device-independent bitmap: blue in the lowest byte.
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = picture.width;
    info.bmiHeader.biHeight = -picture.height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    std::vector<std::uint32_t> bits(picture.pixels.size());
    for (std::size_t i = 0; i < bits.size(); ++i) {
        const std::uint32_t c = picture.pixels[i];
        bits[i] = ((c & 0xFFu) << 16) | (c & 0xFF00u) | ((c >> 16) & 0xFFu);
    }

    DOCINFOW document{};
    document.cbSize = sizeof document;
    document.lpszDocName = L"Rainbow Drop";
    if (StartDocW(printer.dc, &document) <= 0) throw PlatformError("the printer refused the job");
    printer.in_document = true;
    if (StartPage(printer.dc) <= 0) throw PlatformError("the printer refused the page");
    // Whole pixels, no blending: the outlines stay sharp.
    SetStretchBltMode(printer.dc, COLORONCOLOR);
    if (StretchDIBits(printer.dc, area.x, area.y, area.width, area.height, 0, 0, picture.width, picture.height,
                      bits.data(), &info, DIB_RGB_COLORS, SRCCOPY) == static_cast<int>(GDI_ERROR))
        throw PlatformError("cannot paint the picture on the page");
    if (EndPage(printer.dc) <= 0) throw PlatformError("the printer refused the page");
    if (EndDoc(printer.dc) <= 0) throw PlatformError("the printer refused the job");
    printer.in_document = false;
}
