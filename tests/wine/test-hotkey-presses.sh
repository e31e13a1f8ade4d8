# The hotkey pressed the moment the launcher window closes, by Escape or by launching a shortcut
# with Return, opens the window again with that one press.
source "$T_LIB"

ROUNDS=20
apps=$T_WORK/apps
# A program that opens no window and ends at once: a launched window that takes the focus would
# close the new launcher window, which is another matter than a lost press.
target='C:\windows\system32\rundll32.exe'

rm -rf "$apps"
mkdir -p "$apps"
driver make-shortcut "$(win_path "$apps")\\Count Up.lnk" "$target" || fail "cannot make the shortcut"

reset_user_data
write_directory_settings '"Shortcuts","*\rundll32.exe","",0' "$(directory_line "$apps" 1 Apps)"

# Each launch adds one to the shortcut's score, up to its limit, saved as the window closes.
MAX_SCORE=10
launch_count() { driver scores-file "$(win_path "$(data_dir)/scores.dat")" 2>/dev/null | awk '{ print $1; exit }'; }

# A fresh window shows its hint; the one just closed had a query typed into it.
expect_reopened() {
    wait_until 20 driver launcher-hint-shown || fail "round $1: one press right after $2 opened no window"
}

start_tandor
wait_for_file "$(data_dir)/scandb.dat" 60
driver hotkey
expect_reopened 0 "start-up"

for round in $(seq "$ROUNDS"); do
    driver type count
    driver launcher-wait-rows 10000 "Count Up" || fail "round $round: no row for the shortcut"
    # Key and hotkey in one input burst, so that the press meets the icon loader still ending.
    driver keys escape ctrl+alt+x
    expect_reopened "$round" Escape

    driver type count
    driver launcher-wait-rows 10000 "Count Up" || fail "round $round: no row for the shortcut"
    driver keys return ctrl+alt+x
    expect_reopened "$round" Return
    wanted=$(( round < MAX_SCORE ? round : MAX_SCORE ))
    [ "$(launch_count)" = "$wanted" ] || fail "round $round: score $(launch_count), not $wanted: no launch?"
done

driver keys escape
driver launcher-wait-gone 20000 || fail "the window stayed open"
close_tandor
[ "$TANDOR_EXIT" = 0 ] || fail "exit code $TANDOR_EXIT"
echo "ok"
