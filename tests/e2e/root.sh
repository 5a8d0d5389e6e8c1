# SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck shell=bash
# Root's rights for the end-to-end tests that need them (a print scheduler
# that may run the PDF printer, installing a package, making users): root
# itself, or sudo that asks for no password (after "sudo -v", or a NOPASSWD
# rule). Without either the test is skipped with its reason: ctest shows the
# status 77 as "Skipped" (SKIP_RETURN_CODE), never as passed.
E2E_SKIP_STATUS=77
skip() { echo "SKIP: $*"; exit "$E2E_SKIP_STATUS"; }

# Skips the test unless root's rights are at hand. $1 says what needs them.
need_root() {
    [ "$(id -u)" = 0 ] && return 0
    command -v sudo >/dev/null || skip "$1 needs root, and sudo is not installed"
    sudo -n true 2>/dev/null \
        || skip "$1 needs root, and sudo asks $(id -un) for a password or refuses (run \"sudo -v\" first)"
}

as_root() {
    if [ "$(id -u)" = 0 ]; then "$@"; else sudo -n "$@"; fi
}

# Runs the calling script again as root, through sudo, unless it is root
# already. $1 says what needs root; the script's own arguments follow.
become_root() {
    [ "$(id -u)" = 0 ] && return 0
    need_root "$1"
    shift
    echo "$(id -un) is not root: $(basename "$0") runs again through sudo"
    local keep=() v
    for v in $(compgen -e); do
        case $v in E2E_* | SDL_* | RD_*) keep+=("$v=${!v}") ;; esac
    done
    exec sudo -n env "${keep[@]}" bash "$0" "$@"
}
