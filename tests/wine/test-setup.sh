# The setup program and its uninstaller, silent, in a fresh prefix: what they put in place and
# take away, an upgrade over a running launcher, launchers of other sessions closed by the
# uninstaller, an install folder with blanks made the administrators' own; in a 64-bit prefix
# also the 64-bit programs and registry view, the move of a 1.1.0 install out of Program Files
# (x86), and an install for the current user only.
# The download is a 32-bit setup, which a 64-bit prefix runs under WOW64 only where the machine
# runs 32-bit programs; elsewhere the 64-bit run tests the same script built on NSIS's 64-bit
# stub (scripts/package makes both), which takes the same paths since both see 64-bit Windows.
source "$T_LIB"

if [ "$(program_bits "$T_BIN/Tandor.exe")" = 64 ] && ! can_run_32bit_programs; then
    setup=$(ls "$T_BIN"/../../package/Tandor-*-setup-amd64.exe 2>/dev/null | head -n 1)
else
    setup=$(ls "$T_BIN"/../../dist/Tandor-*-setup.exe 2>/dev/null | head -n 1)
fi
[ -n "$setup" ] || fail "no setup program in build/dist or build/package: run scripts/package first"
echo "setup program: $(basename "$setup")"
use_fresh_prefix

uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tandor'
start_menu=$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start\ Menu/Programs
startup_link='C:\ProgramData\Microsoft\Windows\Start Menu\Programs\StartUp\Tandor.lnk'
user_data=$(data_dir)

setup_exit_code() {
    local rc=0
    timeout 300 wine "$setup" /S "$@" >/dev/null 2>&1 || rc=$?
    echo "$rc"
}

run_setup() {
    local rc
    rc=$(setup_exit_code "$@")
    [ "$rc" = 0 ] || fail "setup $* ended with $rc"
}

# The uninstaller returns at once and finishes from a copy of itself: wait for the folder to go.
run_uninstall() {
    local folder=$1
    timeout 60 wine "$(win_path "$folder")\\uninstall.exe" /S || fail "the uninstaller did not start"
    wait_until 120 test ! -e "$folder/uninstall.exe" || fail "the uninstaller did not finish"
}

registry_value() {
    wine reg query "$uninstall_key" /v "$1" 2>/dev/null | tr -d '\r' | sed -n "s/^ *$1 *REG_[A-Z_]* *//p"
}

# Starts the launcher through its Start menu shortcut, as a user does.
start_from_shortcut() {
    (exec timeout 600 wine start "C:\\ProgramData\\Microsoft\\Windows\\Start Menu\\Programs\\Tandor.lnk" \
        >>"$T_WORK/tandor.log" 2>&1) &
    driver wait-window TANDOR Tandor 60000 || fail "the launcher did not start from the shortcut"
}

step "silent install into the default folder"
run_setup
folder=$WINEPREFIX/drive_c/Program\ Files/Tandor
for file in Tandor.exe TandorClean.exe InstallTandorExe.exe uninstall.exe html/index.html html/mainhelp.html; do
    [ -f "$folder/$file" ] || fail "$file is missing"
done
cmp -s "$T_BIN/Tandor.exe" "$folder/Tandor.exe" || fail "Tandor.exe is not the built launcher"
[ -f "$folder/uninst.dir" ] && [ ! -s "$folder/uninst.dir" ] || fail "uninst.dir is not there, empty"

step "the Start menu shortcut starts the launcher in the install folder"
shortcut=$(driver show-shortcut "C:\\ProgramData\\Microsoft\\Windows\\Start Menu\\Programs\\Tandor.lnk")
[ "$shortcut" = $'C:\\Program Files\\Tandor\\Tandor.exe\nC:\\Program Files\\Tandor' ] ||
    fail "shortcut: $shortcut"

