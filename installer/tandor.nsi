; The Tandor setup program: installs for every user of the machine, and its uninstaller.
; Built by scripts/package, which defines:
;   VERSION      the project's version (1.2.3)
;   BIN_DIR      the folder with the built programs and html\
;   PACKAGE_DIR  the folder with html-files.nsh and html-deletes.nsh, made from html\ at packaging
;   OUT_FILE     the setup program to write
Unicode true
ManifestDPIAware true
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!include MUI2.nsh
!include FileFunc.nsh
!include LogicLib.nsh

!define PRODUCT "Tandor"
!define PUBLISHER "The Tandor developers"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Tandor"
!define USERS_GROUP_SID "S-1-5-32-545"
!define ADMINISTRATORS_GROUP_SID "S-1-5-32-544"
!define SYSTEM_SID "S-1-5-18"
; How long the uninstaller waits for a running launcher to end after asking it to: 40 x 250 ms.
!define CLOSE_ATTEMPTS 40
!define CLOSE_PAUSE_MS 250

Name "${PRODUCT}"
OutFile "${OUT_FILE}"
InstallDir "$PROGRAMFILES\${PRODUCT}"
; An upgrade goes where the installed copy is.
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${PRODUCT} ${VERSION}"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1033 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "FileDescription" "${PRODUCT} ${VERSION} setup"
VIAddVersionKey /LANG=1033 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "Copyright (C) 2026 ${PUBLISHER}"

!define MUI_ICON "..\src\resources\icons\idle.ico"
!define MUI_UNICON "..\src\resources\icons\idle.ico"
!define MUI_ABORTWARNING

!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_TEXT "Start ${PRODUCT}"
!define MUI_FINISHPAGE_RUN_FUNCTION StartTandor

!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; Runs icacls with the arguments; its output goes to the install details, and so does a failure.
!macro Icacls ARGUMENTS
    nsExec::ExecToLog '"$SYSDIR\icacls.exe" ${ARGUMENTS}'
    Pop $1
    ${If} $1 != 0
        DetailPrint `icacls ${ARGUMENTS} ended with $1.`
    ${EndIf}
!macroend

; A file or folder of the setup's own: owned by the Administrators, with only what it inherits,
; whatever stood at its name before.
!macro OwnedByAdministrators PATH
    !insertmacro Icacls '"${PATH}" /setowner *${ADMINISTRATORS_GROUP_SID} /C /Q'
    !insertmacro Icacls '"${PATH}" /reset /C /Q'
!macroend

!macro RequireAdministrator
    UserInfo::GetAccountType
    Pop $0
    ${If} $0 != "admin"
        MessageBox MB_ICONSTOP|MB_OK "${PRODUCT} is installed for every user of this computer, which needs an administrator." /SD IDOK
        SetErrorLevel 740 ; ERROR_ELEVATION_REQUIRED
        Quit
    ${EndIf}
    SetShellVarContext all
!macroend

Function .onInit
    !insertmacro RequireAdministrator
FunctionEnd

Function un.onInit
    !insertmacro RequireAdministrator
FunctionEnd

; The finish page's "Start Tandor": through the Start menu shortcut, opened by Explorer, so the
; launcher runs with the user's own rights (not the installer's) in the install folder.
Function StartTandor
    Exec '"$WINDIR\explorer.exe" "$SMPROGRAMS\${PRODUCT}.lnk"'
FunctionEnd

