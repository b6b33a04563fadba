; The Spoolcat setup: a per-machine install into the 32-bit Program Files,
; a Start-menu shortcut, and an entry in Add/Remove Programs.
;
; Built by scripts/package.sh, which passes:
;   /DVERSION=a.b.c.d   the version of the top CMakeLists.txt
;   /DBUILD_DIR=...     the folder holding spoolcat.exe and spoolcat.chm
;   /DOUT_FILE=...      the setup to write
;
; The robot software's manager (ketmgr.exe) is not part of this setup: it
; belongs to the robot software, and the program finds it through the robot's
; registry key.

!macro RequireDefine NAME
  !ifndef ${NAME}
    !error "${NAME} is not defined: pass /DVERSION=, /DBUILD_DIR= and /DOUT_FILE= (scripts/package.sh does)"
  !endif
!macroend
!insertmacro RequireDefine VERSION
!insertmacro RequireDefine BUILD_DIR
!insertmacro RequireDefine OUT_FILE

Unicode true
SetCompressor /SOLID lzma
ManifestDPIAware true

!define PRODUCT "Spoolcat"
!define MAKER "Venmora Inc."
!define MAKER_FOLDER "Venmora"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"
!define UNINSTALLER "uninstall.exe"
; Start-menu entries belong at the top of Programs when there is only one.
!define SHORTCUT "$SMPROGRAMS\${PRODUCT}.lnk"

Name "${PRODUCT}"
OutFile "${OUT_FILE}"
InstallDir "$PROGRAMFILES32\${MAKER_FOLDER}\${PRODUCT}"
RequestExecutionLevel admin
ShowInstDetails show
ShowUninstDetails show

VIProductVersion "${VERSION}"
VIAddVersionKey /LANG=1033 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1033 "CompanyName" "${MAKER}"
VIAddVersionKey /LANG=1033 "FileDescription" "${PRODUCT} setup"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "${MAKER}"

!include "MUI2.nsh"
!include "FileFunc.nsh"
!include "LogicLib.nsh"

!define MUI_ABORTWARNING
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
; No "Run Spoolcat" box: started from here it would run elevated, as the
; administrator, and keep that account's settings instead of the user's.
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

Function .onInit
  ; Shortcuts for every user, and the program's own files in Program Files.
  SetShellVarContext all
FunctionEnd

Function un.onInit
  SetShellVarContext all
FunctionEnd

Section "Spoolcat"
  SetOutPath "$INSTDIR"
  File "${BUILD_DIR}\spoolcat.exe"
  File "${BUILD_DIR}\spoolcat.chm"
  WriteUninstaller "$INSTDIR\${UNINSTALLER}"

  CreateShortcut "${SHORTCUT}" "$INSTDIR\spoolcat.exe" "" "$INSTDIR\spoolcat.exe" 0

  ; A 32-bit setup writes into the 32-bit view (Wow6432Node on 64-bit
  ; Windows), which Add/Remove Programs lists as well.
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${MAKER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\spoolcat.exe,0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  ; In KB, of what is in the folder now, the uninstaller included.
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

; Removes exactly what the setup put there. The settings the program keeps
; under Software\Venmora\Spoolcat (per user, or per machine on Windows XP)
; stay, so a reinstall finds the user's choices again.
Section "Uninstall"
  Delete "${SHORTCUT}"
  Delete "$INSTDIR\spoolcat.exe"
  Delete "$INSTDIR\spoolcat.chm"
  Delete "$INSTDIR\${UNINSTALLER}"
  ; Only when empty: files the user put there are not ours to delete.
  RMDir "$INSTDIR"
  ${If} "$INSTDIR" == "$PROGRAMFILES32\${MAKER_FOLDER}\${PRODUCT}"
    RMDir "$PROGRAMFILES32\${MAKER_FOLDER}"
  ${EndIf}
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
