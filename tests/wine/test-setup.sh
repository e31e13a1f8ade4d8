# The setup program and its uninstaller, silent, in a fresh prefix: what they put in place and
# take away, an upgrade over a running launcher, launchers of other sessions closed by the
# uninstaller, and an install folder with blanks made the administrators' own.
source "$T_LIB"

[ "$(program_bits "$T_BIN/Tandor.exe")" = 32 ] || skip_test "the setup carries the 32-bit programs only"
setup=$(ls "$T_BIN"/../../dist/Tandor-*-setup.exe 2>/dev/null | head -n 1)
[ -n "$setup" ] || fail "no setup program in build/dist: run scripts/package first"
use_fresh_prefix

uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tandor'
start_menu=$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start\ Menu/Programs
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
version=$(basename "$setup" | sed 's/^Tandor-\(.*\)-setup\.exe$/\1/')
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
