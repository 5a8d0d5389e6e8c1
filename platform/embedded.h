// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Files built into the program (the window's initial pictures, pointers and
// icon), embedded at build time from the same files that ship beside it.
#include <cstdint>
#include <span>
#include <string_view>

// name as "PICTURE/01.GIF" or "resources/icon32.png"; throws std::out_of_range
// for a name that was not embedded.
std::span<const std::uint8_t> embedded_file(std::string_view name);
