# SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package (cpack in the build folder): rainbowdrop_<version>_amd64.deb
# (the architecture is dpkg's) with the program folder under /opt/rainbowdrop,
# the command /usr/bin/rainbowdrop, a menu entry, the manual page, the
# AppStream metadata and the documentation Debian asks for.
#
# The files under /usr have absolute destinations in a component of their own
# that a plain `cmake --install --prefix DIR` leaves out, so that installing
# the program folder somewhere never writes into /usr.
set(RD_PACKAGE_PREFIX /opt/rainbowdrop)
set(RD_PACKAGE_DIR "${CMAKE_BINARY_DIR}/packaging")
foreach(f rainbowdrop postinst postrm rainbowdrop.6 rainbowdrop.metainfo.xml)
  configure_file("${CMAKE_SOURCE_DIR}/packaging/${f}.in" "${RD_PACKAGE_DIR}/${f}" @ONLY)
endforeach()

# Compressed without a name or a time stamp (gzip -n), so that the same
# sources give the same bytes.
add_custom_command(OUTPUT "${RD_PACKAGE_DIR}/changelog.gz" "${RD_PACKAGE_DIR}/rainbowdrop.6.gz"
  COMMAND ${CMAKE_COMMAND} -E copy "${CMAKE_SOURCE_DIR}/packaging/changelog" "${RD_PACKAGE_DIR}/changelog"
  COMMAND gzip -9nf "${RD_PACKAGE_DIR}/changelog"
  COMMAND gzip -9nkf "${RD_PACKAGE_DIR}/rainbowdrop.6"
  DEPENDS "${CMAKE_SOURCE_DIR}/packaging/changelog" "${RD_PACKAGE_DIR}/rainbowdrop.6"
  COMMENT "Compressing the changelog and the manual page")
add_custom_command(OUTPUT "${RD_PACKAGE_DIR}/copyright"
  COMMAND ${CMAKE_COMMAND} -DTEMPLATE=${CMAKE_SOURCE_DIR}/packaging/copyright.in
    -DLICENCE_TEXT=${CMAKE_SOURCE_DIR}/LICENSES/CC-BY-SA-4.0.txt -DOUTPUT=${RD_PACKAGE_DIR}/copyright
    -P "${CMAKE_SOURCE_DIR}/cmake/DebianCopyright.cmake"
  DEPENDS "${CMAKE_SOURCE_DIR}/packaging/copyright.in" "${CMAKE_SOURCE_DIR}/LICENSES/CC-BY-SA-4.0.txt"
    "${CMAKE_SOURCE_DIR}/cmake/DebianCopyright.cmake"
  COMMENT "Writing the package's copyright file")
add_custom_target(rd_package_files ALL
  DEPENDS "${RD_PACKAGE_DIR}/changelog.gz" "${RD_PACKAGE_DIR}/rainbowdrop.6.gz" "${RD_PACKAGE_DIR}/copyright")

install(PROGRAMS "${RD_PACKAGE_DIR}/rainbowdrop" DESTINATION /usr/bin
  COMPONENT desktop EXCLUDE_FROM_ALL)
install(FILES packaging/rainbowdrop.desktop DESTINATION /usr/share/applications
  COMPONENT desktop EXCLUDE_FROM_ALL)
install(FILES resources/icon32.png DESTINATION /usr/share/icons/hicolor/32x32/apps RENAME rainbowdrop.png
  COMPONENT desktop EXCLUDE_FROM_ALL)
install(FILES resources/icon256.png DESTINATION /usr/share/icons/hicolor/256x256/apps RENAME rainbowdrop.png
  COMPONENT desktop EXCLUDE_FROM_ALL)
install(FILES "${RD_PACKAGE_DIR}/rainbowdrop.6.gz" DESTINATION /usr/share/man/man6
  COMPONENT desktop EXCLUDE_FROM_ALL)
install(FILES "${RD_PACKAGE_DIR}/rainbowdrop.metainfo.xml" DESTINATION /usr/share/metainfo
  RENAME org.rainbowdrop.rainbowdrop.metainfo.xml COMPONENT desktop EXCLUDE_FROM_ALL)
install(FILES "${RD_PACKAGE_DIR}/copyright" "${RD_PACKAGE_DIR}/changelog.gz" THIRD-PARTY.md
  DESTINATION /usr/share/doc/rainbowdrop COMPONENT desktop EXCLUDE_FROM_ALL)
install(FILES packaging/rainbowdrop.lintian-overrides DESTINATION /usr/share/lintian/overrides
  RENAME rainbowdrop COMPONENT desktop EXCLUDE_FROM_ALL)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME rainbowdrop)
set(CPACK_PACKAGE_VENDOR "Rainbow Drop")
set(CPACK_PACKAGE_CONTACT "Rainbow Drop developer <dev@rainbowdrop.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "colouring book for young children")
set(CPACK_PACKAGE_DESCRIPTION
  "A full-screen colouring book for young children: 25 line drawings, a fill
tool and a brush, twelve colours that say their names, eight animated wipes,
printing with Ctrl+P and background music. Key combinations that would leave
the program are swallowed; only the exit question ends it.")
set(CPACK_PACKAGING_INSTALL_PREFIX "${RD_PACKAGE_PREFIX}")
# The program folder (the rules without a component) and the desktop files.
set(CPACK_INSTALL_CMAKE_PROJECTS
  "${CMAKE_BINARY_DIR};${PROJECT_NAME};Unspecified;/"
  "${CMAKE_BINARY_DIR};${PROJECT_NAME};desktop;/")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# Filed like Debian's other painting program for children.
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Found with dpkg-shlibdeps on Debian 12; the sound font is the General MIDI
# font that SDL_mixer's FluidSynth finds by itself (either one will do).
set(CPACK_DEBIAN_PACKAGE_DEPENDS
  "libc6 (>= 2.34), libstdc++6 (>= 11), libgcc-s1 (>= 3.0), libsdl2-2.0-0 (>= 2.0.16), libsdl2-image-2.0-0 (>= 2.0.5), libsdl2-mixer-2.0-0 (>= 2.6.0), libcups2 (>= 1.4.0), timgm6mb-soundfont | fluid-soundfont-gm")
# The web links open with xdg-open; printing needs a CUPS scheduler.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "cups")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA "${RD_PACKAGE_DIR}/postinst;${RD_PACKAGE_DIR}/postrm")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_PACKAGE_DIRECTORY "${CMAKE_BINARY_DIR}")
include(CPack)
