; SPDX-License-Identifier: MIT
; The Windows installer. makensis is given, with -D:
;   SCREENSAVER  the built varnholt.scr
;   RESOURCES    src/resources (help pages, read-me, pictures)
;   LICENSE      the licence text shown before installing
;   OUTFILE      the installer to write
;   VERSION      major.minor
; The user's settings (HKCU\Software\Kestle\Varnholt) belong to the user: nothing here touches them.
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin
ManifestDPIAware true

!include MUI2.nsh

!define PRODUCT "Varnholt ScreenSaver"
!define SETTINGS_LINK "$SMPROGRAMS\Varnholt ScreenSaver Settings.lnk"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Varnholt"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
; A 64-bit installer: $SYSDIR is the 64-bit system folder, where the display settings list savers.
InstallDir "$PROGRAMFILES64\Varnholt"
BrandingText "${PRODUCT} ${VERSION}"

VIProductVersion "${VERSION}.0.0"
VIAddVersionKey ProductName "${PRODUCT}"
VIAddVersionKey ProductVersion "${VERSION}"
VIAddVersionKey FileVersion "${VERSION}"
VIAddVersionKey FileDescription "${PRODUCT} Setup"
VIAddVersionKey CompanyName "Kestle"
VIAddVersionKey LegalCopyright "Kestle"

!define MUI_ABORTWARNING
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${LICENSE}"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$SYSDIR\varnholt.scr"
!define MUI_FINISHPAGE_RUN_PARAMETERS "/c"
!define MUI_FINISHPAGE_RUN_TEXT "Open the ${PRODUCT} settings"
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE English

Section "Install"
  SetShellVarContext all
  SetOutPath "$SYSDIR"
  File "${SCREENSAVER}"

  SetOutPath "$INSTDIR"
  File "${RESOURCES}/ReadMe.rtf"
  SetOutPath "$INSTDIR\help"
  File "${RESOURCES}/help/*.html"
  File "${RESOURCES}/help/*.css"
  SetOutPath "$INSTDIR\pictures"
  File "${RESOURCES}/pictures/*.svg"

  SetOutPath "$INSTDIR"
  CreateShortcut "${SETTINGS_LINK}" "$SYSDIR\varnholt.scr" "/c" "$SYSDIR\varnholt.scr" 0

  ; Where the program finds the help pages and the read-me when "DesktopPath" does not hold them.
  WriteRegStr HKLM "Software\Kestle\Varnholt" InstallPath "$INSTDIR"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" DisplayName "${PRODUCT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" DisplayVersion "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" Publisher "Kestle"
  WriteRegStr HKLM "${UNINSTALL_KEY}" InstallLocation "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" DisplayIcon "$SYSDIR\varnholt.scr"
  WriteRegStr HKLM "${UNINSTALL_KEY}" UninstallString '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" QuietUninstallString '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" NoModify 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" NoRepair 1
SectionEnd

Section "Uninstall"
  SetShellVarContext all
  Delete "$SYSDIR\varnholt.scr"
  Delete "${SETTINGS_LINK}"
  ; Only the files this installer put there, so that nothing the user added is lost.
  Delete "$INSTDIR\ReadMe.rtf"
  Delete "$INSTDIR\help\*.html"
  Delete "$INSTDIR\help\*.css"
  RMDir "$INSTDIR\help"
  Delete "$INSTDIR\pictures\*.svg"
  RMDir "$INSTDIR\pictures"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
  DeleteRegValue HKLM "Software\Kestle\Varnholt" InstallPath
  DeleteRegKey /ifempty HKLM "Software\Kestle\Varnholt"
  DeleteRegKey /ifempty HKLM "Software\Kestle"
SectionEnd
