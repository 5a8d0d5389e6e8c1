#!/bin/bash
# SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
# SPDX-License-Identifier: GPL-3.0-or-later
# Spoiled files in the real program: files whose header is whole but whose
# data is random (as a bad sector leaves them, so the start-up length check
# passes), a voice replaced by a folder, and the picture folder replaced by
# a file. The child uses every one of them; each use fails quietly, the
# program keeps answering, and Ctrl+X with Da still ends it with status 0.
source "$(dirname "$0")/lib.sh" "$1"
source "$E2E_DIR/spoiled_files.sh"

spoil_files
e2e_start SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$E2E_TMP/output.raw"
use_spoiled_files
echo "1 passed, 0 failed"
