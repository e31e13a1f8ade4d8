; The Tandor setup program and its uninstaller. It asks (or takes /AllUsers or /CurrentUser) whom
; it installs for: every user of the machine (elevated, into Program Files, an all-users shortcut,
; the machine's Apps & features entry) or only the user who runs it (no elevation, into the user's
; own programs folder, the user's shortcut and entry). On 64-bit Windows it installs the 64-bit
; programs, into the 64-bit Program Files and the registry's 64-bit view; elsewhere the 32-bit ones.
; Built by scripts/package, which defines:
;   VERSION      the project's version (1.2.3)
;   BIN_DIR      the folder with the built 32-bit programs and html\
;   BIN_DIR_X64  the folder with the built 64-bit programs
;   PACKAGE_DIR  the folder with html-files.nsh and html-deletes.nsh, made from html\ at packaging
;   OUT_FILE     the setup program to write
;   AMD64_STUB   (tests only) build on NSIS's 64-bit stub: the same logic, run where 32-bit programs cannot
!ifdef AMD64_STUB
    Target amd64-unicode
!else
    Unicode true
!endif
ManifestDPIAware true
SetCompressor /SOLID lzma
; Installing for oneself needs no administrator: elevation is asked for only when the setup
; installs for every user.
RequestExecutionLevel user

!include MUI2.nsh
!include FileFunc.nsh
!include LogicLib.nsh
!include nsDialogs.nsh
!include x64.nsh

!define PRODUCT "Tandor"
!define PUBLISHER "The Tandor developers"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Tandor"
!define USERS_GROUP_SID "S-1-5-32-545"
!define ADMINISTRATORS_GROUP_SID "S-1-5-32-544"
!define SYSTEM_SID "S-1-5-18"
!define FOLDERID_USER_PROGRAM_FILES "{5CD7AEE2-2219-4A67-B85D-6C9CE15660CB}"
!define ERROR_ELEVATION_REQUIRED 740
!define ALL_USERS_OPTION "/AllUsers"
!define CURRENT_USER_OPTION "/CurrentUser"
; How long the setup waits for a running launcher to end after asking it to: 40 x 250 ms.
!define CLOSE_ATTEMPTS 40
!define CLOSE_PAUSE_MS 250
; The shell link object, read and written through the System plug-in's COM calls: the interfaces'
; identifiers and the indexes of the methods used in their tables.
!define CLSID_SHELL_LINK "{00021401-0000-0000-C000-000000000046}"
!define IID_SHELL_LINK_W "{000214F9-0000-0000-C000-000000000046}"
!define IID_PERSIST_FILE "{0000010B-0000-0000-C000-000000000046}"
!define CLSCTX_INPROC_SERVER 1
!define STGM_READ 0
!define UNKNOWN_QUERY_INTERFACE 0
!define UNKNOWN_RELEASE 2
!define SHELL_LINK_GET_PATH 3
!define SHELL_LINK_GET_WORKING_DIRECTORY 8
!define SHELL_LINK_SET_WORKING_DIRECTORY 9
!define SHELL_LINK_SET_PATH 20
!define PERSIST_FILE_LOAD 5
!define PERSIST_FILE_SAVE 6

Name "${PRODUCT}"
OutFile "${OUT_FILE}"
; No InstallDir: $INSTDIR is then empty in .onInit unless /D= gave it, and the chosen mode
; (or an installed copy) supplies the folder.
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

Var AllUsers         ; 1: for every user of the machine, 0: for the current user only
Var ModeGiven        ; 1 when the command line chose the mode: the question is not asked
Var GivenFolder      ; the folder /D= gave, which wins over every default
Var OldFolder        ; a 32-bit install that a 64-bit one for every user replaces
Var AllUsersButton

Page custom ModePage ModePageLeave
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

; Asks the launcher at PROGRAM to end with OPTION (/CLOSE, /CLOSEALL) and deletes its program
; file once it has, or at the next restart when it does not end in time.
!macro CloseAndDelete PROGRAM OPTION
    ${If} ${FileExists} "${PROGRAM}"
        ExecWait '"${PROGRAM}" ${OPTION}'
        StrCpy $0 0
        ${Do}
            ClearErrors
            Delete "${PROGRAM}"
            ${IfNot} ${Errors}
            ${AndIfNot} ${FileExists} "${PROGRAM}"
                ${Break}
            ${EndIf}
            IntOp $0 $0 + 1
            ${If} $0 >= ${CLOSE_ATTEMPTS}
                Delete /REBOOTOK "${PROGRAM}"
                ${Break}
            ${EndIf}
            Sleep ${CLOSE_PAUSE_MS}
        ${Loop}
    ${EndIf}
!macroend

; An install for every user needs an administrator. A choice made on the page starts the setup
; again elevated (Windows asks for an administrator's consent); one made on the command line or
; in a silent run fails instead, with ERROR_ELEVATION_REQUIRED. RELAUNCH_ARGUMENTS are handed to
; the elevated copy.
!macro RequireAdministrator RELAUNCH_ARGUMENTS
    UserInfo::GetAccountType
    Pop $0
    ${If} $0 != "admin"
        ${If} ${Silent}
        ${OrIf} $ModeGiven = 1
            MessageBox MB_ICONSTOP|MB_OK "Installing ${PRODUCT} for every user of this computer needs an administrator." /SD IDOK
            SetErrorLevel ${ERROR_ELEVATION_REQUIRED}
            Quit
        ${EndIf}
        ExecShell "runas" '"$EXEPATH"' '${RELAUNCH_ARGUMENTS}'
        Quit
    ${EndIf}
!macroend

; The mode from the command line, else that of an installed copy of this user, else every user.
Function .onInit
    StrCpy $GivenFolder $INSTDIR
    ${If} ${RunningX64}
        SetRegView 64
    ${EndIf}
    StrCpy $ModeGiven 1
    ${GetParameters} $0
    ClearErrors
    ${GetOptions} $0 "${CURRENT_USER_OPTION}" $1
    ${IfNot} ${Errors}
        StrCpy $AllUsers 0
    ${Else}
        ClearErrors
        ${GetOptions} $0 "${ALL_USERS_OPTION}" $1
        ${IfNot} ${Errors}
            StrCpy $AllUsers 1
        ${Else}
            StrCpy $ModeGiven 0
            ReadRegStr $1 HKCU "${UNINSTALL_KEY}" "InstallLocation"
            ${If} $1 != ""
                StrCpy $AllUsers 0
            ${Else}
                StrCpy $AllUsers 1
            ${EndIf}
        ${EndIf}
    ${EndIf}
    ${If} ${Silent}
    ${OrIf} $ModeGiven = 1
        Call ApplyMode
    ${EndIf}
FunctionEnd

; Sets the shell folders, the registry root (SHCTX) and the install folder for $AllUsers: the
; folder /D= gave, else where the installed copy is, else the mode's own place.
Function ApplyMode
    StrCpy $OldFolder ""
    ${If} $AllUsers = 1
        !insertmacro RequireAdministrator "${ALL_USERS_OPTION}"
        SetShellVarContext all
        ${If} ${RunningX64}
            StrCpy $2 "$PROGRAMFILES64\${PRODUCT}"
            ; 1.1.0 was 32-bit only: its entry is in the 32-bit view, its folder in Program Files (x86).
            SetRegView 32
            ReadRegStr $OldFolder HKLM "${UNINSTALL_KEY}" "InstallLocation"
            SetRegView 64
        ${Else}
            StrCpy $2 "$PROGRAMFILES\${PRODUCT}"
        ${EndIf}
    ${Else}
        SetShellVarContext current
        GetKnownFolderPath $2 ${FOLDERID_USER_PROGRAM_FILES}
        ${If} $2 == ""
            StrCpy $2 "$LOCALAPPDATA\Programs"
        ${EndIf}
        StrCpy $2 "$2\${PRODUCT}"
    ${EndIf}
    ReadRegStr $1 SHCTX "${UNINSTALL_KEY}" "InstallLocation"
    ${If} $GivenFolder != ""
        StrCpy $INSTDIR $GivenFolder
    ${ElseIf} $1 != ""
        StrCpy $INSTDIR $1
    ${Else}
        StrCpy $INSTDIR $2
    ${EndIf}
FunctionEnd

Function ModePage
    ${If} $ModeGiven = 1
        Abort
    ${EndIf}
    !insertmacro MUI_HEADER_TEXT "Choose who uses ${PRODUCT}" "Install it for every user of this computer, or just for you."
    nsDialogs::Create 1018
    Pop $0
    ${NSD_CreateRadioButton} 0 0 100% 24u "For &anyone who uses this computer (needs an administrator)"
    Pop $AllUsersButton
    ${NSD_CreateRadioButton} 0 30u 100% 24u "Just for &me (no administrator needed)"
    Pop $1
    ${If} $AllUsers = 1
        ${NSD_Check} $AllUsersButton
    ${Else}
        ${NSD_Check} $1
    ${EndIf}
    nsDialogs::Show
FunctionEnd

Function ModePageLeave
    ${NSD_GetState} $AllUsersButton $0
    ${If} $0 = ${BST_CHECKED}
        StrCpy $AllUsers 1
    ${Else}
        StrCpy $AllUsers 0
    ${EndIf}
    Call ApplyMode
FunctionEnd

; The finish page's "Start Tandor": through the Start menu shortcut, opened by Explorer, so the
; launcher runs with the user's own rights (not the installer's) in the install folder.
Function StartTandor
    Exec '"$WINDIR\explorer.exe" "$SMPROGRAMS\${PRODUCT}.lnk"'
FunctionEnd

; A 64-bit install replacing a 32-bit one elsewhere: that launcher ends first, so that its user's
; line is in its uninst.dir, which this install then keeps.
Function CloseOldLauncher
    ${If} $OldFolder != ""
    ${AndIf} $OldFolder != $INSTDIR
        !insertmacro CloseAndDelete "$OldFolder\${PRODUCT}.exe" "/CLOSE"
    ${EndIf}
FunctionEnd

; Appends the lines of the 32-bit install's uninst.dir to this one's and removes that install's
; files, its entry in the 32-bit view and its folder; its users' data stays for this install.
Function MoveOldInstall
    ${If} $OldFolder == ""
    ${OrIf} $OldFolder == $INSTDIR
        Return
    ${EndIf}
    ClearErrors
    FileOpen $3 "$OldFolder\uninst.dir" r
    ${IfNot} ${Errors}
        FileOpen $4 "$INSTDIR\uninst.dir" a
        ${Do}
            ClearErrors
            FileRead $3 $5
            ${If} ${Errors}
                ${Break}
            ${EndIf}
            FileWrite $4 $5
        ${Loop}
        FileClose $4
        FileClose $3
    ${EndIf}
    StrCpy $6 $INSTDIR
    StrCpy $INSTDIR $OldFolder
    Delete "$INSTDIR\TandorClean.exe"
    Delete "$INSTDIR\InstallTandorExe.exe"
    !include "${PACKAGE_DIR}\html-deletes.nsh"
    RMDir "$INSTDIR\html"
    Delete "$INSTDIR\uninst.dir"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    StrCpy $INSTDIR $6
    SetRegView 32
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
    SetRegView 64
    Call MendStartupShortcut
FunctionEnd

; The launcher's "start with Windows" shortcut, $SMSTARTUP\Tandor.lnk, read through the shell
; link object; the setup and the uninstaller each get their own copy of these functions.
; Open...: $1 the link and $2 its file (both given back by Close... whatever happened), $0 0 when
; the shortcut was read, else why not; $3 1 when it starts the launcher in the folder in $R0,
; else 0. Paths compare as Windows compares them, ignoring case.
!macro StartupShortcutFunctions UN
Function ${UN}OpenStartupShortcut
    StrCpy $1 0
    StrCpy $2 0
    StrCpy $3 0
    System::Call 'ole32::CoCreateInstance(g "${CLSID_SHELL_LINK}", p 0, i ${CLSCTX_INPROC_SERVER}, g "${IID_SHELL_LINK_W}", *p .r1) i .r0'
    ${If} $0 = 0
        System::Call '$1->${UNKNOWN_QUERY_INTERFACE}(g "${IID_PERSIST_FILE}", *p .r2) i .r0'
    ${EndIf}
    ${If} $0 = 0
        System::Call '$2->${PERSIST_FILE_LOAD}(w "$SMSTARTUP\${PRODUCT}.lnk", i ${STGM_READ}) i .r0'
    ${EndIf}
    ${If} $0 = 0
        System::Call '$1->${SHELL_LINK_GET_PATH}(w .r4, i ${NSIS_MAX_STRLEN}, p 0, i 0)'
        ${GetParent} $4 $5
        ${GetFileName} $4 $6
        ${If} $5 == $R0
        ${AndIf} $6 == "${PRODUCT}.exe"
            StrCpy $3 1
        ${EndIf}
    ${EndIf}
FunctionEnd

Function ${UN}CloseStartupShortcut
    ${If} $2 != 0
        System::Call '$2->${UNKNOWN_RELEASE}()'
    ${EndIf}
    ${If} $1 != 0
        System::Call '$1->${UNKNOWN_RELEASE}()'
    ${EndIf}
FunctionEnd
!macroend
!insertmacro StartupShortcutFunctions ""
!insertmacro StartupShortcutFunctions "un."

; The start-up shortcut of the moved install would start a program that is gone: it is pointed at
; this install's launcher, keeping its description and the rest. A working folder of the old
; install, which is gone too, becomes this one. A shortcut that starts any other program is not
; the launcher's and stays as it is.
Function MendStartupShortcut
    ${IfNot} ${FileExists} "$SMSTARTUP\${PRODUCT}.lnk"
        Return
    ${EndIf}
    StrCpy $R0 $OldFolder
    Call OpenStartupShortcut
    ${If} $3 = 1
        System::Call '$1->${SHELL_LINK_SET_PATH}(w "$INSTDIR\${PRODUCT}.exe")'
        System::Call '$1->${SHELL_LINK_GET_WORKING_DIRECTORY}(w .r4, i ${NSIS_MAX_STRLEN})'
        ${If} $4 == $OldFolder
            System::Call '$1->${SHELL_LINK_SET_WORKING_DIRECTORY}(w "$INSTDIR")'
        ${EndIf}
        System::Call '$2->${PERSIST_FILE_SAVE}(w "$SMSTARTUP\${PRODUCT}.lnk", i 1) i .r0'
    ${EndIf}
    Call CloseStartupShortcut
    ${If} $0 <> 0
        DetailPrint "The start-up shortcut could not be mended ($0)."
    ${EndIf}
FunctionEnd

!macro InstallFile NAME
    ${If} ${RunningX64}
        File "${BIN_DIR_X64}\${NAME}"
    ${Else}
        File "${BIN_DIR}\${NAME}"
    ${EndIf}
!macroend

Section "Install"
    Call CloseOldLauncher
    SetOutPath "$INSTDIR"
    ${If} $AllUsers = 1
        ; The elevated uninstaller runs programs from this folder, so only administrators may
        ; change it: it inherits nothing (a folder such as C:\Tools would let every user write in
        ; it), and a folder a user made before the setup stops being that user's.
        !insertmacro OwnedByAdministrators "$INSTDIR"
        !insertmacro Icacls '"$INSTDIR" /inheritance:r /grant:r *${ADMINISTRATORS_GROUP_SID}:(OI)(CI)F *${SYSTEM_SID}:(OI)(CI)F *${USERS_GROUP_SID}:(OI)(CI)RX /C /Q'
    ${EndIf}
    !insertmacro InstallFile TandorClean.exe
    !insertmacro InstallFile InstallTandorExe.exe
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

    ; Each user's launcher appends its data folder here, so the uninstaller can remove it. An
    ; upgrade keeps the list as it is.
    ${IfNot} ${FileExists} "$INSTDIR\uninst.dir"
        FileOpen $1 "$INSTDIR\uninst.dir" w
        FileClose $1
    ${EndIf}
    ${If} $AllUsers = 1
        Call MoveOldInstall
        ; Users may only append to the shared list, so nobody can cut the others' lines.
        !insertmacro OwnedByAdministrators "$INSTDIR\Tandor.exe"
        !insertmacro OwnedByAdministrators "$INSTDIR\TandorClean.exe"
        !insertmacro OwnedByAdministrators "$INSTDIR\InstallTandorExe.exe"
        !insertmacro OwnedByAdministrators "$INSTDIR\uninst.dir"
        !insertmacro Icacls '"$INSTDIR\uninst.dir" /grant:r *${USERS_GROUP_SID}:(AD) /C /Q'
    ${EndIf}

    ; The working folder of the shortcut is the output folder: the install folder.
    CreateShortcut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\${PRODUCT}.exe" "" "$INSTDIR\${PRODUCT}.exe" 0

    WriteUninstaller "$INSTDIR\uninstall.exe"
    ${If} $AllUsers = 1
        !insertmacro OwnedByAdministrators "$INSTDIR\uninstall.exe"
    ${EndIf}
    ${GetSize} "$INSTDIR" "/S=0K" $2 $3 $4
    ; SHCTX is HKLM for every user, HKCU for the current user only.
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${PRODUCT}.exe,0"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" $2
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; The uninstaller removes the install it sits in: this user's own when the user's entry names
; its folder, else the one for every user, which needs an administrator.
Function un.onInit
    ${If} ${RunningX64}
        SetRegView 64
    ${EndIf}
    StrCpy $ModeGiven 0
    ${GetParameters} $0
    ClearErrors
    ${GetOptions} $0 "${ALL_USERS_OPTION}" $1
    ${IfNot} ${Errors}
        StrCpy $ModeGiven 1
    ${EndIf}
    ReadRegStr $1 HKCU "${UNINSTALL_KEY}" "InstallLocation"
    ${If} $1 == $INSTDIR
        StrCpy $AllUsers 0
        SetShellVarContext current
    ${Else}
        StrCpy $AllUsers 1
        !insertmacro RequireAdministrator "${ALL_USERS_OPTION} _?=$INSTDIR"
        SetShellVarContext all
    ${EndIf}
FunctionEnd

Section "Uninstall"
    ; Every running launcher saves its files and ends before their data folders go: for every
    ; user, in every session; for one user, that user's.
    ${If} $AllUsers = 1
        !insertmacro CloseAndDelete "$INSTDIR\${PRODUCT}.exe" "/CLOSEALL"
    ${Else}
        !insertmacro CloseAndDelete "$INSTDIR\${PRODUCT}.exe" "/CLOSE"
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
    ; The launcher's own "start with Windows" shortcut would point at nothing now. One of that name
    ; that starts another program, or another copy of the launcher, is not this install's to take.
    StrCpy $R0 $INSTDIR
    Call un.OpenStartupShortcut
    Call un.CloseStartupShortcut
    ${If} $3 = 1
        Delete "$SMSTARTUP\${PRODUCT}.lnk"
    ${EndIf}
    DeleteRegKey SHCTX "${UNINSTALL_KEY}"
    RMDir "$INSTDIR"
SectionEnd
