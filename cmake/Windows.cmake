# SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows build (cross-built with mingw-w64, see cmake/mingw-w64.cmake and
# tools/build-windows): the files of platform/win32/ in place of the POSIX,
# X and CUPS ones, the C++ runtime linked in, the program's icon as a
# resource, and the SDL DLLs and the MIDI instruments beside the program.
set(RD_SYSTEM_CORE_SOURCES
  platform/win32/asset_path_win32.cpp platform/win32/file_system_win32.cpp platform/win32/wide.cpp)
set(RD_SYSTEM_SDL_SOURCES
  platform/win32/gdi_printer.cpp platform/win32/print_layout.cpp platform/win32/process_win32.cpp
  platform/win32/keyboard_hook_win32.cpp platform/win32/low_level_keys.cpp platform/win32/midi_output_win32.cpp)
set(RD_SYSTEM_LIBRARIES winspool gdi32 winmm)

# No libstdc++, libgcc or winpthread DLLs to ship: only SDL's own sit beside
# the program.
add_link_options(-static)
# No link time in the executables' headers: the same commit links to the
# same bytes (tools/release).
add_link_options(-Wl,--no-insert-timestamp)

# The program's icon, made from the same pictures as the Linux one.
find_program(RD_CONVERT convert REQUIRED)
set(RD_ICON "${CMAKE_BINARY_DIR}/rainbowdrop.ico")
add_custom_command(OUTPUT "${RD_ICON}"
  COMMAND ${RD_CONVERT} "${CMAKE_SOURCE_DIR}/resources/icon256.png" -define icon:auto-resize=256,48,32,16 "${RD_ICON}"
  DEPENDS "${CMAKE_SOURCE_DIR}/resources/icon256.png"
  COMMENT "Making the program's icon")
file(WRITE "${CMAKE_BINARY_DIR}/rainbowdrop.rc.in" "1 ICON \"${RD_ICON}\"\n")
configure_file("${CMAKE_BINARY_DIR}/rainbowdrop.rc.in" "${CMAKE_BINARY_DIR}/rainbowdrop.rc" COPYONLY)
set_source_files_properties("${CMAKE_BINARY_DIR}/rainbowdrop.rc" PROPERTIES OBJECT_DEPENDS "${RD_ICON}")
set(RD_PROGRAM_RESOURCES "${CMAKE_BINARY_DIR}/rainbowdrop.rc")

# Windows programs without a console, entered through SDL's WinMain.
function(rd_windows_program target)
  set_target_properties(${target} PROPERTIES WIN32_EXECUTABLE ON)
  target_link_libraries(${target} PRIVATE SDL2::SDL2main)
endfunction()

# SDL's DLLs beside the program and beside the test programs.
set(RD_SDL_DLLS)
foreach(dll SDL2 SDL2_image SDL2_mixer)
  set(found "${RD_WINDOWS_PREFIX}/bin/${dll}.dll")
  if(NOT EXISTS "${found}")
    message(FATAL_ERROR "${found} is missing: build with tools/build-windows")
  endif()
  list(APPEND RD_SDL_DLLS "${found}")
endforeach()
set(RD_WINDOWS_FILES)
foreach(folder "${CMAKE_BINARY_DIR}" "${CMAKE_BINARY_DIR}/tests")
  foreach(dll IN LISTS RD_SDL_DLLS)
    get_filename_component(name "${dll}" NAME)
    add_custom_command(OUTPUT "${folder}/${name}"
      COMMAND ${CMAKE_COMMAND} -E make_directory "${folder}"
      COMMAND ${CMAKE_COMMAND} -E copy "${dll}" "${folder}/${name}" DEPENDS "${dll}")
    list(APPEND RD_WINDOWS_FILES "${folder}/${name}")
  endforeach()
endforeach()

# The instruments of timidity.cfg, from Debian's freepats, with their notice,
# beside the program and beside the test programs (which play the tune too).
set(RD_FREEPATS /usr/share/midi/freepats)
file(STRINGS "${CMAKE_SOURCE_DIR}/platform/win32/timidity.cfg" rd_cfg_lines REGEX "^ *[0-9]+ +timidity/")
set(RD_TIMIDITY_FILES "${CMAKE_SOURCE_DIR}/platform/win32/timidity.cfg|timidity.cfg"
  "/usr/share/doc/freepats/copyright|timidity/copyright")
foreach(line IN LISTS rd_cfg_lines)
  string(REGEX REPLACE "^ *[0-9]+ +timidity/([^ ]+).*" "\\1" patch "${line}")
  if(NOT EXISTS "${RD_FREEPATS}/${patch}")
    message(FATAL_ERROR "${RD_FREEPATS}/${patch} is missing: install Debian's freepats")
  endif()
  list(APPEND RD_TIMIDITY_FILES "${RD_FREEPATS}/${patch}|timidity/${patch}")
endforeach()
foreach(folder "${CMAKE_BINARY_DIR}" "${CMAKE_BINARY_DIR}/tests")
  foreach(pair IN LISTS RD_TIMIDITY_FILES)
    string(REPLACE "|" ";" pair "${pair}")
    list(GET pair 0 from)
    list(GET pair 1 to)
    add_custom_command(OUTPUT "${folder}/${to}"
      COMMAND ${CMAKE_COMMAND} -E copy "${from}" "${folder}/${to}" DEPENDS "${from}")
    list(APPEND RD_WINDOWS_FILES "${folder}/${to}")
  endforeach()
endforeach()
add_custom_target(rd_windows_files ALL DEPENDS ${RD_WINDOWS_FILES})