step "the Add/Remove Programs entry"
[ "$(registry_value DisplayName)" = Tandor ] || fail "DisplayName $(registry_value DisplayName)"
version=$(basename "$setup" | sed 's/^Tandor-\(.*\)-setup\(-amd64\)\{0,1\}\.exe$/\1/')
[ "$(registry_value DisplayVersion)" = "$version" ] || fail "DisplayVersion $(registry_value DisplayVersion)"
[ -n "$(registry_value Publisher)" ] || fail "no Publisher"
[ "$(registry_value DisplayIcon)" = 'C:\Program Files\Tandor\Tandor.exe,0' ] || fail "DisplayIcon"
[ "$(registry_value InstallLocation)" = 'C:\Program Files\Tandor' ] || fail "InstallLocation"
[ "$(registry_value UninstallString)" = '"C:\Program Files\Tandor\uninstall.exe"' ] || fail "UninstallString"
[ "$(registry_value QuietUninstallString)" = '"C:\Program Files\Tandor\uninstall.exe" /S' ] ||
    fail "QuietUninstallString"
size=$(( $(registry_value EstimatedSize) ))
[ "$size" -gt 100 ] || fail "EstimatedSize $size"
[ "$(registry_value NoModify)" = 0x1 ] && [ "$(registry_value NoRepair)" = 0x1 ] || fail "NoModify, NoRepair"
if [ "$(program_bits "$T_BIN/Tandor.exe")" = 64 ]; then
    # `wine reg` is the 64-bit one here: the entry above is in the 64-bit view, and only there.
    ! wine reg query "$uninstall_key" /reg:32 >/dev/null 2>&1 || fail "the entry is in the 32-bit view"
    cmp -s "$T_BIN/TandorClean.exe" "$folder/TandorClean.exe" || fail "TandorClean.exe is not the 64-bit one"
fi


step "a second install while the launcher runs closes and replaces it; uninst.dir stays"
# Another user of the machine, recorded first: the upgrade must keep the line, the uninstaller
# must remove that user's data too.
other_user=$WINEPREFIX/drive_c/users/other/AppData/Roaming
mkdir -p "$other_user/Tandor"
echo data >"$other_user/Tandor/Settings.ini"
printf 'C:\\USERS\\OTHER\\APPDATA\\ROAMING\r\n' >"$folder/uninst.dir"
start_from_shortcut
run_setup
driver wait-window-gone TANDOR Tandor 30000 || fail "the running launcher was not closed"
cmp -s "$T_BIN/Tandor.exe" "$folder/Tandor.exe" || fail "Tandor.exe was not written again"
list=$(tr -d '\r' <"$folder/uninst.dir")
grep -qxF 'C:\USERS\OTHER\APPDATA\ROAMING' <<<"$list" || fail "the upgrade lost uninst.dir: $list"
# The launcher saved its settings on the way out and recorded its user there.
grep -qixF "$(win_path "$(appdata_dir)")" <<<"$list" || fail "the launcher did not record its data folder: $list"
[ -d "$user_data" ] || fail "the launcher kept no data folder"

step "a launcher that cannot be written makes the setup fail"
# A folder where the program file belongs cannot be opened for writing, not even by root.
rm "$folder/Tandor.exe"
mkdir "$folder/Tandor.exe"
[ "$(setup_exit_code)" = 2 ] || fail "the setup did not fail"
rmdir "$folder/Tandor.exe"
run_setup

step "silent uninstall with launchers running in this session and another leaves nothing behind"
# A desktop of its own stands in for another session: this session's windows cannot see it, so
# only a machine-wide signal reaches the launcher there. Started without a catalogue, it makes one.
# The desktop's own process may outlive the launcher a little: it works elsewhere, so as not to
# hold on to the install folder.
rm -rf "$user_data"
(cd "$T_WORK" && exec timeout 600 wine explorer /desktop=elsewhere,640x480 'C:\Program Files\Tandor\Tandor.exe' \
    >>"$T_WORK/elsewhere.log" 2>&1) &
elsewhere=$!
wait_for_file "$user_data/scandb.dat" 60
! driver wait-window TANDOR Tandor 0 || fail "the launcher of the other desktop is seen from this one"
start_from_shortcut
run_uninstall "$folder"
! driver wait-window TANDOR Tandor 0 || fail "the launcher still runs"
wait_until 30 bash -c "! kill -0 $elsewhere 2>/dev/null" || fail "the launcher of the other desktop still runs"
[ ! -e "$folder" ] || fail "the install folder is still there: $(ls -A "$folder")"
[ ! -e "$start_menu/Tandor.lnk" ] || fail "the shortcut is still there"
! wine reg query "$uninstall_key" >/dev/null 2>&1 || fail "the Add/Remove Programs key is still there"
[ ! -e "$user_data" ] || fail "the user's data folder is still there"
[ ! -e "$other_user/Tandor" ] || fail "the other user's data folder is still there"

