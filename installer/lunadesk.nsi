; The per-user installer of Lunadesk: no administrator rights, everything under the user's
; own folders and HKEY_CURRENT_USER. Built by installer/package.cmake, which passes
;   VERSION  the project version, e.g. 1.0.0
;   STAGE    the folder holding lunadesk.exe, README.txt and LICENSE
;   ICON     the program's icon
;   OUTFILE  the setup.exe to write
; makensis -INPUTCHARSET UTF8 /DVERSION=... /DSTAGE=... /DICON=... /DOUTFILE=... lunadesk.nsi

Unicode true
; 64-bit stubs: the program is 64-bit, and so is every Windows it is meant for.
Target amd64-unicode
SetCompressor /SOLID lzma
ManifestDPIAware true
RequestExecutionLevel user

!ifndef VERSION | STAGE | ICON | OUTFILE
  !error "VERSION, STAGE, ICON and OUTFILE are set by package.cmake"
!endif

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include WordFunc.nsh
!include Sections.nsh

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Lunadesk"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
; Where Task Manager and Settings keep a Run value switched off, by the value's name.
!define APPROVED_KEY "Software\Microsoft\Windows\CurrentVersion\Explorer\StartupApproved\Run"
!define SETTINGS_KEY "Software\Lunadesk"
!define SHORTCUT "$SMPROGRAMS\Lunadesk 日历.lnk"
; What the running calendar is known by: its window and its single-instance lock.
!define WINDOW_CLASS "LunadeskWindow"
!define WINDOW_TITLE "日历-Calendar"
!define INSTANCE_LOCK "Local\Lunadesk.Calendar"
!define SYNCHRONIZE 0x00100000
!define ERROR_ACCESS_DENIED 5
; Exit codes of a silent run that changed nothing; NSIS itself answers 1 and 2 for a
; cancelled and an aborted run.
!define EXIT_NEWER_INSTALLED 10
!define EXIT_STILL_RUNNING 11

; In the page language: an English Windows may have no font for the Chinese name.
Name "$(ProductName)"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Lunadesk"
; An upgrade or a repair goes where the calendar is installed already.
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "Lunadesk ${VERSION}"
ShowInstDetails nevershow
ShowUninstDetails nevershow

Var WasRunning
Var StartCommand

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_COMPONENTSPAGE_NODESC
!define MUI_FINISHPAGE_RUN "$INSTDIR\lunadesk.exe"
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_COMPONENTS
!insertmacro MUI_UNPAGE_INSTFILES

; The first language is the one for every system that is not Chinese.
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "SimpChinese"

LangString ProductName ${LANG_ENGLISH} "Lunadesk calendar"
LangString ProductName ${LANG_SIMPCHINESE} "Lunadesk 日历"
LangString StartAtLogOn ${LANG_ENGLISH} "Start at log-on"
LangString StartAtLogOn ${LANG_SIMPCHINESE} "开机时启动"
LangString DeleteSettings ${LANG_ENGLISH} "Also delete my settings"
LangString DeleteSettings ${LANG_SIMPCHINESE} "同时删除我的设置"
LangString StillRunning ${LANG_ENGLISH} "The Lunadesk calendar is still running and did not close.$\r$\n$\r$\nClose it, then click Retry. Cancel changes nothing."
LangString StillRunning ${LANG_SIMPCHINESE} "Lunadesk 日历仍在运行，未能自动关闭。$\r$\n$\r$\n请关闭它，然后点“重试”。点“取消”则不做任何更改。"
LangString NewerInstalled ${LANG_ENGLISH} "Lunadesk $R9 is already installed, which is newer than this setup (${VERSION}). Nothing was changed."
LangString NewerInstalled ${LANG_SIMPCHINESE} "已安装 Lunadesk $R9，比本安装程序（${VERSION}）更新。未做任何更改。"

VIProductVersion "${VERSION}.0"
VIFileVersion "${VERSION}.0"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductName" "Lunadesk"
VIAddVersionKey /LANG=${LANG_ENGLISH} "CompanyName" "Lunadesk"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileDescription" "Lunadesk 日历 setup"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "LegalCopyright" "Copyright (c) 2026 Lunadesk developers"

; Chinese pages for every Chinese system language (any region), English for the rest.
!macro SelectLanguage
  System::Call 'kernel32::GetUserDefaultUILanguage() i .r0'
  IntOp $0 $0 & 0x3FF
  ${If} $0 = 4
    StrCpy $LANGUAGE ${LANG_SIMPCHINESE}
  ${Else}
    StrCpy $LANGUAGE ${LANG_ENGLISH}
  ${EndIf}
!macroend

