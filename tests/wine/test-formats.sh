# The data files are the same for the 32-bit and the 64-bit build: Settings.ini, scandb.dat and
# scores.dat written by one build load in the other (its catalogue and scores rank the rows) and
# stay byte for byte what they were, and the same holds on the way back. Runs in the 64-bit
# prefix, where both builds run; T_OTHER_BIN names another build to pair with (the same one
# checks the test itself on a machine that runs no 32-bit programs).
source "$T_LIB"

case $T_BIN in
*/windows-x64/bin) other=${T_OTHER_BIN:-$T_BIN/../../windows/bin} ;;
*) other=${T_OTHER_BIN:-} ;;
esac
[ -n "$other" ] || skip_test "the 32-bit prefix runs the 32-bit build only; the 64-bit run pairs the builds"
[ -f "$other/Tandor.exe" ] || skip_test "no other build in $other"
other=$(cd "$other" && pwd)
if [ "$(program_bits "$other/Tandor.exe")" = 32 ] && ! can_run_32bit_programs; then
    skip_test "this machine cannot run the 32-bit build to pair with"
fi
this=$T_BIN

apps=$T_WORK/apps
marker=$T_WORK/marker.txt
mkdir -p "$apps"
printf '@echo off\r\necho launched> "%s"\r\n' "$(win_path "$marker")" >"$apps/marker.bat"
driver make-shortcut "$(win_path "$apps")\\Marker Maker.lnk" "$(win_path "$apps")\\marker.bat" ||
    fail "cannot make the shortcut"
for name in "Mail Merge" "Music Manager"; do
    echo "$name" >"$apps/$name.txt"
done
reset_user_data
write_directory_settings '"Launchables","*.txt;*\marker.bat","",0' "$(directory_line "$apps" 1 Apps)"

files=(Settings.ini scandb.dat scores.dat)
keep_files() {
    rm -rf "$1"
    mkdir -p "$1"
    for name in "${files[@]}"; do
        cp "$(data_dir)/$name" "$1/" || fail "$name was not written"
    done
}
expect_files() {
    for name in "${files[@]}"; do
        cmp "$1/$name" "$(data_dir)/$name" || fail "$name changed in the $2 build"
    done
}

# Launches the marker shortcut through the launcher window: one more launch in scores.dat.
launch_marker() {
    rm -f "$marker"
    open_launcher
    driver type mark
    driver launcher-wait-rows 10000 "Marker Maker" || fail "wrong rows for mark"
    driver keys return
    driver launcher-wait-gone 20000 || fail "the launcher window stayed open"
    wait_for_file "$marker" 30
}

# The counted launch ranks the shortcut first, which it does only with both files read.
expect_ranking() {
    open_launcher
    driver type mm
    driver launcher-wait-rows 10000 "Marker Maker" "Mail Merge" "Music Manager" ||
        fail "the $1 build did not read the catalogue and scores"
    driver keys escape
    driver launcher-wait-gone 20000 || fail "the launcher window stayed open"
}

step "files written by $(program_bits "$other/Tandor.exe")-bit Tandor"
T_BIN=$other start_tandor
wait_for_file "$(catalogue_file)" 60
T_BIN=$other launch_marker
T_BIN=$other close_tandor
keep_files "$T_WORK/first"

step "load in $(program_bits "$this/Tandor.exe")-bit Tandor unchanged"
start_tandor
expect_ranking "$(program_bits "$this/Tandor.exe")-bit"
close_tandor
expect_files "$T_WORK/first" "$(program_bits "$this/Tandor.exe")-bit"

step "and back: what this build writes loads unchanged in the other"
start_tandor
launch_marker
close_tandor
keep_files "$T_WORK/second"
cmp -s "$T_WORK/first/scores.dat" "$T_WORK/second/scores.dat" && fail "the second launch was not saved"
T_BIN=$other start_tandor
T_BIN=$other expect_ranking "$(program_bits "$other/Tandor.exe")-bit"
T_BIN=$other close_tandor
expect_files "$T_WORK/second" "$(program_bits "$other/Tandor.exe")-bit"
