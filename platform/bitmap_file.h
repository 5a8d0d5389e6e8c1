// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Writing a picture as a classic 24-bit bitmap file ("BM", bottom-up rows).
#include <string>
#include <vector>

#include "platform/picture.h"

std::vector<unsigned char> encode_bitmap(const PictureData& picture);

// Writes a temporary file in the same folder and renames it over path, so a
// write that fails half-way never destroys the file that was there, and a
// link planted at path is replaced rather than written through. Throws
// PlatformError when the folder is missing or the write fails.
void write_bitmap_file(const PictureData& picture, const std::string& path);
