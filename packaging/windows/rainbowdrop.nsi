; SPDX-FileCopyrightText: 2026 Rainbow Drop contributors
; SPDX-License-Identifier: GPL-3.0-or-later
; The per-user Windows installer of Rainbow Drop: no administrator rights,
; the program in %LOCALAPPDATA%\Programs\Rainbow Drop, shortcuts in the Start
; menu and (unless unticked) on the desktop, an entry in the list of
; installed programs. Built by build-installer beside this file, which lists
; the program folder's files into files.nsh and unfiles.nsh and passes
; VERSION, SRC (the program folder), LICENCE, SIZE_KB and OUTFILE.
Unicode true
Target amd64-unicode
RequestExecutionLevel user
SetCompressor /SOLID lzma

!include MUI2.nsh
!include LogicLib.nsh

!define NAME "Rainbow Drop"
!define PUBLISHER "Rainbow Drop"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\RainbowDrop"

Name "${NAME}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\${NAME}"
BrandingText "${NAME} ${VERSION}"
VIProductVersion "${VERSION}.0"
VIAddVersionKey "ProductName" "${NAME}"
VIAddVersionKey "CompanyName" "${PUBLISHER}"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "FileDescription" "${NAME} installer"

!define MUI_ICON "${SRC}\rainbowdrop.ico"
!define MUI_UNICON "${SRC}\rainbowdrop.ico"
!define MUI_COMPONENTSPAGE_NODESC
!insertmacro MUI_PAGE_LICENSE "${LICENCE}"
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\rainbowdrop.exe"
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_COMPONENTS
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

Section "${NAME}" SecProgram
    SectionIn RO
    ; The saved picture lives in MY_PICTURE: the folder is made, never
    ; filled, so that installing over an older version keeps the picture.
    !include "files.nsh"
    CreateDirectory "$INSTDIR\MY_PICTURE"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateShortcut "$SMPROGRAMS\${NAME}.lnk" "$INSTDIR\rainbowdrop.exe" "" "$INSTDIR\rainbowdrop.exe" 0
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${NAME}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\rainbowdrop.exe,0"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" ${SIZE_KB}
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Desktop shortcut" SecDesktop
    CreateShortcut "$DESKTOP\${NAME}.lnk" "$INSTDIR\rainbowdrop.exe" "" "$INSTDIR\rainbowdrop.exe" 0
SectionEnd

Section "un.${NAME}" UnSecProgram
    SectionIn RO
    !include "unfiles.nsh"
    Delete "$INSTDIR\uninstall.exe"
    Delete "$SMPROGRAMS\${NAME}.lnk"
    Delete "$DESKTOP\${NAME}.lnk"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd

; Off unless the user ticks it, and so never in a silent uninstall.
Section /o "un.Also remove the saved picture" UnSecPicture
    Delete "$INSTDIR\MY_PICTURE\01.GIF"
SectionEnd

Section "-un.folders"
    ; Only empty folders go: a kept picture keeps its folder.
    RMDir "$INSTDIR\MY_PICTURE"
    RMDir "$INSTDIR"
SectionEnd
