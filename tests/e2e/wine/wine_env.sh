# SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
# SPDX-License-Identifier: GPL-3.0-or-later
# The environment every Wine start of the Windows tests uses.
# Usage: source wine_env.sh PREFIX_FOLDER
export WINEPREFIX=$1
export WINEARCH=win64
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
