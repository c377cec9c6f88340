; The install folder on the PATH of the installation's scope, so that tallyglyph-cli runs from
; any console opened afterwards: $EnvironmentKey names HKCU's or the system's environment under
; SHCTX. The uninstaller takes out exactly that entry and nothing else. Windows is told of
; each change.
; An NSIS string holds NSIS_MAX_STRLEN characters: a PATH too long to read and write whole is
; left as it is, with a word to the user, since writing it back would cut it short.

!include LogicLib.nsh
!include StrFunc.nsh
!include WinMessages.nsh

!define USER_ENVIRONMENT_KEY "Environment"
!define SYSTEM_ENVIRONMENT_KEY "SYSTEM\CurrentControlSet\Control\Session Manager\Environment"

Var EnvironmentKey

${Using:StrFunc} StrRep
${Using:StrFunc} UnStrRep

; PATH into $0, or to UNREADABLE when it is there but cannot be read whole.
!macro READ_PATH UNREADABLE
  ClearErrors
  ReadRegStr $0 SHCTX $EnvironmentKey Path
  ${If} ${Errors}
    StrCpy $1 0
    ${Do}
      EnumRegValue $2 SHCTX $EnvironmentKey $1
      ${IfThen} $2 == Path ${|} Goto ${UNREADABLE} ${|}
      IntOp $1 $1 + 1
    ${LoopUntil} $2 == ""
  ${EndIf}
!macroend

; Jumps to TOO_LONG unless PATH ($0) with EXTRA more characters fits in one NSIS string.
!macro FITS EXTRA TOO_LONG
  StrLen $1 $0
  IntOp $1 $1 + ${EXTRA}
  ${IfThen} $1 >= ${NSIS_MAX_STRLEN} ${|} Goto ${TOO_LONG} ${|}
!macroend

!macro WRITE_PATH
  ${If} $0 == ""
    DeleteRegValue SHCTX $EnvironmentKey Path
  ${Else}
    WriteRegExpandStr SHCTX $EnvironmentKey Path $0
  ${EndIf}
  SendMessage ${HWND_BROADCAST} ${WM_SETTINGCHANGE} 0 "STR:Environment" /TIMEOUT=5000
!macroend

Function AddToPath
  !insertmacro READ_PATH unreadable
  ; Room for the folder, and for the uninstaller to wrap PATH in separators.
  StrLen $2 $INSTDIR
  IntOp $2 $2 + 3
  !insertmacro FITS $2 unreadable
  ${StrRep} $1 ";$0;" ";$INSTDIR;" ";"
  ${IfThen} $1 != ";$0;" ${|} Return ${|}
  ${If} $0 == ""
    StrCpy $0 $INSTDIR
  ${Else}
    StrCpy $0 "$0;$INSTDIR"
  ${EndIf}
  !insertmacro WRITE_PATH
  Return
unreadable:
  MessageBox MB_ICONEXCLAMATION "PATH is too long for this setup to change safely: add $INSTDIR to it yourself to run tallyglyph-cli from any console." /SD IDOK
FunctionEnd

; Entries are found wrapped in separators, so that only whole ones match, case aside.
Function un.RemoveFromPath
  !insertmacro READ_PATH unreadable
  !insertmacro FITS 2 unreadable
  StrCpy $1 ";$0;"
  ${Do}
    StrCpy $2 $1
    ${UnStrRep} $1 $2 ";$INSTDIR;" ";"
  ${LoopUntil} $1 == $2
  ${IfThen} $1 == ";$0;" ${|} Return ${|}
  StrCpy $0 $1 "" 1
  StrCpy $0 $0 -1
  !insertmacro WRITE_PATH
  Return
unreadable:
  MessageBox MB_ICONEXCLAMATION "PATH is too long for this setup to change safely: take $INSTDIR out of it yourself." /SD IDOK
FunctionEnd
