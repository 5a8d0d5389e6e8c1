# SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
# SPDX-License-Identifier: GPL-3.0-or-later
# Cross-building for 64-bit Windows with Debian's mingw-w64 compilers. The
# -posix variants: the win32 thread model has no std::thread or std::mutex.
# RD_WINDOWS_PREFIX names the folder holding the cross-built SDL libraries
# (tools/build-windows passes it).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(RD_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${RD_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${RD_MINGW}-g++-posix)
set(CMAKE_ASM_COMPILER ${RD_MINGW}-gcc-posix)
set(CMAKE_RC_COMPILER ${RD_MINGW}-windres)
set(CMAKE_AR /usr/bin/${RD_MINGW}-gcc-ar-posix CACHE FILEPATH "")
set(CMAKE_RANLIB /usr/bin/${RD_MINGW}-gcc-ranlib-posix CACHE FILEPATH "")

# Passed on to try_compile projects, which read this file again.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES RD_WINDOWS_PREFIX)
set(CMAKE_FIND_ROOT_PATH /usr/${RD_MINGW} ${RD_WINDOWS_PREFIX})
set(CMAKE_PREFIX_PATH ${RD_WINDOWS_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# The host's pkg-config must never hand out Linux libraries.
if(RD_WINDOWS_PREFIX)
  set(ENV{PKG_CONFIG_LIBDIR} "${RD_WINDOWS_PREFIX}/lib/pkgconfig")
else()
  set(ENV{PKG_CONFIG_LIBDIR} "/usr/${RD_MINGW}/lib/pkgconfig")
endif()
set(ENV{PKG_CONFIG_PATH} "")

# ctest runs the test programs through Wine.
set(CMAKE_CROSSCOMPILING_EMULATOR wine)
