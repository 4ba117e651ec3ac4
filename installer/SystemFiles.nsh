; The modules setup puts into the system folder beside the screen saver.
; A file there is ours when its version information names our company; a file
; that is not ours is never replaced or removed. The program and its framework
; (OWN) are replaced unless a newer one of ours is there. The files of fixed
; names that the maker's other programs share (SHARED) also keep a count of
; the programs that installed them, under SharedDLLs as the platform's
; convention for shared files asks, and go only when the count reaches zero.

!define SHARED_DLLS_KEY "Software\Microsoft\Windows\CurrentVersion\SharedDLLs"
!define OWN 0
!define SHARED 1

Var FileCompany
; Set when this product is installed already (setup runs over itself): its
; modules are counted once per product, not once per run. Counting again would
; keep a shared module in the system folder for ever after its uninstall; a
; second product of the maker that installs the same module counts it again
; and keeps it there until both are gone.
Var Reinstall
!macro NoteReinstall
  ReadRegStr $Reinstall HKLM "${UNINSTALL_KEY}" "UninstallString"
!macroend

; The company that the version information of the file $R0 names, in
; $FileCompany; empty when the file has none. Changes $0 to $7.
!macro CompanyOfFileFunction UN
Function ${UN}CompanyOfFile
  StrCpy $FileCompany ""
  System::Call 'version::GetFileVersionInfoSizeW(w R0, *i 0) i .r0'
  IntCmp $0 0 done done
  System::Alloc $0
  Pop $1
  System::Call 'version::GetFileVersionInfoW(w R0, i 0, i r0, p r1) i .r2'
  IntCmp $2 0 free
  ; The strings are kept under the first language and code page listed.
  System::Call 'version::VerQueryValueW(p r1, w "\VarFileInfo\Translation", *p .r3, *i .r4) i .r2'
  IntCmp $2 0 free
  IntCmp $4 4 0 free
  System::Call '*$3(&i2 .r5, &i2 .r6)'
  IntFmt $5 "%04X" $5
  IntFmt $6 "%04X" $6
  System::Call 'version::VerQueryValueW(p r1, w "\StringFileInfo\$5$6\CompanyName", *p .r3, *i .r4) i .r2'
  IntCmp $2 0 free
  IntCmp $4 0 free
  System::Call 'kernel32::lstrcpynW(w .r7, p r3, i ${NSIS_MAX_STRLEN})'
  StrCpy $FileCompany $7
free:
  System::Free $1
done:
FunctionEnd
!macroend
!insertmacro CompanyOfFileFunction ""
!insertmacro CompanyOfFileFunction "un."

; Decides whether the module $R0 (full path) of kind $R1 is written: $R2 is 1
; when it is, 0 when the file there is kept. Counts a shared module's user.
Function PrepareSystemFile
  StrCpy $R2 1
  ${If} ${FileExists} $R0
    Call CompanyOfFile
    ${If} $FileCompany != "${MAKER}"
      DetailPrint "$(LOG_FOREIGN)"
      StrCpy $R2 0
      Return
    ${EndIf}
    GetDLLVersion $R0 $0 $1
    IntOp $2 $0 >> 16
    IntOp $2 $2 & 0xFFFF
    IntOp $3 $0 & 0xFFFF
    IntOp $4 $1 >> 16
    IntOp $4 $4 & 0xFFFF
    IntOp $5 $1 & 0xFFFF
    ${VersionCompare} "$2.$3.$4.$5" "${VERSION}" $6
    ${If} $6 == 1
      DetailPrint "$(LOG_NEWER)"
      StrCpy $R2 0
    ${EndIf}
  ${EndIf}
  ${If} $R1 == ${SHARED}
  ${AndIf} $Reinstall == ""
    ReadRegDWORD $0 HKLM "${SHARED_DLLS_KEY}" $R0
    IntOp $0 $0 + 1
    WriteRegDWORD HKLM "${SHARED_DLLS_KEY}" $R0 $0
  ${EndIf}
FunctionEnd

; Removes the module $R0 (full path) of kind $R1 when it is ours and, for a
; shared one, when no other program counts on it any more.
Function un.RemoveSystemFile
  ${IfNot} ${FileExists} $R0
    Return
  ${EndIf}
  Call un.CompanyOfFile
  ${If} $FileCompany != "${MAKER}"
    DetailPrint "$(LOG_FOREIGN)"
    Return
  ${EndIf}
  ${If} $R1 == ${SHARED}
    ; A file without a count was put there by a setup that kept none: ours alone.
    ReadRegDWORD $0 HKLM "${SHARED_DLLS_KEY}" $R0
    IntOp $0 $0 - 1
    ${If} $0 > 0
      WriteRegDWORD HKLM "${SHARED_DLLS_KEY}" $R0 $0
      DetailPrint "$(LOG_IN_USE)"
      Return
    ${EndIf}
    DeleteRegValue HKLM "${SHARED_DLLS_KEY}" $R0
  ${EndIf}
  Delete $R0
FunctionEnd

; Writes the module LOCAL as NAME into the system folder (the output path).
!macro InstallSystemFile KIND LOCAL NAME
  StrCpy $R0 "$SYSDIR\${NAME}"
  StrCpy $R1 ${${KIND}}
  Call PrepareSystemFile
  ${If} $R2 == 1
    File "${LOCAL}"
  ${EndIf}
!macroend

!macro RemoveSystemFile KIND NAME
  StrCpy $R0 "$SYSDIR\${NAME}"
  StrCpy $R1 ${${KIND}}
  Call un.RemoveSystemFile
!macroend
