#!/bin/bash
# SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
# SPDX-License-Identifier: GPL-3.0-or-later
# The scaled-screen checks on 1280 x 1024: the frame 1.25 times as large,
# bars above and below.
export E2E_SCREEN=1280x1024x24
source "$(dirname "$0")/scaled_screen.sh" "$1"
