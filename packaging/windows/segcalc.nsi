; The Windows installer, built by makensis from the staged package
; (packaging/windows_package.cmake defines VERSION, RC_VERSION, STAGE, ICON,
; OUTFILE, WITH_WINDOW when the build has the window program and WITH_PAGE
; when it has the web page).
; Installs into Program Files, adds the Start-menu entries and registers the
; uninstaller with Windows; /S installs and uninstalls silently, /D= chooses
; the folder.
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin
ManifestSupportedOS all
ManifestDPIAware true

!include "MUI2.nsh"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\segcalc"
!define PRODUCT "求半径"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\segcalc"
; Installing again goes where the last install went.
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${PRODUCT} ${VERSION}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!ifdef WITH_WINDOW
  !define MUI_FINISHPAGE_RUN "$INSTDIR\segcalc.exe"
!endif
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "SimpChinese"

VIProductVersion "${RC_VERSION}"
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "FileDescription" "${PRODUCT} 安装程序"
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "CompanyName" "segcalc"
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "LegalCopyright" "Copyright (c) 2026 segcalc"

; The Start-menu entry is for everyone on the PC, as Program Files is.
Function .onInit
  SetShellVarContext all
FunctionEnd

Function un.onInit
  SetShellVarContext all
FunctionEnd

Section
  SetOutPath "$INSTDIR"
!ifdef WITH_WINDOW
  File "${STAGE}/segcalc.exe"
!endif
  File "${STAGE}/segcalc-cli.exe"
!ifdef WITH_PAGE
  File "${STAGE}/segcalc.html"
  ; The page opens in the browser, as a double click on it would.
  CreateShortcut "$SMPROGRAMS\${PRODUCT} 工作台.lnk" "$INSTDIR\segcalc.html"
!endif
  File "${STAGE}/README.txt"
  File "${STAGE}/LICENSE.txt"
  WriteUninstaller "$INSTDIR\uninstall.exe"

!ifdef WITH_WINDOW
  CreateShortcut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\segcalc.exe"
  !define DISPLAY_ICON "$INSTDIR\segcalc.exe"
!else
  !define DISPLAY_ICON "$INSTDIR\segcalc-cli.exe"
!endif

  ; What "Programs and Features" lists, and how it uninstalls.
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT} ${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "${DISPLAY_ICON}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "segcalc"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  SectionGetSize 0 $0
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

; Each file by name: a folder the user chose may hold files of their own.
Section "Uninstall"
  Delete "$INSTDIR\segcalc.exe"
  Delete "$INSTDIR\segcalc-cli.exe"
  Delete "$INSTDIR\segcalc.html"
  Delete "$INSTDIR\README.txt"
  Delete "$INSTDIR\LICENSE.txt"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\${PRODUCT}.lnk"
  Delete "$SMPROGRAMS\${PRODUCT} 工作台.lnk"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
