# TandorClean: the argument test with its message box, and the removal of the data folders
# listed in uninst.dir.
source "$T_LIB"


readonly CAPTION="Stop messing with Tandor!"
readonly FIRST_LINE="GO AWAY. You are not supposed to execute this program."

# Runs TandorClean from the working folder; prints its exit code.
clean_exit_code() {
    local rc=0
    timeout 60 wine "$T_BIN/TandorClean.exe" "$@" || rc=$?
    echo "$rc"
}

# Makes a data folder with the given files under a user's application-data folder.
make_data_folder() {
    local appdata=$1
    shift
    mkdir -p "$appdata/Tandor"
    for name in "$@"; do
        echo "data of $name" >"$appdata/Tandor/$name"
    done
}

step "42, also with more text after it, runs; without uninst.dir it removes nothing"
rm -f uninst.dir
for args in "42" "42 /S" "421"; do
    # shellcheck disable=SC2086
    code=$(clean_exit_code $args)
    [ "$code" = 0 ] || fail "'$args' gave exit code $code"
done

step "any other argument shows the message box and exits with 10"
for args in "" "4" "2" "24" "x42"; do
    # shellcheck disable=SC2086
    (exec timeout 60 wine "$T_BIN/TandorClean.exe" $args) &
    clean_pid=$!
    text=$(driver dismiss-message-box "$CAPTION" 30000) || fail "no message box for '$args'"
    [ "$(printf '%s\n' "$text" | head -n 1 | tr -d '\r')" = "$FIRST_LINE" ] || fail "message for '$args': $text"
    code=0
    wait "$clean_pid" || code=$?
    [ "$code" = 10 ] || fail "'$args' gave exit code $code"
done

# Prints a file's attributes as the program sees them.
attributes_of() {
    driver show-attributes "$(win_path "$1")" | tr -d '\r'
}

step "two users' folders go: every file of the launcher's, read-only, hidden and in any letter case; blank lines, no final line end"
users=$T_WORK/users
rm -rf "$users"
joe="$users/Joe/Application Data"
ann="$users/Ann/AppData"
make_data_folder "$joe" Settings.ini scandb.dat scores.dat Settings.ini.new scores.dat.new SCANDB.DAT.NEW
make_data_folder "$ann" Settings.ini
driver set-attributes "$(win_path "$joe/Tandor/scores.dat")" readonly
driver set-attributes "$(win_path "$joe/Tandor/SCANDB.DAT.NEW")" hidden,system
driver set-attributes "$(win_path "$ann/Tandor")" readonly
[ "$(attributes_of "$joe/Tandor/scores.dat")" = readonly ] || fail "the read-only attribute did not stick"
[ "$(attributes_of "$joe/Tandor/SCANDB.DAT.NEW")" = hidden,system ] || fail "the hidden attribute did not stick"
printf '%s\r\n\r\n\n%s\\' "$(win_path "$joe")" "$(win_path "$ann")" >uninst.dir
code=$(clean_exit_code 42)
[ "$code" = 0 ] || fail "exit code $code"
[ ! -e "$joe/Tandor" ] || fail "Joe's data folder is still there: $(ls -A "$joe/Tandor")"
[ ! -e "$ann/Tandor" ] || fail "Ann's data folder (line with a trailing backslash) is still there"
[ -d "$joe" ] && [ -d "$ann" ] || fail "an application-data folder itself was removed"

step "a folder that is not only the launcher's keeps all else and fails with 10; later users are still cleaned"
rm -rf "$users" "$T_WORK/programs" "$T_WORK/inside"
install="$T_WORK/programs/Tandor"
mkdir -p "$install/html" "$T_WORK/inside"
for name in Tandor.exe TandorClean.exe uninst.dir html/index.html; do
    echo "installed $name" >"$install/$name"
