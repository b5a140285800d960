; The Windows installer: for the current user only (no administrator rights), into the
; user's programs folder, with a Start-menu shortcut, a desktop shortcut if the user asks
; for one, and an uninstaller that the user's "Apps" list knows. Its pages: welcome,
; folder, progress, and a finish page that offers to run Velmoor and links the notices of
; the others' software it ships, in the user's display language (languages.nsh). /S installs
; silently. The build signs the uninstaller (!uninstfinalize, in CONFIG) and then the installer.
; Neither the installer nor the uninstaller changes anything while Velmoor runs, and the
; installer does not silently put an older version over a newer one. Exit statuses:
;   0 done   1 cancelled by the user   2 a file could not be written or removed (the Apps
;   entry and the uninstaller of what is there are kept)   3 Velmoor is running (silent:
;   nothing changed)   4 a newer version is installed (silent: nothing changed)
;   makensis -DVERSION=1.15 -DSOURCE=<laid-out folder> -DICON=<velmoor.ico> -DOUTFILE=<setup.exe>
;            -DCONFIG=<installer.nsh made by CMake> velmoor.nsi
; A 64-bit installer for a 64-bit program (and one that a 64-bit-only Wine runs).
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user
ManifestDPIAware true
ManifestSupportedOS all
; A file that cannot be written stops the install rather than being skipped.
AllowSkipFiles off

!include "${CONFIG}" ; APP_ID, PUBLISHER, HOME_PAGE, HELP_PAGE, COPYRIGHT_YEAR, PRODUCT_CODE, NOTICES,
                     ; DELETE_PROGRAM_FILES
!include "LogicLib.nsh"
!include "FileFunc.nsh"
!include "WordFunc.nsh"

!define APP "Velmoor"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT_CODE}"
!define STATUS_FILE_ERROR 2
!define STATUS_RUNNING 3
!define STATUS_NEWER_INSTALLED 4

; What Properties > Details shows of the installer and of the uninstaller it writes.
VIProductVersion "${VERSION}.0.0"
VIFileVersion "${VERSION}.0.0"
VIAddVersionKey /LANG=1033 "ProductName" "${APP}"
VIAddVersionKey /LANG=1033 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1033 "FileDescription" "${APP} ${VERSION} Setup"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "Copyright ${COPYRIGHT_YEAR} ${PUBLISHER}"

Name "${APP} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\${APP}"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"

!include "MUI2.nsh"
!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\velmoor.exe"
!define MUI_FINISHPAGE_RUN_TEXT "$(RUN_APP)"
; The finish page's second check box, unticked: a shortcut on the desktop.
!define MUI_FINISHPAGE_SHOWREADME ""
!define MUI_FINISHPAGE_SHOWREADME_NOTCHECKED
!define MUI_FINISHPAGE_SHOWREADME_TEXT "$(DESKTOP_SHORTCUT)"
!define MUI_FINISHPAGE_SHOWREADME_FUNCTION CreateDesktopShortcut
!define MUI_FINISHPAGE_LINK "$(NOTICES_LINK)"
!define MUI_FINISHPAGE_LINK_LOCATION "$INSTDIR\${NOTICES}"
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!include /CHARSET=UTF8 "languages.nsh"

; Whether a copy of Velmoor of this user runs: it holds a mutex named after the application
; id and the user's account name, or (when another kind of object took that name) the same
; name with ".guard". Interactively the user may close it and retry.
!macro CHECK_NOT_RUNNING un
Function ${un}CheckNotRunning
  System::Call 'advapi32::GetUserNameW(w .r1, *i ${NSIS_MAX_STRLEN}) i .r0'
  check:
  StrCpy $2 0
  ${ForEach} $3 0 1 + 1
    ${If} $3 = 0
      StrCpy $4 "Local\${APP_ID}.$1"
    ${Else}
      StrCpy $4 "Local\${APP_ID}.$1.guard"
    ${EndIf}
    ; SYNCHRONIZE; "access denied" means that it exists, made with other rights
    System::Call 'kernel32::OpenMutexW(i 0x00100000, i 0, w r4) p .r5 ?e'
    Pop $6
    ${If} $5 != 0
      System::Call 'kernel32::CloseHandle(p r5)'
      StrCpy $2 1
    ${ElseIf} $6 = 5
      StrCpy $2 1
    ${EndIf}
  ${Next}
  ${If} $2 = 0
    Return
  ${EndIf}
  ${If} ${Silent}
    SetErrorLevel ${STATUS_RUNNING}
    Quit
  ${EndIf}
  MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$(RUNNING)" IDRETRY check
  SetErrorLevel 1
  Quit
FunctionEnd
!macroend
!insertmacro CHECK_NOT_RUNNING ""
!insertmacro CHECK_NOT_RUNNING "un."

Function .onInit
  Call CheckNotRunning
  ; An older version over a newer one is asked about; refused when silent. The same
  ; version again is a repair.
  ReadRegStr $0 HKCU "${UNINSTALL_KEY}" "DisplayVersion"
  ${If} $0 != ""
    ${VersionCompare} "$0" "${VERSION}" $1
    ${If} $1 = 1
      ${If} ${Silent}
        SetErrorLevel ${STATUS_NEWER_INSTALLED}
        Quit
      ${EndIf}
      MessageBox MB_YESNO|MB_ICONQUESTION|MB_DEFBUTTON2 "$(NEWER)" IDYES replace
      SetErrorLevel 1
      Quit
      replace:
    ${EndIf}
  ${EndIf}
FunctionEnd

Function un.onInit
  Call un.CheckNotRunning
FunctionEnd

Function CreateDesktopShortcut
  CreateShortcut "$DESKTOP\${APP}.lnk" "$INSTDIR\velmoor.exe"
FunctionEnd

Section "Install"
  SetShellVarContext current
  SetOutPath "$INSTDIR"
  File /r "${SOURCE}\*.*"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortcut "$SMPROGRAMS\${APP}.lnk" "$INSTDIR\velmoor.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${APP}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\velmoor.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  WriteRegStr HKCU "${UNINSTALL_KEY}" "URLInfoAbout" "${HOME_PAGE}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "HelpLink" "${HELP_PAGE}"
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
  ${GetTime} "" "L" $0 $1 $2 $3 $4 $5 $6
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallDate" "$2$1$0"
SectionEnd

Section "Uninstall"
  SetShellVarContext current
  ; Only what the installer put there: a folder the user chose may hold other files. The
  ; program's files first: if one cannot be removed, the uninstaller, its Apps entry and
  ; the shortcuts stay, so that it can be run again.
  ClearErrors
  !insertmacro DELETE_PROGRAM_FILES
  ${If} ${Errors}
    MessageBox MB_OK|MB_ICONSTOP "$(NOT_REMOVED)" /SD IDOK
    SetErrorLevel ${STATUS_FILE_ERROR}
    Abort
  ${EndIf}
  Delete "$SMPROGRAMS\${APP}.lnk"
  Delete "$DESKTOP\${APP}.lnk"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR\platforms"
  RMDir "$INSTDIR\styles"
  RMDir "$INSTDIR\translations"
  RMDir "$INSTDIR"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