; Asks a running calendar to close as its "×" would, and waits up to 10 seconds for its
; process to end, so that its file can be replaced or removed. When it does not end, the
; user is asked to close it; a silent run, or Cancel, ends here with nothing changed.
; Sets WasRunning to 1 when a calendar was running.
!macro DefineCloseCalendar prefix
Function ${prefix}CloseCalendar
  StrCpy $WasRunning 0
  again:
  StrCpy $R0 0  ; tenths of a second waited
  StrCpy $R1 0  ; the window asked to close
  StrCpy $R2 0  ; its process
  ${Do}
    System::Call 'kernel32::OpenMutexW(i ${SYNCHRONIZE}, i 0, w "${INSTANCE_LOCK}") p .r1 ?e'
    Pop $5
    ${If} $1 != 0
      System::Call 'kernel32::CloseHandle(p r1)'
      StrCpy $WasRunning 1
    ${ElseIf} $5 = ${ERROR_ACCESS_DENIED}
      ; A calendar running elevated holds a lock this user may not open.
      StrCpy $WasRunning 1
    ${ElseIf} $R2 == 0
      ${Break}
    ${Else}
      ; The lock goes just before the process ends; its file is free once it has.
      System::Call 'kernel32::WaitForSingleObject(p R2, i 0) i .r3'
      ${IfThen} $3 = 0 ${|} ${Break} ${|}
    ${EndIf}
    FindWindow $2 "${WINDOW_CLASS}" "${WINDOW_TITLE}"
    ${If} $2 != 0
    ${AndIf} $2 != $R1
      StrCpy $R1 $2
      ${If} $R2 != 0
        System::Call 'kernel32::CloseHandle(p R2)'
      ${EndIf}
      System::Call 'user32::GetWindowThreadProcessId(p r2, *i .r4)'
      System::Call 'kernel32::OpenProcess(i ${SYNCHRONIZE}, i 0, i r4) p .R2'
      System::Call 'user32::PostMessageW(p r2, i ${WM_CLOSE}, p 0, p 0)'
    ${EndIf}
    ${If} $R0 >= 100
      ${If} $R2 != 0
        System::Call 'kernel32::CloseHandle(p R2)'
      ${EndIf}
      ${If} ${Silent}
        SetErrorLevel ${EXIT_STILL_RUNNING}
        Quit
      ${EndIf}
      MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$(StillRunning)" IDRETRY again
      Quit
    ${EndIf}
    Sleep 100
    IntOp $R0 $R0 + 1
  ${Loop}
  ${If} $R2 != 0
    System::Call 'kernel32::CloseHandle(p R2)'
  ${EndIf}
FunctionEnd
!macroend
!insertmacro DefineCloseCalendar ""
!insertmacro DefineCloseCalendar "un."

Section "!$(ProductName)" ProgramSection
  SectionIn RO
  Call CloseCalendar
  SetOutPath "$INSTDIR"
  File "${STAGE}\lunadesk.exe"
  File "${STAGE}\README.txt"
  File "${STAGE}\LICENSE"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortcut "${SHORTCUT}" "$INSTDIR\lunadesk.exe"

  ; Apps & Features.
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Lunadesk 日历"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "Lunadesk"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\lunadesk.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section "$(StartAtLogOn)" StartSection
  ; Exactly what the program itself writes when its box is ticked; a mark left from switching
  ; it off in Task Manager would keep it from starting all the same.
  WriteRegStr HKCU "${RUN_KEY}" "Lunadesk" "$StartCommand"
  DeleteRegValue HKCU "${APPROVED_KEY}" "Lunadesk"
SectionEnd

Section "-Finish"
  ${IfNot} ${SectionIsSelected} ${StartSection}
    ReadRegStr $0 HKCU "${RUN_KEY}" "Lunadesk"
    ${If} $0 == $StartCommand
      DeleteRegValue HKCU "${RUN_KEY}" "Lunadesk"
      DeleteRegValue HKCU "${APPROVED_KEY}" "Lunadesk"
    ${EndIf}
  ${EndIf}
  ; A silent upgrade puts back a calendar that was running, without taking the focus from
  ; whatever the user is doing; the finish page offers to start it otherwise.
  ${If} ${Silent}
  ${AndIf} $WasRunning = 1
    Exec '$StartCommand'
  ${EndIf}
SectionEnd

Function .onInit
  !insertmacro SelectLanguage
  StrCpy $StartCommand '"$INSTDIR\lunadesk.exe" /autostart'
  ReadRegStr $R9 HKCU "${UNINSTALL_KEY}" "DisplayVersion"
  ${If} $R9 != ""
    ${VersionCompare} $R9 "${VERSION}" $0
    ${If} $0 = 1
      MessageBox MB_OK|MB_ICONSTOP "$(NewerInstalled)" /SD IDOK
      SetErrorLevel ${EXIT_NEWER_INSTALLED}
      Quit
    ${EndIf}
    ; An upgrade or a repair keeps the user's choice of starting at log-on.
    ReadRegStr $0 HKCU "${RUN_KEY}" "Lunadesk"
    ${If} $0 != $StartCommand
      !insertmacro UnselectSection ${StartSection}
    ${EndIf}
  ${EndIf}
FunctionEnd

Section "-un.Program"
  Call un.CloseCalendar
  Delete "$INSTDIR\lunadesk.exe"
  Delete "$INSTDIR\README.txt"
  Delete "$INSTDIR\LICENSE"
  Delete "$INSTDIR\uninstall.exe"
  ; Only when empty: anything the user put there stays.
  RMDir "$INSTDIR"
  Delete "${SHORTCUT}"
  ; A portable copy's own entry, and its mark, are not ours to remove; a mark without an entry
  ; is nobody's.
  ReadRegStr $0 HKCU "${RUN_KEY}" "Lunadesk"
  ${If} $0 == '"$INSTDIR\lunadesk.exe" /autostart'
  ${OrIf} $0 == ""
    DeleteRegValue HKCU "${RUN_KEY}" "Lunadesk"
    DeleteRegValue HKCU "${APPROVED_KEY}" "Lunadesk"
  ${EndIf}
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd

Section /o "un.$(DeleteSettings)"
  DeleteRegKey HKCU "${SETTINGS_KEY}"
SectionEnd

Function un.onInit
  !insertmacro SelectLanguage
FunctionEnd