done
make_data_folder "$joe" Settings.ini scores.dat notes.txt
mkdir -p "$joe/Tandor/Backup"
echo kept >"$joe/Tandor/Backup/old.ini"
echo precious >"$T_WORK/inside/other.dat"
ln -s "$T_WORK/inside" "$joe/Tandor/link"
ln -s "$T_WORK/inside/other.dat" "$joe/Tandor/scandb.dat"
make_data_folder "$ann" Settings.ini scores.dat
printf '%s\r\n%s\r\n%s\r\n' "$(win_path "$T_WORK/programs")" "$(win_path "$joe")" "$(win_path "$ann")" >uninst.dir
code=$(clean_exit_code 42)
[ "$code" = 10 ] || fail "exit code $code"
[ "$(cd "$install" && find . -type f | sort | tr '\n' ' ')" = "./Tandor.exe ./TandorClean.exe ./html/index.html ./uninst.dir " ] \
    || fail "the install folder lost files: $(ls -AR "$install")"
[ ! -e "$joe/Tandor/Settings.ini" ] && [ ! -e "$joe/Tandor/scores.dat" ] || fail "the launcher's files beside the user's stayed"
[ "$(cat "$joe/Tandor/notes.txt")" = "data of notes.txt" ] || fail "the user's own file was touched"
[ -f "$joe/Tandor/Backup/old.ini" ] || fail "the remover went into the sub-folder"
[ "$(cat "$T_WORK/inside/other.dat")" = precious ] && [ -L "$joe/Tandor/link" ] || fail "a link inside was followed"
[ ! -e "$ann/Tandor" ] || fail "a later user's folder was not cleaned"

step "a hard link to a read-only file elsewhere is left alone, and so is that file"
rm -rf "$users" "$T_WORK/elsewhere"
mkdir -p "$T_WORK/elsewhere"
echo precious >"$T_WORK/elsewhere/system.dat"
driver set-attributes "$(win_path "$T_WORK/elsewhere/system.dat")" readonly
make_data_folder "$ann" Settings.ini
ln "$T_WORK/elsewhere/system.dat" "$ann/Tandor/scores.dat"
printf '%s\r\n' "$(win_path "$ann")" >uninst.dir
code=$(clean_exit_code 42)
[ "$code" = 10 ] || fail "exit code $code"
[ "$(cat "$T_WORK/elsewhere/system.dat")" = precious ] || fail "the linked file's contents changed"
[ "$(attributes_of "$T_WORK/elsewhere/system.dat")" = readonly ] || fail "the linked file's attributes changed"
[ "$(stat -c %h "$T_WORK/elsewhere/system.dat")" = 2 ] || fail "the hard link in the data folder was deleted"
[ ! -e "$ann/Tandor/Settings.ini" ] || fail "the launcher's file beside the hard link stayed"

