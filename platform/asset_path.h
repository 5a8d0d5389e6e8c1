// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Asset names are written the classic way ("\PICTURE\01.GIF", appended to a
// program folder). One function maps such a name onto this file system.
#include <string>

// Turns backslashes into '/', collapses doubled separators, and, where a
// component does not exist with that exact letter case, uses the entry of
// that folder whose name matches without regard to case.
std::string map_asset_path(const std::string& classic);
