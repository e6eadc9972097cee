; Abacolo's Windows installer: shows the program's licence (GPL-3.0-or-later), then puts abacolo.exe,
; LEGGIMI.txt and the licences into Program Files, with a Start-menu folder that holds the program's
; shortcut and one for each of the teacher's choices (smaller numbers, no carrying), and an uninstaller
; listed among the installed programs. CMake fills in the name, the version and the teacher's choices
; (resources/CMakeLists.txt);
; scripts/windows builds the installer from that copy:
;   makensis -DEXE=abacolo.exe -DSTAGE=folder-with-LEGGIMI-and-licenze -DOUTFILE=setup.exe
;            -DICON=abacolo.ico abacolo.nsi
; A 64-bit installer for the 64-bit program.
Target amd64-unicode
SetCompressor /SOLID lzma
!include MUI2.nsh

!define NAME "@ABACOLO_PRODUCT_NAME@"
!define VERSION "@PROJECT_VERSION@"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Abacolo"

Name "${NAME} ${VERSION}"
OutFile "${OUTFILE}"
!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
InstallDir "$PROGRAMFILES64\${NAME}"
RequestExecutionLevel admin
ShowInstDetails nevershow

VIProductVersion "@ABACOLO_VERSION_DOTS@"
VIAddVersionKey /LANG=1040 "ProductName" "${NAME}"
VIAddVersionKey /LANG=1040 "FileDescription" "Installazione di ${NAME}"
VIAddVersionKey /LANG=1040 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1040 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1040 "LegalCopyright" "${NAME}"

; The GPL asks no acceptance to install or run the program: the page shows it, "Avanti" goes on.
!define MUI_PAGE_HEADER_TEXT "Licenza"
!define MUI_PAGE_HEADER_SUBTEXT "Le condizioni alle quali ${NAME} si può usare, copiare, modificare e dare ad altri."
!define MUI_LICENSEPAGE_TEXT_TOP "Premi 'PagGiù' per leggere il resto della licenza."
!define MUI_LICENSEPAGE_TEXT_BOTTOM "${NAME} è software libero: non occorre accettare la licenza per installarlo e usarlo. Chi lo dà ad altri deve dare anche i sorgenti (l'archivio abacolo-${VERSION}-sorgenti.tar.xz)."
!define MUI_LICENSEPAGE_BUTTON "$(^NextBtn)"
!insertmacro MUI_PAGE_LICENSE "${STAGE}\licenze\GPL-3.0.txt"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Italian"

Section "Abacolo"
    SetShellVarContext all
    SetOutPath "$INSTDIR"
    File "${EXE}"
    File "${STAGE}\LEGGIMI.txt"
    SetOutPath "$INSTDIR\licenze"
    File "${STAGE}\licenze\*.txt"
    SetOutPath "$INSTDIR"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateDirectory "$SMPROGRAMS\${NAME}"
    CreateShortcut "$SMPROGRAMS\${NAME}\${NAME}.lnk" "$INSTDIR\abacolo.exe"
@ABACOLO_NSIS_SHORTCUTS@    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${NAME}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\abacolo.exe"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
    SetShellVarContext all
    Delete "$SMPROGRAMS\${NAME}\${NAME}.lnk"
@ABACOLO_NSIS_SHORTCUTS_REMOVED@    RMDir "$SMPROGRAMS\${NAME}"
    Delete "$INSTDIR\abacolo.exe"
    Delete "$INSTDIR\LEGGIMI.txt"
    Delete "$INSTDIR\licenze\*.txt"
    RMDir "$INSTDIR\licenze"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
