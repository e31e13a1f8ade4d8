# The tour guide on the real Tandor: shown at start to a first-time user only, led on by the
# launcher window's events, ended by its close box for good; /TOUR brings it back.
source "$T_LIB"

tour_title="Tandor Tour Guide"
apps=$T_WORK/apps
rm -rf "$apps"
mkdir -p "$apps"
marker=$T_WORK/marker.txt
rm -f "$marker"
echo notes >"$apps/Nothing Special.txt"
# A launch is proved by the marker that this batch file writes, reached through a shortcut.
printf '@echo off\r\necho launched> "%s"\r\n' "$(win_path "$marker")" >"$apps/marker.bat"
driver make-shortcut "$(win_path "$apps")\\Marker Maker.lnk" "$(win_path "$apps")\\marker.bat" ||
    fail "cannot make the shortcut"

settings_with_first_timer() {
    write_settings <<SETTINGS
[ScanDef]
0="Documents","*.txt;*\\marker.bat","",0
[Directories]
"$(win_path "$apps")\\"=0,1,0,"Apps"
[Global]
GlobalScanFlags=9
NextScanID=1
Retry=5
$1
SETTINGS
}

tour_text() {
    driver window-text '#32770' "$tour_title" 1041
}

tour_says() {
    tour_text | input_has -F -- "$1"
}

expect_tour_text() {
    local wanted=$1
    wait_until 20 tour_says "$wanted" || {
        tour_text >&2 || true
        fail "the tour does not say '$wanted'"
    }
}

query_marked() {
    driver query-selection | input_has -xF "0 3"
}

reset_user_data
settings_with_first_timer "FirstTimer=1"

step "a first-time user is welcomed at start"
start_tandor
driver wait-window '#32770' "$tour_title" 30000 || fail "no tour window at start"
expect_tour_text "Welcome to Tandor! I'm Gizmo"
driver window-text '#32770' "$tour_title" 1 | input_has -xF "Okay Gizmo, show me!" || fail "first answer"
driver window-text '#32770' "$tour_title" 1042 | input_has -xF "I'd like to read the documentation first" ||
    fail "second answer"
screenshot "$T_WORK/tour-welcome.png"

step "the answer leads to the hotkey, written out"
driver press-button '#32770' "$tour_title" 1
expect_tour_text "It's Ctrl + Alt + X pressed at the same time"
expect_tour_text "Press Ctrl + Alt + X now!"
screenshot "$T_WORK/tour-hotkey.png"

step "pressing the hotkey moves the tour on, the tour window beside the launcher"
open_launcher
expect_tour_text "This is Tandor. Now think of an application"
read -r tl tt tw th < <(driver window-rect '#32770' "$tour_title")
read -r ll lt lw lh < <(driver launcher-rect)
[ $((tl + tw)) -le "$ll" ] || fail "the tour window ($tl $tw) overlaps the launcher window ($ll)"
screenshot "$T_WORK/tour-launcher.png"

step "typing keeps the focus in the launcher and moves the tour on"
driver type not
driver launcher-wait-rows 10000 "Nothing Special" || fail "typing did not reach the launcher window"
expect_tour_text "Look at this list of entries here."
screenshot "$T_WORK/tour-list.png"

step "while the tour explains the list, the typed text stays unmarked"
sleep 2 # four retry periods
driver query-selection | input_has -xF "3 3" || fail "the text was marked: $(driver query-selection)"

step "a launch moves the tour on"
driver keys back back back
driver type mm
driver launcher-wait-rows 10000 "Marker Maker" || fail "no Marker Maker row"
driver keys return
driver launcher-wait-gone 20000 || fail "the launcher window stayed open after the launch"
wait_for_file "$marker"
expect_tour_text "Nice going! Try again"

step "the next opening explains the marking, and the text is marked again"
open_launcher
expect_tour_text "Now type something, then wait a few seconds."
driver type not
wait_until 10 query_marked || fail "the text was not marked: $(driver query-selection)"
screenshot "$T_WORK/tour-marking.png"
driver keys escape
driver launcher-wait-gone 20000 || fail "the launcher window stayed open"

step "the close box ends the tour and it is not offered again"
driver close-window '#32770' "$tour_title"
driver wait-window-gone '#32770' "$tour_title" 20000 || fail "the close box left the tour open"
close_tandor
grep -q '^FirstTimer=0'$'\r''$' "$(data_dir)/Settings.ini" || {
    cat "$(data_dir)/Settings.ini" >&2
    fail "FirstTimer is not 0 after the tour was closed"
}

step "with FirstTimer=0 saved no tour window appears"
start_tandor
sleep 3
if driver wait-window '#32770' "$tour_title" 0 >/dev/null 2>&1; then fail "a tour window appeared"; fi
close_tandor

step "/TOUR on start shows it again"
start_tandor /TOUR
driver wait-window '#32770' "$tour_title" 30000 || fail "/TOUR showed no tour window"
expect_tour_text "Welcome to Tandor!"
step "the last answer ends the tour too"
driver press-button '#32770' "$tour_title" 1043
driver wait-window-gone '#32770' "$tour_title" 20000 || fail "Take a hike left the tour open"
close_tandor
grep -q '^FirstTimer=0'$'\r''$' "$(data_dir)/Settings.ini" || fail "FirstTimer is not 0 after Take a hike"
