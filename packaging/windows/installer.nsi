; The Windows installer: the program for the current user, a Start-menu
; shortcut and an uninstaller, in Russian.
; makensis -DTARGET=x86-unicode -DVERSION=... -DEXE_X64=... -DEXE_X86=... -DICON=...
;          -DREADME=... -DLICENSE=... -DOUTFILE=...
; A user's installer is 32-bit (TARGET x86-unicode), so that every Windows
; runs it.
Unicode true
Target ${TARGET}
; Windows 7 SP1 and later, as the program: the stub needs nothing newer.
ManifestSupportedOS Win7 Win8 Win8.1 Win10
SetCompressor /SOLID lzma
; The files' build times stay out, so that the same sources give the same
; installer.
SetDateSave off
!include "MUI2.nsh"
!include "x64.nsh"

!define NAME "Площадь треугольника"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\io.github.trianglearea.TriangleArea"

Name "${NAME}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\triangle-area"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
RequestExecutionLevel user
VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1049 "ProductName" "${NAME}"
VIAddVersionKey /LANG=1049 "FileDescription" "Установка: ${NAME}"
VIAddVersionKey /LANG=1049 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1049 "LegalCopyright" "MIT licence"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!insertmacro MUI_PAGE_LICENSE "${LICENSE}"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Russian"

Section
  SetOutPath "$INSTDIR"
  ; The 64-bit program where Windows runs on 64-bit x86; the 32-bit one on
  ; 32-bit Windows and on Windows on ARM, which runs 32-bit x86 programs.
  ${If} ${IsNativeAMD64}
    File "/oname=triangle-area.exe" "${EXE_X64}"
  ${Else}
    File "/oname=triangle-area.exe" "${EXE_X86}"
  ${EndIf}
  File "/oname=README.md" "${README}"
  File "/oname=LICENSE.txt" "${LICENSE}"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortcut "$SMPROGRAMS\${NAME}.lnk" "$INSTDIR\triangle-area.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${NAME}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\triangle-area.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
  Delete "$SMPROGRAMS\${NAME}.lnk"
  Delete "$INSTDIR\triangle-area.exe"
  Delete "$INSTDIR\README.md"
  Delete "$INSTDIR\LICENSE.txt"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
