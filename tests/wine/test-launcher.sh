# The launcher window on the real Tandor: the hotkey opens it, typing lists the ranked entries,
# Return launches and closes, launches and hides reach scores.dat, Up/Down stop at the ends,
# Escape closes without launching. Screenshots land in the work folder.
source "$T_LIB"

apps=$T_WORK/apps
marker=$T_WORK/marker.txt
scores_file() { echo "$(data_dir)/scores.dat"; }

rm -rf "$apps" "$marker"
mkdir -p "$apps"
# A batch file that proves a launch by writing the marker; the catalogue holds a shortcut to it.
# Shortcuts are matched by their target's full path, the batch file itself by its bare name, so
# the include list below takes the shortcut and leaves the batch file out.
printf '@echo off\r\necho launched> "%s"\r\n' "$(win_path "$marker")" >"$apps/marker.bat"
driver make-shortcut "$(win_path "$apps")\\Marker Maker.lnk" "$(win_path "$apps")\\marker.bat" ||
    fail "cannot make the shortcut"
for name in "Mail Merge" "Music Manager" "Notepad"; do
    echo "$name" >"$apps/$name.txt"
done

reset_user_data
write_settings <<SETTINGS
[ScanDef]
0="Launchables","*.txt;*\\marker.bat","",0
[Directories]
"$(win_path "$apps")\\"=0,1,0,"Apps"
[Global]
GlobalScanFlags=9
FirstTimer=0
NextScanID=1
Retry=0
SETTINGS

expect_closed() {
    driver launcher-wait-gone 20000 || fail "the launcher window stayed open after $1"
}

# The scores file as "SCORE PATH" lines.
scores() {
    driver scores-file "$(win_path "$(scores_file)")"
}

expect_score() {
    local path=$1 score=$2
    scores | tr -d '\r' | input_has -xF -e "$score $path" || {
        scores >&2
        fail "scores.dat lacks '$score $path'"
    }
}

marker_link=$(win_path "$apps")\\"Marker Maker.lnk"
mail_merge=$(win_path "$apps")\\"Mail Merge.txt"

start_tandor
wait_for_file "$(data_dir)/scandb.dat" 60

step "the hotkey opens the window with the hint"
open_launcher
driver launcher-hint-shown || fail "no hint in an empty window"
screenshot "$T_WORK/launcher-empty.png"

step "typing an abbreviation lists the matches best first, the first selected"
driver type mm
# Word starts after fewer steps score higher: Mail Merge 35, Music Manager 34, Marker Maker 33.
driver launcher-wait-rows 10000 "Mail Merge" "Music Manager" "Marker Maker" || fail "wrong rows for mm"
driver launcher-wait-selected 5000 0 || fail "the first row is not selected"
driver launcher-wait-icon 15000 2 || echo "note: no icon arrived for the shortcut row"
screenshot "$T_WORK/launcher-results.png"

step "Up at the first row and Down at the last row stay put"
driver keys up
driver launcher-wait-selected 5000 0 || fail "Up left the first row"
driver keys down
driver launcher-wait-selected 5000 1 || fail "Down did not reach row 1"
driver keys down down
driver launcher-wait-selected 5000 2 || fail "Down did not reach the last row"
driver keys down
sleep 0.5
driver launcher-wait-selected 5000 2 || fail "Down at the last row wrapped around"
driver keys up
driver launcher-wait-selected 5000 1 || fail "Up did not move back"

step "deleting the query brings the hint back"
driver keys back back
wait_until 10 driver launcher-hint-shown || fail "no hint after deleting the query"

step "Escape closes without launching"
driver keys escape
expect_closed Escape
sleep 1
[ ! -e "$marker" ] || fail "Escape launched something"

step "Return launches the first row and closes the window"
open_launcher
driver type mark
driver launcher-wait-rows 10000 "Marker Maker" || fail "wrong rows for mark"
driver keys return
expect_closed Return
wait_for_file "$marker" 30
expect_score "$marker_link" 1

step "the launch counts at the next opening: the same query ranks the shortcut first"
open_launcher
driver type mm
driver launcher-wait-rows 10000 "Marker Maker" "Mail Merge" "Music Manager" || fail "launch term not counted"

step "F12 hides the selected row and keeps the selection on that row"
driver keys down
driver launcher-wait-selected 5000 1 || fail "Down did not reach row 1"
driver keys f12
driver launcher-wait-rows 10000 "Marker Maker" "Music Manager" "Mail Merge" || fail "the hidden entry did not sink"
driver launcher-wait-selected 5000 1 || fail "the selection left row 1 after F12"
driver keys escape
expect_closed Escape
expect_score "$mail_merge" -4
expect_score "$marker_link" 1

step "a hidden entry still matches when little else does"
open_launcher
driver type merge
driver launcher-wait-rows 10000 "Mail Merge" || fail "the hidden entry no longer matches"
driver keys escape
expect_closed Escape

step "the screenshot during a launch"
rm -f "$marker"
open_launcher
driver type mark
driver launcher-wait-rows 10000 "Marker Maker" || fail "wrong rows for mark"
driver keys return
screenshot "$T_WORK/launcher-launching.png"
expect_closed Return
wait_for_file "$marker" 30
expect_score "$marker_link" 2

close_tandor
