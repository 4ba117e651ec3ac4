; Makes Driftreel the current user's screen saver, and takes it back, the
; way the desktop's screen saver dialog does: it names the saver by its short
; path in SCRNSAVE.EXE and switches screen saving on through
; SystemParametersInfo, which stores ScreenSaveActive and tells the running
; programs; choosing none deletes the name and switches screen saving off.

!define DESKTOP_KEY "Control Panel\Desktop"

; The screen saver as the rest of the system finds it. A 64-bit system shows
; this 32-bit setup its SysWOW64 folder as the system folder; its own programs
; (the desktop, the shell) must be given that folder by name.
Var SaverFile
!macro LocateSaver
  StrCpy $SaverFile "$SYSDIR\${PRODUCT}.scr"
  ${If} ${RunningX64}
    StrCpy $SaverFile "$WINDIR\SysWOW64\${PRODUCT}.scr"
  ${EndIf}
!macroend

; Switches screen saving on ($0 = 1) or off ($0 = 0). The stored switch is
; written directly as well, so that it holds however the system keeps its
; parameters; SPI_SETSCREENSAVEACTIVE with SPIF_UPDATEINIFILE | SPIF_SENDCHANGE
; then tells the running programs.
!macro SetScreenSaveActive
  WriteRegStr HKCU "${DESKTOP_KEY}" "ScreenSaveActive" $0
  System::Call 'user32::SystemParametersInfoW(i 17, i $0, p 0, i 3)'
!macroend

Function UseAsScreenSaver
  GetFullPathName /SHORT $0 $SaverFile
  ${If} $0 == ""
    StrCpy $0 $SaverFile
  ${EndIf}
  WriteRegStr HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE" $0
  StrCpy $0 1
  !insertmacro SetScreenSaveActive
FunctionEnd

; Clears the choice where it names our screen saver, by its long or short
; path or, as a policy may, by its bare name. Call while the file exists.
Function un.ForgetScreenSaver
  ReadRegStr $1 HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE"
  GetFullPathName /SHORT $2 $SaverFile
  ${If} $1 == ""
    Return
  ${EndIf}
  ${If} $1 == $SaverFile
  ${OrIf} $1 == $2
  ${OrIf} $1 == "${PRODUCT}.scr"
    DeleteRegValue HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE"
    StrCpy $0 0
    !insertmacro SetScreenSaveActive
  ${EndIf}
FunctionEnd