step "an install folder with blanks, given with /D=, made the administrators' own"
folder=$WINEPREFIX/drive_c/Tandor\ Test/Key\ Launcher
# Wine's icacls is a stub that shows no permissions: a recorder in its place shows how it was called.
for system in "$WINEPREFIX"/drive_c/windows/{system32,syswow64}; do
    if [ -d "$system" ]; then cp "$T_BIN/command-recorder.exe" "$system/icacls.exe"; fi
done
TANDOR_COMMAND_LOG="$(win_path "$T_WORK")\\icacls.log"
export TANDOR_COMMAND_LOG
builtin_overrides=$WINEDLLOVERRIDES
export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;icacls.exe=n"
# Wine quotes an argument with blanks, which /D= does not take: hand the folder over word by word.
read -r -a words <<<'/D=C:\Tandor Test\Key Launcher'
run_setup "${words[@]}"
WINEDLLOVERRIDES=$builtin_overrides
# Each call's arguments, after the program's quoted path.
tr -d '\r' <"$T_WORK/icacls.log" | sed 's/^"[^"]*" //' >icacls-calls
at='"C:\Tandor Test\Key Launcher'
{
    echo "$at\" /setowner *S-1-5-32-544 /C /Q"
    echo "$at\" /reset /C /Q"
    echo "$at\" /inheritance:r /grant:r *S-1-5-32-544:(OI)(CI)F *S-1-5-18:(OI)(CI)F *S-1-5-32-545:(OI)(CI)RX /C /Q"
    for file in Tandor.exe TandorClean.exe InstallTandorExe.exe uninst.dir; do
        echo "$at\\$file\" /setowner *S-1-5-32-544 /C /Q"
        echo "$at\\$file\" /reset /C /Q"
    done
    echo "$at\\uninst.dir\" /grant:r *S-1-5-32-545:(AD) /C /Q"
    echo "$at\\uninstall.exe\" /setowner *S-1-5-32-544 /C /Q"
    echo "$at\\uninstall.exe\" /reset /C /Q"
} >expected-icacls-calls
diff expected-icacls-calls icacls-calls || fail "the setup did not set the permissions as expected"
cmp -s "$T_BIN/Tandor.exe" "$folder/Tandor.exe" || fail "Tandor.exe is not in the folder with blanks"
shortcut=$(driver show-shortcut "C:\\ProgramData\\Microsoft\\Windows\\Start Menu\\Programs\\Tandor.lnk")
[ "$shortcut" = $'C:\\Tandor Test\\Key Launcher\\Tandor.exe\nC:\\Tandor Test\\Key Launcher' ] ||
    fail "shortcut: $shortcut"
start_from_shortcut
(cd "$folder" && timeout 60 wine "$folder/Tandor.exe" /CLOSE) || fail "Tandor /CLOSE failed"
driver wait-window-gone TANDOR Tandor 30000 || fail "the launcher did not end"
[ -s "$folder/uninst.dir" ] || fail "the launcher started from the shortcut recorded nothing"

step "the uninstaller removes only what was installed"
echo mine >"$folder/notes.txt"
run_uninstall "$folder"
[ "$(ls -A "$folder")" = notes.txt ] || fail "left in the folder: $(ls -A "$folder")"
[ ! -e "$user_data" ] || fail "the user's data folder is still there"

[ "$(program_bits "$T_BIN/Tandor.exe")" = 64 ] || exit 0

step "an upgrade over a 1.1.0 install in Program Files (x86) moves it, keeping uninst.dir's lines"
# 1.1.0 was 32-bit: its folder and its entry in the 32-bit view, a launcher running from there.
old=$WINEPREFIX/drive_c/Program\ Files\ \(x86\)/Tandor
mkdir -p "$old"
cp -r "$T_BIN/Tandor.exe" "$T_BIN/TandorClean.exe" "$T_BIN/InstallTandorExe.exe" "$T_BIN/html" "$old/"
echo stub >"$old/uninstall.exe"
printf 'C:\\USERS\\OTHER\\APPDATA\\ROAMING\r\n' >"$old/uninst.dir"
mkdir -p "$other_user/Tandor"
echo data >"$other_user/Tandor/Settings.ini"
wine reg add "$uninstall_key" /v InstallLocation /d 'C:\Program Files (x86)\Tandor' /reg:32 /f >/dev/null 2>&1
# Its "start with Windows" shortcut, with a working folder there too.
driver make-shortcut "$startup_link" 'C:\Program Files (x86)\Tandor\Tandor.exe' "" "Starts Tandor" \
    'C:\Program Files (x86)\Tandor' || fail "no start-up shortcut made"
