; Driftreel setup. The build passes the generated file lists and the facts
; of this build:
;   OUTFILE         the setup program to write
;   LISTS           macros InstallModules, RemoveModules, InstallContent,
;                   RemoveContent
;   VERSION         four-part version number
;   ICON            the product icon
;   DEFAULT_FOLDER  stock movie folder the machine defaults name
;
; Command line: /S installs silently; /SETSAVER with it makes Driftreel the
; current user's screen saver, as the finish page's choice does in an
; interactive install. The uninstaller takes /S as well, and /PURGE to remove
; the user's own settings too (kept otherwise).

Unicode true
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!addincludedir "${__FILEDIR__}"
!include "MUI2.nsh"
!include "FileFunc.nsh"
!include "LogicLib.nsh"
!include "Sections.nsh"
!include "WordFunc.nsh"
!include "x64.nsh"

!define PRODUCT "Driftreel"
!define MAKER "Velnor Corporation"
!define SETTINGS_KEY "Software\Velnor Corporation\Driftreel"
!define MAKER_KEY "Software\Velnor Corporation"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Driftreel"
!define SHORTCUT "$SMPROGRAMS\${PRODUCT}.lnk"

!include "SystemFiles.nsh"
!include "ScreenSaverChoice.nsh"
!include "${LISTS}"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
; The program finds its content at this fixed place below the 32-bit
; Program Files folder, so there is no page to choose another.
InstallDir "$PROGRAMFILES\Velnor\Driftreel"
BrandingText "${MAKER}"
; The uninstaller frees the space in two places; no figure tells that well.
SpaceTexts none

VIProductVersion "${VERSION}"
VIAddVersionKey /LANG=1033 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1033 "CompanyName" "${MAKER}"
VIAddVersionKey /LANG=1033 "FileDescription" "${PRODUCT} Setup"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "Copyright (C) ${MAKER}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_SHOWREADME
!define MUI_FINISHPAGE_SHOWREADME_TEXT "$(SAVER_CHOICE)"
!define MUI_FINISHPAGE_SHOWREADME_FUNCTION UseAsScreenSaver
!insertmacro MUI_PAGE_FINISH

; The program lives in the system folder and its movies below Program Files:
; the confirmation page, which names one folder, would tell half of it. The
; components page says what goes.
!define MUI_COMPONENTSPAGE_NODESC
!insertmacro MUI_UNPAGE_COMPONENTS
!insertmacro MUI_UNPAGE_INSTFILES

!include "Languages.nsh"

Var SetSaver

Section "${PRODUCT}" SecProduct
  SectionIn RO
  ; The screen saver and the modules it loads live in the 32-bit system
  ; folder, where the desktop's screen saver list looks.
  SetOutPath "$SYSDIR"
  !insertmacro NoteReinstall
  !insertmacro InstallModules
  !insertmacro InstallContent

  WriteRegStr HKLM "${SETTINGS_KEY}" "FilePath" "$INSTDIR\${DEFAULT_FOLDER}"
  WriteRegDWORD HKLM "${SETTINGS_KEY}" "PlayingMethod" 1
  WriteRegDWORD HKLM "${SETTINGS_KEY}" "Volume" 50

  ; The settings, for all users of the machine.
  SetShellVarContext all
  CreateShortcut "${SHORTCUT}" $SaverFile "/c" $SaverFile 0

  WriteUninstaller "$INSTDIR\Uninstall.exe"
  Call RegisterUninstaller

  ${If} ${Silent}
  ${AndIf} $SetSaver == 1
    Call UseAsScreenSaver
  ${EndIf}
SectionEnd

Function .onInit
  Call ChooseLanguage
  !insertmacro LocateSaver
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/SETSAVER" $1
  ${IfNot} ${Errors}
    StrCpy $SetSaver 1
  ${EndIf}
FunctionEnd

Function RegisterUninstaller
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${MAKER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" $SaverFile
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  IntFmt $0 "0x%08X" $0
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" "$0"
FunctionEnd

; The uninstaller runs on from a copy of itself while the original process
; ends; on a slow machine its file stays in use for a moment, and the folder
; could not go either.
Function un.DeleteUninstaller
  StrCpy $R9 0
  ${Do}
    Delete "$INSTDIR\Uninstall.exe"
    ${IfNot} ${FileExists} "$INSTDIR\Uninstall.exe"
    ${OrIf} $R9 >= 40
      ${ExitDo}
    ${EndIf}
    IntOp $R9 $R9 + 1
    Sleep 250
  ${Loop}
FunctionEnd

Section "un.${PRODUCT}" SecUnProduct
  SectionIn RO
  Call un.ForgetScreenSaver
  SetShellVarContext all
  Delete "${SHORTCUT}"
  !insertmacro RemoveModules
  !insertmacro RemoveContent
  Call un.DeleteUninstaller
  ; Only when empty: whatever else the user put there stays.
  RMDir "$INSTDIR"
  RMDir "$INSTDIR\.."

  DeleteRegKey HKLM "${SETTINGS_KEY}"
  DeleteRegKey /ifempty HKLM "${MAKER_KEY}"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd

Section /o "un.$(USER_SETTINGS)" SecUnSettings
  DeleteRegKey HKCU "${SETTINGS_KEY}"
  DeleteRegKey /ifempty HKCU "${MAKER_KEY}"
SectionEnd

Function un.onInit
  Call un.ChooseLanguage
  !insertmacro LocateSaver
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/PURGE" $1
  ${IfNot} ${Errors}
    !insertmacro SelectSection ${SecUnSettings}
  ${EndIf}
FunctionEnd
