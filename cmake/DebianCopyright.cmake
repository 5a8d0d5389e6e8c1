# SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
# SPDX-License-Identifier: GPL-3.0-or-later
# Writes the package's machine-readable copyright file from its template and
# the CC BY-SA 4.0 text of LICENSES/, which Debian does not carry in
# /usr/share/common-licenses and which must therefore be given in full.
#   cmake -DTEMPLATE=... -DLICENCE_TEXT=... -DOUTPUT=... -P DebianCopyright.cmake
file(READ "${LICENCE_TEXT}" text)
string(REGEX REPLACE "[\r\n]+$" "" text "${text}")
string(REPLACE "\r" "" text "${text}")
# A field's continuation lines start with one space; an empty line is " .".
string(REGEX REPLACE "[ \t]+\n" "\n" text "${text}")
string(REPLACE "\n" "\n " text " ${text}")
set(previous "")
while(NOT previous STREQUAL text)
  set(previous "${text}")
  string(REPLACE "\n \n" "\n .\n" text "${text}")
endwhile()
string(REGEX REPLACE "^ \n" " .\n" text "${text}")
set(CC_BY_SA_4_0_TEXT "${text}")
configure_file("${TEMPLATE}" "${OUTPUT}" @ONLY)
