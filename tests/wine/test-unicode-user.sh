# A user whose name is not ASCII: the launcher's data folder works from the first run, and the
# helpers handle such folders: TandorClean removes it (and one listed by the version before
# UTF-8, in cp1252), InstallTandorExe places the launcher in a folder so named.
source "$T_LIB"

shell_folders='HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Explorer\User Shell Folders'
user_root="$WINEPREFIX/drive_c/users/Zoë 张伟"
appdata=$user_root/AppData/Roaming

# set_appdata WINDOWS_PATH: the shell's application-data folder, through a registry file in
# UTF-16, which carries any script.
set_appdata() {
    printf 'Windows Registry Editor Version 5.00\r\n\r\n[%s]\r\n"AppData"="%s"\r\n' "$shell_folders" "${1//\\/\\\\}" |
        iconv -f UTF-8 -t UTF-16 >"$T_WORK/appdata.reg"
    timeout 60 wine regedit /s "$(win_path "$T_WORK/appdata.reg")" || fail "regedit failed"
}
restore_appdata() {
    set_appdata "C:\\users\\$(whoami)\\AppData\\Roaming"
}
trap restore_appdata EXIT

mkdir -p "$appdata"
rm -f "$T_WORK/uninst.dir"
set_appdata 'C:\users\Zoë 张伟\AppData\Roaming'

step "the first run makes its data folder under the user's name"
start_tandor
close_tandor
for file in Settings.ini scandb.dat; do
    [ -s "$appdata/Tandor/$file" ] || fail "no $file in the data folder"
done
tr -d '\r' <"$T_WORK/uninst.dir" | input_has -xF 'C:\USERS\ZOë 张伟\APPDATA\ROAMING' ||
    fail "uninst.dir does not list the folder: $(cat "$T_WORK/uninst.dir")"

step "TandorClean removes it, and a folder listed in cp1252"
jose_appdata=$WINEPREFIX/drive_c/users/José/AppData
mkdir -p "$jose_appdata/Tandor"
echo x >"$jose_appdata/Tandor/Settings.ini"
printf 'C:\\USERS\\JOS\xe9\\APPDATA\r\n' >>"$T_WORK/uninst.dir"
(cd "$T_WORK" && timeout 60 wine "$T_BIN/TandorClean.exe" 42) || fail "TandorClean failed"
[ ! -e "$appdata/Tandor" ] || fail "TandorClean left the data folder of Zoë 张伟"
[ ! -e "$jose_appdata/Tandor" ] || fail "TandorClean left the data folder listed in cp1252"

step "InstallTandorExe places the launcher in a folder with such a name"
target_folder="$T_WORK/Programme Ünï 程序"
mkdir -p "$target_folder"
(cd "$T_WORK" && timeout 60 wine "$T_BIN/InstallTandorExe.exe" "$(win_path "$target_folder")\\Tandor.exe") ||
    fail "InstallTandorExe failed"
cmp -s "$T_BIN/Tandor.exe" "$target_folder/Tandor.exe" || fail "the placed launcher differs"
