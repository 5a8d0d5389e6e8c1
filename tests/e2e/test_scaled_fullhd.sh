#!/bin/bash
# SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
# SPDX-License-Identifier: GPL-3.0-or-later
# The scaled-screen checks on 1920 x 1080: the frame 1.40625 times as large,
# bars left and right.
export E2E_SCREEN=1920x1080x24
source "$(dirname "$0")/scaled_screen.sh" "$1"
