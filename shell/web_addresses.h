// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The two web addresses of the information panel, set at build time
// (RAINBOWDROP_PRODUCT_URL, RAINBOWDROP_MAKER_URL). Left empty, they open the
// about and credits pages that ship beside the program, which work offline.
#include <string>

std::string product_web_address(const std::string& app_folder);
// The file address of a page in the program folder (app_folder ends in '/').
std::string shipped_page_address(const std::string& app_folder, const char* page);
std::string maker_web_address(const std::string& app_folder);