(cd "$old" && exec timeout 600 wine "$old/Tandor.exe" >>"$T_WORK/old.log" 2>&1) &
driver wait-window TANDOR Tandor 60000 || fail "the 1.1.0 launcher did not start"
run_setup
folder=$WINEPREFIX/drive_c/Program\ Files/Tandor
driver wait-window-gone TANDOR Tandor 30000 || fail "the 1.1.0 launcher was not closed"
[ ! -e "$old" ] || fail "the 1.1.0 folder is still there: $(ls -A "$old")"
! wine reg query "$uninstall_key" /reg:32 >/dev/null 2>&1 || fail "the 1.1.0 entry in the 32-bit view is still there"
[ "$(registry_value InstallLocation)" = 'C:\Program Files\Tandor' ] || fail "InstallLocation after the move"
cmp -s "$T_BIN/Tandor.exe" "$folder/Tandor.exe" || fail "Tandor.exe is not in Program Files"
list=$(tr -d '\r' <"$folder/uninst.dir")
grep -qxF 'C:\USERS\OTHER\APPDATA\ROAMING' <<<"$list" || fail "the move lost uninst.dir's lines: $list"
grep -qixF "$(win_path "$(appdata_dir)")" <<<"$list" || fail "the 1.1.0 launcher's user is not listed: $list"
shortcut=$(driver show-shortcut "$startup_link")
[ "$shortcut" = $'C:\\Program Files\\Tandor\\Tandor.exe\nC:\\Program Files\\Tandor\nStarts Tandor' ] ||
    fail "the start-up shortcut after the move: $shortcut"
# The uninstaller knows its launcher in whatever case the shortcut names it.
driver make-shortcut "$startup_link" 'C:\PROGRAM FILES\TANDOR\TANDOR.EXE' || fail "no start-up shortcut made"
run_uninstall "$folder"
[ ! -e "$folder" ] || fail "the install folder is still there: $(ls -A "$folder")"
! driver show-shortcut "$startup_link" >/dev/null || fail "the start-up shortcut to the launcher is still there"
[ ! -e "$user_data" ] && [ ! -e "$other_user/Tandor" ] || fail "a moved user's data folder is still there"

step "the move and the uninstaller leave a start-up shortcut to a Tandor.exe elsewhere as it is"
# In a folder whose name only begins like the old install's.
elsewhere_folder=$old\ Portable
mkdir -p "$old" "$elsewhere_folder"
echo stub >"$old/uninstall.exe"
echo stub >"$elsewhere_folder/Tandor.exe"
wine reg add "$uninstall_key" /v InstallLocation /d 'C:\Program Files (x86)\Tandor' /reg:32 /f >/dev/null 2>&1
driver make-shortcut "$startup_link" 'C:\Program Files (x86)\Tandor Portable\Tandor.exe' || fail "no start-up shortcut made"
before=$(driver show-shortcut "$startup_link")
run_setup
[ ! -e "$old" ] || fail "the 1.1.0 folder is still there: $(ls -A "$old")"
[ "$(driver show-shortcut "$startup_link")" = "$before" ] || fail "the start-up shortcut changed: $(driver show-shortcut "$startup_link")"
run_uninstall "$folder"
[ "$(driver show-shortcut "$startup_link")" = "$before" ] || fail "the uninstaller took another copy's start-up shortcut"
rm -r "$elsewhere_folder" "$(winepath -u "$startup_link")"

step "an install just for me: no administrator, the user's own folder, shortcut and entry"
# The manifest asks for no elevation; an install for every user asks for it when it is chosen.
grep -qa 'level="asInvoker"' "$setup" || fail "the setup's manifest asks for elevation"
: >"$T_WORK/icacls.log"
WINEDLLOVERRIDES="$builtin_overrides;icacls.exe=n" run_setup /CurrentUser
folder=$WINEPREFIX/drive_c/users/$(whoami)/AppData/Local/Programs/Tandor
for file in Tandor.exe TandorClean.exe InstallTandorExe.exe uninstall.exe uninst.dir html/index.html; do
    [ -f "$folder/$file" ] || fail "$file is missing from the user's folder"