step "a line within the path limit in characters but far beyond it in bytes: a long Cyrillic data folder goes"
rm -rf "$users"
mkdir -p "$users"
users_path=$(win_path "$users")
# The line names a folder of 250 characters, so that its data folder stays within the limit too.
letters=$(( (250 - ${#users_path} - 2) / 2 ))
long_name=$(printf 'Ж%.0s' $(seq "$letters"))
make_data_folder "$users/$long_name/$long_name" Settings.ini scores.dat
line="$users_path\\$long_name\\$long_name"
[ "$(printf '%s' "$line" | wc -c)" -gt 259 ] || fail "the test's line is too short in bytes: $line"
printf '%s\r\n' "$line" >uninst.dir
code=$(clean_exit_code 42)
[ "$code" = 0 ] || fail "exit code $code"
[ ! -e "$users/$long_name/$long_name/Tandor" ] || fail "the long Cyrillic data folder is still there"
[ -d "$users/$long_name/$long_name" ] || fail "its application-data folder itself was removed"

step "a first user without a data folder fails the run with 10; later users are still cleaned"
rm -rf "$users"
mkdir -p "$users/Bob/AppData"
make_data_folder "$ann" Settings.ini scores.dat
printf '%s\n%s\n' "$(win_path "$users/Bob/AppData")" "$(win_path "$ann")" >uninst.dir
code=$(clean_exit_code 42)
[ "$code" = 10 ] || fail "exit code $code"
[ ! -e "$ann/Tandor" ] || fail "a later user's folder was not cleaned"

step "an empty data folder and an uninst.dir of blank lines"
rm -rf "$users"
mkdir -p "$ann/Tandor"
printf '\r\n%s\r\n\r\n' "$(win_path "$ann")" >uninst.dir
code=$(clean_exit_code 42)
[ "$code" = 0 ] || fail "exit code $code"
[ ! -e "$ann/Tandor" ] || fail "the empty data folder is still there"

step "a line with a NUL byte names no file: the file before the NUL stays, later users are cleaned"
rm -rf "$users" "$T_WORK/any"
mkdir -p "$T_WORK/any"
echo precious >"$T_WORK/any/file.txt"
make_data_folder "$ann" Settings.ini
printf '%s\0junk\r\n%s\r\n' "$(win_path "$T_WORK/any/file.txt")" "$(win_path "$ann")" >uninst.dir
code=$(clean_exit_code 42)
[ "$code" = 10 ] || fail "exit code $code"
[ -f "$T_WORK/any/file.txt" ] || fail "the file named before the NUL was deleted"
[ ! -e "$ann/Tandor" ] || fail "the valid line after the NUL line was not cleaned"

step "a link in any part of a line's path is refused: the folders behind it keep the launcher's files too"
rm -rf "$users" "$T_WORK/victim"
victim="$T_WORK/victim"
make_data_folder "$victim/Home/AppData" Settings.ini scores.dat
make_data_folder "$victim/Linked" Settings.ini
make_data_folder "$victim/AppData" Settings.ini
mkdir -p "$users/Eve" "$users/Mal/Home" "$users/Ida/AppData"
ln -s "$victim/Home" "$users/Eve/Home"       # two parts above the data folder
ln -s "$victim/AppData" "$users/Mal/Home/AppData" # the application-data folder itself
ln -s "$victim/Linked/Tandor" "$users/Ida/AppData/Tandor"
make_data_folder "$ann" Settings.ini
printf '%s\r\n%s\r\n%s\r\n%s\r\n' "$(win_path "$users/Eve/Home/AppData")" "$(win_path "$users/Mal/Home/AppData")" \
    "$(win_path "$users/Ida/AppData")" "$(win_path "$ann")" >uninst.dir
code=$(clean_exit_code 42)
[ "$code" = 10 ] || fail "exit code $code"
[ "$(cd "$victim" && find . -type f | sort | tr '\n' ' ')" \
    = "./AppData/Tandor/Settings.ini ./Home/AppData/Tandor/Settings.ini ./Home/AppData/Tandor/scores.dat ./Linked/Tandor/Settings.ini " ] \
    || fail "a file behind a link went: $(cd "$victim" && find . -type f)"
[ -L "$users/Eve/Home" ] && [ -L "$users/Mal/Home/AppData" ] && [ -L "$users/Ida/AppData/Tandor" ] || fail "a link itself went"
[ ! -e "$ann/Tandor" ] || fail "the valid line after the linked ones was not cleaned"

step "relative, network and over-long lines are skipped; the valid line after them is still cleaned"
rm -rf "$users" relative
make_data_folder relative Settings.ini
make_data_folder "$ann" Settings.ini scores.dat
overlong="Z:\\$(printf 'x%.0s' $(seq 300))"
printf 'relative\r\n\\\\localhost\\share\r\n%s\r\n%s\r\n' "$overlong" "$(win_path "$ann")" >uninst.dir
code=$(clean_exit_code 42)
[ "$code" = 10 ] || fail "exit code $code"
[ -f relative/Tandor/Settings.ini ] || fail "a relative line was acted on"
[ ! -e "$ann/Tandor" ] || fail "the valid line after the bad ones was not cleaned"
