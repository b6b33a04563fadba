; The Spoolcat setup: a per-machine install into the 32-bit Program Files,
; a Start-menu shortcut, and an entry in Add/Remove Programs.
;
; Built by scripts/package.sh, which passes:
;   /DVERSION=a.b.c.d   the version of the top CMakeLists.txt
;   /DBUILD_DIR=...     the folder holding spoolcat.exe, spoolcat.chm and
;                       notify-test.cmd
;   /DOUT_FILE=...      the setup to write
;
; Neither the setup nor the uninstaller touches a file while Spoolcat runs, in
; this session or another: they look for the names the program holds
; (Local\Venmora.Spoolcat and Global\Venmora.Spoolcat) before anything else,
; and again right before they copy or remove a file, as a copy started while
; their pages were open would otherwise be overwritten or removed under it.
; Interactive, a box asks to close Spoolcat (Retry, Cancel); silent (/S), they
; end at once with exit code 2 and change nothing. They never end Spoolcat
; themselves: a job may be running, and the program's close rule decides.
;
; An upgrade goes into the folder of the installed copy (the uninstall
; entry's InstallLocation), unless /D= names another.
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
; The name every copy of the program holds (src/app/program.h).
!define INSTANCE_NAME "Venmora.Spoolcat"
; The exit code of a silent setup or uninstaller that found Spoolcat running.
!define EXIT_SPOOLCAT_RUNS 2

Name "${PRODUCT}"
OutFile "${OUT_FILE}"
InstallDir "$PROGRAMFILES32\${MAKER_FOLDER}\${PRODUCT}"
; An upgrade proposes, and silently takes, the installed copy's folder.
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
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

; Sets $0 to 1 when a copy of Spoolcat holds its name in NAMESPACE. A name
; that exists but may not be opened (another user's copy: access denied) is
; held all the same. Uses $1 and $2.
!macro SPOOLCAT_HOLDS NAMESPACE
  System::Call 'kernel32::OpenMutexW(i 0x00100000, i 0, w "${NAMESPACE}\${INSTANCE_NAME}") p.r1 ?e'
  Pop $2
  ${If} $1 <> 0
    System::Call 'kernel32::CloseHandle(p r1)'
    StrCpy $0 1
  ${ElseIf} $2 = 5
    StrCpy $0 1
  ${EndIf}
!macroend

; Returns once no copy of Spoolcat runs. Until then: silent, ends with
; EXIT_SPOOLCAT_RUNS; interactive, asks to close it, again at Retry, and
; ends at Cancel. Nothing has been touched yet either way: it is called at
; the start and first thing in each section.
!macro WAIT_WHILE_SPOOLCAT_RUNS UN
Function ${UN}WaitWhileSpoolcatRuns
  check:
  StrCpy $0 0
  !insertmacro SPOOLCAT_HOLDS "Local"
  !insertmacro SPOOLCAT_HOLDS "Global"
  ${If} $0 = 0
    Return
  ${EndIf}
  ${If} ${Silent}
    SetErrorLevel ${EXIT_SPOOLCAT_RUNS}
    Quit
  ${EndIf}
  MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "Spoolcat is running, perhaps with a job on the disc robot.$\r$\n$\r$\nClose Spoolcat (its Exit button, once the robot allows it), then click Retry. Cancel leaves everything as it is." IDRETRY check
  SetErrorLevel 1
  Quit
FunctionEnd
!macroend
!insertmacro WAIT_WHILE_SPOOLCAT_RUNS ""
!insertmacro WAIT_WHILE_SPOOLCAT_RUNS "un."

Function .onInit
  Call WaitWhileSpoolcatRuns
  ; Shortcuts for every user, and the program's own files in Program Files.
  SetShellVarContext all
FunctionEnd

Function un.onInit
  Call un.WaitWhileSpoolcatRuns
  SetShellVarContext all
FunctionEnd

Section "Spoolcat"
  Call WaitWhileSpoolcatRuns
  SetOutPath "$INSTDIR"
  File "${BUILD_DIR}\spoolcat.exe"
  File "${BUILD_DIR}\spoolcat.chm"
  File "${BUILD_DIR}\notify-test.cmd"
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
  Call un.WaitWhileSpoolcatRuns
  Delete "${SHORTCUT}"
  Delete "$INSTDIR\spoolcat.exe"
  Delete "$INSTDIR\spoolcat.chm"
  Delete "$INSTDIR\notify-test.cmd"
  Delete "$INSTDIR\${UNINSTALLER}"
  ; Only when empty: files the user put there are not ours to delete.
  RMDir "$INSTDIR"
  ${If} "$INSTDIR" == "$PROGRAMFILES32\${MAKER_FOLDER}\${PRODUCT}"
    RMDir "$PROGRAMFILES32\${MAKER_FOLDER}"
  ${EndIf}
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