Section "Install"
    SetOutPath "$INSTDIR"
    ; The elevated uninstaller runs programs from this folder, so only administrators may change
    ; it: it inherits nothing (a folder such as C:\Tools would let every user write in it), and a
    ; folder a user made before the setup stops being that user's.
    !insertmacro OwnedByAdministrators "$INSTDIR"
    !insertmacro Icacls '"$INSTDIR" /inheritance:r /grant:r *${ADMINISTRATORS_GROUP_SID}:(OI)(CI)F *${SYSTEM_SID}:(OI)(CI)F *${USERS_GROUP_SID}:(OI)(CI)RX /C /Q'
    File "${BIN_DIR}\TandorClean.exe"
    File "${BIN_DIR}\InstallTandorExe.exe"
    SetOutPath "$INSTDIR\html"
    !include "${PACKAGE_DIR}\html-files.nsh"

    ; The placer writes the launcher, closing one that runs from this folder first.
    SetOutPath "$INSTDIR"
    ClearErrors
    ExecWait '"$INSTDIR\InstallTandorExe.exe" "$INSTDIR\Tandor.exe"' $0
    ${If} ${Errors}
    ${OrIf} $0 != 0
        MessageBox MB_ICONSTOP|MB_OK "${PRODUCT}.exe could not be written to $INSTDIR (the placer ended with $0).$\r$\n$\r$\nClose ${PRODUCT} if it runs, and start the setup again." /SD IDOK
        Abort "${PRODUCT}.exe could not be written."
    ${EndIf}

    ; Each user's launcher appends its data folder here, so the uninstaller can remove it; users
    ; may only append, so nobody can cut the others' lines. An upgrade keeps the list as it is.
    ${IfNot} ${FileExists} "$INSTDIR\uninst.dir"
        FileOpen $1 "$INSTDIR\uninst.dir" w
        FileClose $1
    ${EndIf}
    !insertmacro OwnedByAdministrators "$INSTDIR\Tandor.exe"
    !insertmacro OwnedByAdministrators "$INSTDIR\TandorClean.exe"
    !insertmacro OwnedByAdministrators "$INSTDIR\InstallTandorExe.exe"
    !insertmacro OwnedByAdministrators "$INSTDIR\uninst.dir"
    !insertmacro Icacls '"$INSTDIR\uninst.dir" /grant:r *${USERS_GROUP_SID}:(AD) /C /Q'

    ; The working folder of the shortcut is the output folder: the install folder.
    CreateShortcut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\${PRODUCT}.exe" "" "$INSTDIR\${PRODUCT}.exe" 0

    WriteUninstaller "$INSTDIR\uninstall.exe"
    !insertmacro OwnedByAdministrators "$INSTDIR\uninstall.exe"
    ${GetSize} "$INSTDIR" "/S=0K" $2 $3 $4
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${PRODUCT}.exe,0"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $2
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
    ; Every running launcher, in every session, saves its files and ends before their data
    ; folders go; the program file can be deleted once all have.
    ${If} ${FileExists} "$INSTDIR\${PRODUCT}.exe"
        ExecWait '"$INSTDIR\${PRODUCT}.exe" /CLOSEALL'
        StrCpy $0 0
        ${Do}
            ClearErrors
            Delete "$INSTDIR\${PRODUCT}.exe"
            ${IfNot} ${Errors}
            ${AndIfNot} ${FileExists} "$INSTDIR\${PRODUCT}.exe"
                ${Break}
            ${EndIf}
            IntOp $0 $0 + 1
            ${If} $0 >= ${CLOSE_ATTEMPTS}
                Delete /REBOOTOK "$INSTDIR\${PRODUCT}.exe"
                ${Break}
            ${EndIf}
            Sleep ${CLOSE_PAUSE_MS}
        ${Loop}
    ${EndIf}

    ; The remover reads uninst.dir from its working folder and deletes each listed user's data.
    SetOutPath "$INSTDIR"
    ExecWait '"$INSTDIR\TandorClean.exe" 42'
    SetOutPath "$TEMP"

    Delete "$INSTDIR\TandorClean.exe"
    Delete "$INSTDIR\InstallTandorExe.exe"
    !include "${PACKAGE_DIR}\html-deletes.nsh"
    RMDir "$INSTDIR\html"
    Delete "$INSTDIR\uninst.dir"
    Delete "$INSTDIR\uninstall.exe"
    Delete "$SMPROGRAMS\${PRODUCT}.lnk"
    ; The launcher's own "start with Windows" shortcut would point at nothing now.
    Delete "$SMSTARTUP\${PRODUCT}.lnk"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
    RMDir "$INSTDIR"
SectionEnd
