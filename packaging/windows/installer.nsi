# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows installer: coolingload.exe in Program Files, a Start-menu entry under the
# program's Persian name for every user, and an uninstaller that Windows' list of installed
# programs knows. The pages are in Persian, right to left. scripts/build-windows makes it:
#   makensis -INPUTCHARSET UTF8 -DPROGRAM=coolingload.exe -DVERSION=2.0 -DOUTFILE=setup.exe installer.nsi
# A 64-bit installer, like the program: it runs where the program can, and writes to the
# 64-bit registry and Program Files.
Target amd64-unicode
!ifndef PROGRAM | VERSION | OUTFILE
  !error "define PROGRAM (the built coolingload.exe), VERSION and OUTFILE"
!endif

!define DISPLAY_NAME "محاسبات بار برودتي"
# The uninstaller's key in the registry, in Latin letters like the installed folder.
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\CoolingLoad"

Name "${DISPLAY_NAME}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\CoolingLoad"
RequestExecutionLevel admin
SetCompressor /SOLID lzma

!include MUI2.nsh
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Farsi"

Section
  SetShellVarContext all
  SetOutPath "$INSTDIR"
  File "/oname=coolingload.exe" "${PROGRAM}"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortcut "$SMPROGRAMS\${DISPLAY_NAME}.lnk" "$INSTDIR\coolingload.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${DISPLAY_NAME}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\coolingload.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
  SetShellVarContext all
  Delete "$SMPROGRAMS\${DISPLAY_NAME}.lnk"
  Delete "$INSTDIR\coolingload.exe"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
