// SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program keeps every path in UTF-8; Windows takes them in UTF-16.
#include <string>

std::wstring widen(const std::string& utf8);
std::string narrow(const std::wstring& utf16);
