# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows installer: coolingload.exe and the GPL's text in Program Files, a Start-menu
# entry under the program's Persian name for every user, and an uninstaller that Windows'
# list of installed programs knows with its publisher, size and icon. The pages are in
# Persian, right to left, the GPL's text among them. scripts/build-windows makes it:
#   makensis -INPUTCHARSET UTF8 -DPROGRAM=coolingload.exe -DLICENSE=LICENSE.txt
#            -DLICENSE_PAGE=LICENSE.rtf -DVERSION=2.0 -DOUTFILE=setup.exe installer.nsi
# LICENSE is the GPL's text with Windows' line ends (CR LF), for Notepad; LICENSE_PAGE the
# same text in RTF, whose paragraphs say left to right: in a plain text the licence page,
# right to left like the rest, would set the English text flush right with each sentence's
# full stop at its left end. A 64-bit installer, like the program: it runs where the program
# can, and writes to the 64-bit registry and Program Files.
Target amd64-unicode
!ifndef PROGRAM | LICENSE | LICENSE_PAGE | VERSION | OUTFILE
  !error "define PROGRAM (the built coolingload.exe), LICENSE and LICENSE_PAGE (the GPL's text), VERSION and OUTFILE"
!endif

!define DISPLAY_NAME "محاسبات بار برودتي"
# The name Windows shows as the publisher, as debian/ names the maintainer, until the project
# has a public name of its own.
!define PUBLISHER "Cooling-load calculator developers"
# The uninstaller's key in the registry, in Latin letters like the installed folder.
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\CoolingLoad"

Name "${DISPLAY_NAME}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\CoolingLoad"
RequestExecutionLevel admin
SetCompressor /SOLID lzma
# Drawn sharp at 125 and 150 %: at the system's scale from Windows Vista on, and on each
# monitor at its own scale from Windows 10 1703 on.
ManifestDPIAware true
ManifestDPIAwareness "PerMonitorV2,System"

# The version resource that Windows shows in the file's properties.
VIProductVersion "${VERSION}.0.0"
VIFileVersion "${VERSION}.0.0"

!include FileFunc.nsh
!include MUI2.nsh
# From this script's folder, where makensis works.
!define MUI_ICON "../../app/win32/coolingload.ico"
!define MUI_UNICON "${MUI_ICON}"
# The GPL asks no one to accept it to install or run the program, so the page goes on with
# Next, not with "I agree".
!define MUI_PAGE_HEADER_TEXT "پروانه"
!define MUI_PAGE_HEADER_SUBTEXT "$(^NameDA) با پروانه عمومي همگاني گنو (GPL) منتشر مي‌شود."
!define MUI_LICENSEPAGE_TEXT_BOTTOM "براي نصب و اجراي برنامه پذيرفتن اين پروانه لازم نيست؛ رونوشت و تغيير آن تابع اين پروانه است."
!define MUI_LICENSEPAGE_BUTTON "$(^NextBtn)"
!insertmacro MUI_PAGE_LICENSE "${LICENSE_PAGE}"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Farsi"

VIAddVersionKey /LANG=${LANG_FARSI} "ProductName" "${DISPLAY_NAME}"
VIAddVersionKey /LANG=${LANG_FARSI} "FileDescription" "نصب ${DISPLAY_NAME}"
VIAddVersionKey /LANG=${LANG_FARSI} "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=${LANG_FARSI} "LegalCopyright" "GPL-3.0-or-later"
VIAddVersionKey /LANG=${LANG_FARSI} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_FARSI} "FileVersion" "${VERSION}"

Section
  SetShellVarContext all
  SetOutPath "$INSTDIR"
  File "/oname=coolingload.exe" "${PROGRAM}"
  File "/oname=LICENSE.txt" "${LICENSE}"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortcut "$SMPROGRAMS\${DISPLAY_NAME}.lnk" "$INSTDIR\coolingload.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${DISPLAY_NAME}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\coolingload.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  # In KB, of the installed folder as it is, uninstaller included.
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section "Uninstall"
  SetShellVarContext all
  Delete "$SMPROGRAMS\${DISPLAY_NAME}.lnk"
  Delete "$INSTDIR\coolingload.exe"
  Delete "$INSTDIR\LICENSE.txt"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
