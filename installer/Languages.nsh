; The pages speak the languages of the program's language libraries, chosen
; as the program chooses its library: by the three-letter abbreviation of the
; system locale's language, English for any other.

!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "Japanese"
!insertmacro MUI_LANGUAGE "French"
!insertmacro MUI_LANGUAGE "German"
!insertmacro MUI_LANGUAGE "Italian"
!insertmacro MUI_LANGUAGE "Spanish"
!insertmacro MUI_LANGUAGE "SimpChinese"
!insertmacro MUI_LANGUAGE "TradChinese"
!insertmacro MUI_LANGUAGE "Korean"
!insertmacro MUI_LANGUAGE "Dutch"

!include "Texts.nsh"

; Takes LANGID when the abbreviation in $0 is one of CODES (three letters
; each, one space apart; compared with case).
!macro LanguageRow UN CODES LANGID
  StrCpy $R8 "${CODES}"
  StrCpy $R9 ${LANGID}
  Call ${UN}TakeListedLanguage
!macroend

!macro ChooseLanguageFunctions UN
Function ${UN}TakeListedLanguage
  StrCpy $1 0
  ${Do}
    StrCpy $2 $R8 3 $1
    ${If} $2 == ""
      Return
    ${EndIf}
    ${If} $2 S== $0
      StrCpy $LANGUAGE $R9
      Return
    ${EndIf}
    IntOp $1 $1 + 4
  ${Loop}
FunctionEnd

Function ${UN}ChooseLanguage
  StrCpy $LANGUAGE ${LANG_ENGLISH}
  System::Call 'kernel32::GetLocaleInfoW(i 0x0800, i 3, w .r0, i ${NSIS_MAX_STRLEN}) i .r1'
  ${If} $1 == 0
    Return
  ${EndIf}
  !insertmacro LanguageRow "${UN}" "JPN" ${LANG_JAPANESE}
  !insertmacro LanguageRow "${UN}" "FRA FRB FRC FRL FRM FRS" ${LANG_FRENCH}
  !insertmacro LanguageRow "${UN}" "DEA DEU DES" ${LANG_GERMAN}
  !insertmacro LanguageRow "${UN}" "ITA ITS" ${LANG_ITALIAN}
  !insertmacro LanguageRow "${UN}" "ESA ESB ESC ESD ESE ESF ESG ESH ESI ESL ESM ESN ESO ESP ESR ESS ESU ESV ESY ESZ" ${LANG_SPANISH}
  !insertmacro LanguageRow "${UN}" "CHS" ${LANG_SIMPCHINESE}
  !insertmacro LanguageRow "${UN}" "ZHH CHT" ${LANG_TRADCHINESE}
  !insertmacro LanguageRow "${UN}" "KOR" ${LANG_KOREAN}
  !insertmacro LanguageRow "${UN}" "NLD" ${LANG_DUTCH}
FunctionEnd
!macroend
!insertmacro ChooseLanguageFunctions ""
!insertmacro ChooseLanguageFunctions "un."
