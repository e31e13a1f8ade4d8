# InstallTandorExe: writes the launcher it carries to the target path, closing a launcher
# that runs from that path first.
source "$T_LIB"


# Runs InstallTandorExe with the given arguments (Wine joins them with blanks into one
# command line); prints its exit code.
place_exit_code() {
    local rc=0
    (cd "$T_WORK" && timeout 60 wine "$T_BIN/InstallTandorExe.exe" "$@") || rc=$?
    echo "$rc"
}

# The same, for a path with blanks: each blank-separated word goes as an argument of its own,
# so the command line carries the path unquoted, as an installer passes it.
place_unquoted_exit_code() {
    local -a words
    read -r -a words <<<"$1"
    place_exit_code "${words[@]}"
}

same_as_built_launcher() {
    cmp -s "$T_BIN/Tandor.exe" "$1"
}

milliseconds() {
    echo $(( $(date +%s%N) / 1000000 ))
}

step "a new target in an existing folder is the built launcher, byte for byte"
mkdir -p "$T_WORK/fresh"
code=$(place_exit_code "$(win_path "$T_WORK/fresh")\\Tandor.exe")
[ "$code" = 0 ] || fail "exit code $code"
same_as_built_launcher "$T_WORK/fresh/Tandor.exe" || fail "the written file differs from Tandor.exe"

step "a free target is written without a close request: a launcher running elsewhere stays"
reset_user_data
start_tandor
code=$(place_exit_code "$(win_path "$T_WORK/fresh")\\Other.exe")
[ "$code" = 0 ] || fail "exit code $code"
same_as_built_launcher "$T_WORK/fresh/Other.exe" || fail "the written file differs from Tandor.exe"
# A close request would end the launcher within moments; give it that long to show.
! driver wait-window-gone TANDOR Tandor 3000 || fail "the launcher was asked to close although the target was free"
close_tandor

step "an existing, larger target is cut to the launcher's exact size"
head -c 3000000 /dev/zero >"$T_WORK/fresh/Tandor.exe"
code=$(place_exit_code "$(win_path "$T_WORK/fresh/Tandor.exe")")
[ "$code" = 0 ] || fail "exit code $code"
same_as_built_launcher "$T_WORK/fresh/Tandor.exe" || fail "the old bytes were not replaced exactly"

step "a target path with blanks is used whole"
mkdir -p "$T_WORK/Program Files/Tandor Launcher"
target="$T_WORK/Program Files/Tandor Launcher/Tandor.exe"
code=$(place_unquoted_exit_code "$(win_path "$target")")
[ "$code" = 0 ] || fail "exit code $code"
same_as_built_launcher "$target" || fail "the file at the path with blanks differs from Tandor.exe"
[ ! -e "$T_WORK/Program" ] && [ ! -e "$T_WORK/Program Files/Tandor" ] || fail "a file was written at a cut path"

step "no command line gives 10"
code=$(place_exit_code)
[ "$code" = 10 ] || fail "exit code $code"

step "a target whose folder does not exist gives 10 at once"
code=$(place_exit_code "$(win_path "$T_WORK")\\missing\\Tandor.exe")
[ "$code" = 10 ] || fail "exit code $code"
[ ! -e "$T_WORK/missing" ] || fail "the missing folder was created"

step "a write cut off midway leaves the installed launcher whole"
echo "old launcher" >"$T_WORK/fresh/Tandor.exe"
# A file-size limit of 100 KB stops the helper partway through writing the launcher.
code=$( (ulimit -f 100; place_exit_code "$(win_path "$T_WORK/fresh/Tandor.exe")") )
[ "$code" != 0 ] || fail "a cut write was reported as success"
[ "$(cat "$T_WORK/fresh/Tandor.exe")" = "old launcher" ] || fail "the installed launcher was damaged"

step "a running launcher at a quoted target with blanks is closed, saves its files, and the file is written"
reset_user_data
installed_dir="$T_WORK/Program Files/Running Tandor"
mkdir -p "$installed_dir"
installed="$installed_dir/Tandor.exe"
# A trailing byte keeps the program runnable and shows whether the file was rewritten.
{ cat "$T_BIN/Tandor.exe"; printf 'X'; } >"$installed"
(cd "$T_WORK" && exec timeout 600 wine "$installed" >>"$T_WORK/tandor.log" 2>&1) &
TANDOR_PID=$!
driver wait-window TANDOR Tandor 60000 || fail "the launcher at the target did not start"
# A fresh launcher writes its settings only when it ends, so their presence shows an orderly exit.
[ ! -e "$(data_dir)/Settings.ini" ] || fail "Settings.ini exists before the launcher was closed"
# Wine hands an argument with blanks on in double quotes, as installers pass such a path.
code=$(place_exit_code "$(win_path "$installed")")
[ "$code" = 0 ] || fail "exit code $code"
driver wait-window-gone TANDOR Tandor 30000 || fail "the running launcher was not closed"
wait_tandor_exit
[ "$TANDOR_EXIT" = 0 ] || fail "the launcher ended with $TANDOR_EXIT"
[ -s "$(data_dir)/Settings.ini" ] || fail "the closed launcher did not save its settings"
same_as_built_launcher "$installed" || fail "the launcher's file was not replaced"