done
cmp -s "$T_BIN/Tandor.exe" "$folder/Tandor.exe" || fail "Tandor.exe is not the built launcher"
[ ! -s "$T_WORK/icacls.log" ] || fail "a per-user install changed permissions: $(cat "$T_WORK/icacls.log")"
! wine reg query "$uninstall_key" >/dev/null 2>&1 || fail "a per-user install wrote the machine's entry"
uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tandor'
[ "$(registry_value InstallLocation)" = "$(win_path "$folder")" ] || fail "HKCU InstallLocation $(registry_value InstallLocation)"
[ "$(registry_value UninstallString)" = "\"$(win_path "$folder")\\uninstall.exe\"" ] || fail "HKCU UninstallString"
user_start_menu='C:\users\'"$(whoami)"'\AppData\Roaming\Microsoft\Windows\Start Menu\Programs'
shortcut=$(driver show-shortcut "$user_start_menu\\Tandor.lnk")
[ "$shortcut" = "$(win_path "$folder")\\Tandor.exe"$'\n'"$(win_path "$folder")" ] || fail "shortcut: $shortcut"
[ ! -e "$start_menu/Tandor.lnk" ] || fail "a per-user install made an all-users shortcut"

step "its launcher keeps the start with Windows shortcut in the user's own Startup folder"
# A user past the first run, whom no tour keeps from the configuration.
write_directory_settings '"Files","*","",0'
(exec timeout 600 wine start "$user_start_menu\\Tandor.lnk" >>"$T_WORK/tandor.log" 2>&1) &
driver wait-window TANDOR Tandor 60000 || fail "the launcher did not start from the user's shortcut"
# A second start opens the configuration; the check box is on its User interface page.
(cd "$folder" && timeout 60 wine "$folder/Tandor.exe") || fail "the second start failed"
driver wait-window '#32770' "$SHEET" 30000 || fail "no configuration sheet"
PSM_SETCURSEL=1125 IDC_UI_START_WITH_WINDOWS=1012 IDOK=1
driver post-message '#32770' "$SHEET" $PSM_SETCURSEL 2 0
driver child-click '#32770' "$SHEET" $IDC_UI_START_WITH_WINDOWS
driver press-button '#32770' "$SHEET" $IDOK
driver wait-window-gone '#32770' "$SHEET" 30000 || fail "the sheet stayed open"
user_startup_link="$user_start_menu\\Startup\\Tandor.lnk"
shortcut=$(driver show-shortcut "$user_startup_link") || fail "no shortcut in the user's Startup folder"
[ "$(head -n 1 <<<"$shortcut")" = "$(win_path "$folder")\\Tandor.exe" ] || fail "the user's start-up shortcut: $shortcut"
# Started at logon it must find uninst.dir: its working folder is the program's.
[ "$(sed -n 2p <<<"$shortcut")" = "$(win_path "$folder")" ] || fail "the start-up shortcut's working folder: $shortcut"
! driver show-shortcut "$startup_link" >/dev/null || fail "a per-user install's launcher wrote every user's Startup folder"

step "its uninstaller removes the user's data through TandorClean, the folder, shortcuts and entry"
(cd "$folder" && timeout 60 wine "$folder/Tandor.exe" /CLOSE) || fail "Tandor /CLOSE failed"
driver wait-window-gone TANDOR Tandor 30000 || fail "the launcher did not end"
[ -d "$user_data" ] && [ -s "$folder/uninst.dir" ] || fail "the launcher recorded no data folder"
run_uninstall "$folder"
[ ! -e "$folder" ] || fail "the user's install folder is still there: $(ls -A "$folder")"
[ ! -e "$user_data" ] || fail "the user's data folder is still there"
! wine reg query "$uninstall_key" >/dev/null 2>&1 || fail "the HKCU entry is still there"
[ ! -e "$WINEPREFIX/drive_c/users/$(whoami)/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Tandor.lnk" ] ||
    fail "the user's shortcut is still there"
! driver show-shortcut "$user_startup_link" >/dev/null || fail "the user's start-up shortcut is still there"
