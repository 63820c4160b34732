; The Windows installer of Lexavia, for Debian's makensis: a per-user
; installation that needs no administrator rights, by default into
; %LOCALAPPDATA%\Programs\Lexavia, with a Start-menu shortcut whose working
; folder is the installation folder (the folder Lexavia takes as its
; application folder), an entry in the user's installed programs, and an
; uninstaller. The user dictionary is the user's data: an installation over
; an earlier one keeps it byte for byte, and the uninstaller leaves it.
;
;   makensis -INPUTCHARSET UTF8 -DVERSION=1.2.3 -DOUTFILE=setup.exe -DPROGRAM=Lexavia.exe
;            -DFRASOR=frasor.exe -DMAIN_DICTIONARY=... -DUSER_DICTIONARY=<the empty one>
;            -DLICENSE_FILE=LICENSE -DICON=lexavia.ico -DCORPUS_PROGRAM=lexavia-corpus.exe
;            -DCORPUS_LISTS=<the folder of the corpus program's word lists>
;            [-DCOMPRESSOR=zlib|bzip2|none] lexavia.nsi

Unicode true
Target amd64-unicode
!ifndef COMPRESSOR
  !define COMPRESSOR lzma
!endif
!if "${COMPRESSOR}" == "none"
  SetCompress off
!else
  SetCompressor /SOLID ${COMPRESSOR}
!endif
RequestExecutionLevel user
ManifestDPIAware true

!include MUI2.nsh
!include FileFunc.nsh
!include LogicLib.nsh

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Lexavia"
!define PUBLISHER "Lexavia maintainers"

Name "Lexavia"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Lexavia"
; An installation over an earlier one goes where that one went.
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "Lexavia ${VERSION}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_COMPONENTSPAGE_NODESC

!insertmacro MUI_PAGE_WELCOME
; The GPL asks for no acceptance: its page only shows it.
!define MUI_LICENSEPAGE_BUTTON "$(^NextBtn)"
!define MUI_LICENSEPAGE_TEXT_BOTTOM "O Lexavia é software livre: você pode usá-lo, estudá-lo, modificá-lo e redistribuí-lo nos termos da GNU GPL, versão 3 ou posterior."
!insertmacro MUI_PAGE_LICENSE "${LICENSE_FILE}"
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_FUNCTION StartLexavia
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "PortugueseBR"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=${LANG_PORTUGUESEBR} "ProductName" "Lexavia"
VIAddVersionKey /LANG=${LANG_PORTUGUESEBR} "FileDescription" "Instalador do Lexavia"
VIAddVersionKey /LANG=${LANG_PORTUGUESEBR} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_PORTUGUESEBR} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_PORTUGUESEBR} "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=${LANG_PORTUGUESEBR} "LegalCopyright" "GPL-3.0-or-later"

Section "Lexavia" SectionProgram
  SectionIn RO
  SetOutPath "$INSTDIR"
  File "/oname=Lexavia.exe" "${PROGRAM}"
  File "/oname=lexavia.ico" "${ICON}"
  File "/oname=lexavia-corpus.exe" "${CORPUS_PROGRAM}"
  SetOutPath "$INSTDIR\corpus"
  File "${CORPUS_LISTS}/*.txt"
  SetOutPath "$INSTDIR\segmentador"
  File "/oname=frasor.exe" "${FRASOR}"
  SetOutPath "$INSTDIR\dicionarios"
  File "/oname=dicionario_principal.txt" "${MAIN_DICTIONARY}"
  ; An empty user dictionary only where there is none.
  SetOverwrite off
  File "/oname=dicionario_usuario.txt" "${USER_DICTIONARY}"
  SetOverwrite on

  ; A shortcut's working folder is the output folder when it is made.
  SetOutPath "$INSTDIR"
  CreateShortcut "$SMPROGRAMS\Lexavia.lnk" "$INSTDIR\Lexavia.exe" "" "$INSTDIR\lexavia.ico" 0

  WriteUninstaller "$INSTDIR\uninstall.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Lexavia"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\lexavia.ico"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section /o "Atalho na área de trabalho" SectionDesktopShortcut
  SetOutPath "$INSTDIR"
  CreateShortcut "$DESKTOP\Lexavia.lnk" "$INSTDIR\Lexavia.exe" "" "$INSTDIR\lexavia.ico" 0
SectionEnd

; Started from the finish page, as the shortcut starts it: in its folder.
Function StartLexavia
  SetOutPath "$INSTDIR"
  Exec '"$INSTDIR\Lexavia.exe"'
FunctionEnd

; What the uninstaller says when the user dictionary stays (silent: nothing).
!define USER_DICTIONARY_KEPT "O Lexavia foi removido, mas o seu dicionário do usuário, com as palavras que você armazenou, foi mantido:$\r$\n$\r$\n$INSTDIR\dicionarios\dicionario_usuario.txt$\r$\n$\r$\nApague essa pasta quando não precisar mais dele."

Section "Uninstall"
  Delete "$SMPROGRAMS\Lexavia.lnk"
  Delete "$DESKTOP\Lexavia.lnk"
  Delete "$INSTDIR\Lexavia.exe"
  Delete "$INSTDIR\lexavia-corpus.exe"
  ; corpus\ holds only the corpus program's word lists, no data of the user's.
  Delete "$INSTDIR\corpus\*.txt"
  RMDir "$INSTDIR\corpus"
  Delete "$INSTDIR\lexavia.ico"
  Delete "$INSTDIR\segmentador\frasor.exe"
  RMDir "$INSTDIR\segmentador"
  Delete "$INSTDIR\dicionarios\dicionario_principal.txt"
  Delete "$INSTDIR\uninstall.exe"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
  ; Never recursive: what the user keeps in these folders stays.
  RMDir "$INSTDIR\dicionarios"
  RMDir "$INSTDIR"
  ${If} ${FileExists} "$INSTDIR\dicionarios\dicionario_usuario.txt"
    DetailPrint "Dicionário do usuário mantido: $INSTDIR\dicionarios\dicionario_usuario.txt"
    MessageBox MB_OK|MB_ICONINFORMATION "${USER_DICTIONARY_KEPT}" /SD IDOK
  ${EndIf}
SectionEnd
