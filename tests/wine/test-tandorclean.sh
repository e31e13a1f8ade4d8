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

step "two users' folders go, with read-only and hidden files, blank lines and no final line end"
users=$T_WORK/users
rm -rf "$users"
joe="$users/Joe/Application Data"
ann="$users/Ann/AppData"
make_data_folder "$joe" Settings.ini scandb.dat scores.dat locked.dat secret.dat
make_data_folder "$ann" Settings.ini
driver set-attributes "$(win_path "$joe/Tandor/locked.dat")" readonly
driver set-attributes "$(win_path "$joe/Tandor/secret.dat")" hidden,system
driver set-attributes "$(win_path "$ann/Tandor")" readonly
[ "$(driver show-attributes "$(win_path "$joe/Tandor/locked.dat")" | tr -d '\r')" = readonly ] \
    || fail "the read-only attribute did not stick"
[ "$(driver show-attributes "$(win_path "$joe/Tandor/secret.dat")" | tr -d '\r')" = hidden,system ] \
    || fail "the hidden attribute did not stick"
printf '%s\r\n\r\n\n%s\\' "$(win_path "$joe")" "$(win_path "$ann")" >uninst.dir
code=$(clean_exit_code 42)
[ "$code" = 0 ] || fail "exit code $code"
[ ! -e "$joe/Tandor" ] || fail "Joe's data folder is still there: $(ls -A "$joe/Tandor")"
[ ! -e "$ann/Tandor" ] || fail "Ann's data folder (line with a trailing backslash) is still there"
[ -d "$joe" ] && [ -d "$ann" ] || fail "an application-data folder itself was removed"

step "a sub-folder is left in place, the removal fails with 10 and later users are still cleaned"
rm -rf "$users"
make_data_folder "$joe" Settings.ini
mkdir -p "$joe/Tandor/Backup"
echo kept >"$joe/Tandor/Backup/old.ini"
make_data_folder "$ann" Settings.ini
printf '%s\r\n%s\r\n' "$(win_path "$joe")" "$(win_path "$ann")" >uninst.dir
code=$(clean_exit_code 42)
[ "$code" = 10 ] || fail "exit code $code"
[ ! -e "$joe/Tandor/Settings.ini" ] || fail "the file beside the sub-folder was not deleted"
[ -f "$joe/Tandor/Backup/old.ini" ] || fail "the remover went into the sub-folder"
[ ! -e "$ann/Tandor" ] || fail "a later user's folder was not cleaned"

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

step "links are never followed: a linked data folder and a link inside a data folder are left alone"
rm -rf "$users" "$T_WORK/elsewhere" "$T_WORK/inside"
mkdir -p "$T_WORK/elsewhere" "$T_WORK/inside" "$joe"
echo precious >"$T_WORK/elsewhere/system.dat"
echo precious >"$T_WORK/inside/other.dat"
driver set-attributes "$(win_path "$T_WORK/elsewhere/system.dat")" readonly
ln -s "$T_WORK/elsewhere" "$joe/Tandor"
make_data_folder "$ann" Settings.ini
ln -s "$T_WORK/inside" "$ann/Tandor/link"
printf '%s\r\n%s\r\n' "$(win_path "$joe")" "$(win_path "$ann")" >uninst.dir
code=$(clean_exit_code 42)
[ "$code" = 10 ] || fail "exit code $code"
[ -f "$T_WORK/elsewhere/system.dat" ] || fail "a file behind the linked data folder was deleted"
[ "$(driver show-attributes "$(win_path "$T_WORK/elsewhere/system.dat")" | tr -d '\r')" = readonly ] \
    || fail "the attributes behind the linked data folder were changed"
[ -L "$joe/Tandor" ] || fail "the linked data folder itself went"
[ -f "$T_WORK/inside/other.dat" ] && [ -L "$ann/Tandor/link" ] || fail "the link inside a data folder was followed"
[ ! -e "$ann/Tandor/Settings.ini" ] || fail "the file beside the link was not deleted"

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
