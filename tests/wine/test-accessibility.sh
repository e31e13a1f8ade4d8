# What a screen reader hears from the launcher (its live region, heard through an out-of-context
# WinEvent hook in another process), the rows' item texts, and the window under a high-contrast
# colour scheme.
source "$T_LIB"

apps=$T_WORK/apps
heard=$T_WORK/announcements.txt
stop=$T_WORK/stop-recording
rm -rf "$apps" "$heard" "$stop"
mkdir -p "$apps"
for name in "Mail Merge" "Music Manager" "Notepad"; do
    echo "$name" >"$apps/$name.txt"
done
reset_user_data
write_directory_settings '"Texts","*.txt","",0' "$(directory_line "$apps" 1 Apps)"

last_heard() {
    tail -n 1 "$heard" 2>/dev/null
}

heard_count() {
    wc -l <"$heard"
}

last_heard_is() {
    [ "$(last_heard)" = "$1" ]
}

# Waits until the last announcement is the given sentence.
expect_heard() {
    wait_until 20 last_heard_is "$1" || {
        cat "$heard" >&2
        fail "the reader was last told '$(last_heard)', not '$1'"
    }
}

start_tandor
wait_for_file "$(catalogue_file)" 60
(exec timeout 600 wine "$T_BIN/tandor-testdriver.exe" record-announcements "$(win_path "$heard")" \
    "$(win_path "$stop")" 500 >/dev/null 2>&1) &
recorder=$!
trap 'touch "$stop"' EXIT
wait_for_file "$heard" 60

step "typing announces the first row: name, kind, directory, position"
open_launcher
driver type mm
driver launcher-wait-rows 10000 "Mail Merge" "Music Manager" || fail "wrong rows for mm"
expect_heard "Mail Merge, document, Apps, 1 of 2"

step "each row's item text holds its name and its directory"
rows=$(driver launcher-rows)
[ "$rows" = "Mail Merge, Apps *
Music Manager, Apps" ] || fail "item texts: $rows"

step "Down announces the next row"
driver keys down
expect_heard "Music Manager, document, Apps, 2 of 2"
screenshot "$T_WORK/keyboard-focus.png"

step "a query without a match announces it"
driver type q
expect_heard "No match"

step "emptying the query announces the hint"
driver keys back back back
expect_heard "$(printf '%s' "Enter some letters of the file or application you would like to launch.  Try abbreviating it or enter the full name.  Press F1 for help.")"

step "a burst of five keys is announced once, for its last state"
before=$(heard_count)
driver type-burst notep
expect_heard "Notepad, document, Apps, 1 of 1"
sleep 2
[ "$(heard_count)" = $((before + 1)) ] || {
    cat "$heard" >&2
    fail "the burst gave $(( $(heard_count) - before )) announcements"
}

step "F12 hides the entry and announces what is left"
driver keys back back back back back
driver type mm
expect_heard "Mail Merge, document, Apps, 1 of 2"
driver keys f12
driver launcher-wait-rows 10000 "Music Manager" "Mail Merge" || fail "the hidden entry did not sink"
expect_heard "Music Manager, document, Apps, 1 of 2"
driver keys escape
driver launcher-wait-gone 20000 || fail "Escape left the window open"
touch "$stop"
wait "$recorder" || true

step "under a high-contrast scheme the window draws in the system colours"
close_tandor
colours='HKCU\Control Panel\Colors'
saved=$T_WORK/colours.reg
wine reg export "$colours" "$(win_path "$saved")" /y >/dev/null 2>&1 || rm -f "$saved"
restore_colours() {
    touch "$stop"
    wine reg delete "$colours" /f >/dev/null 2>&1 || true
    [ -e "$saved" ] && wine reg import "$(win_path "$saved")" >/dev/null 2>&1 || true
}
trap restore_colours EXIT
for pair in "Window=0 0 0" "WindowText=255 255 255" "ButtonFace=0 0 0" "ButtonText=255 255 255" \
    "Hilight=0 255 255" "HilightText=0 0 0" "InfoWindow=0 0 0" "InfoText=255 255 0" \
    "GrayText=0 255 0" "WindowFrame=255 255 255" "Background=0 0 0"; do
    wine reg add "$colours" /v "${pair%%=*}" /t REG_SZ /d "${pair#*=}" /f >/dev/null 2>&1
done
start_tandor
open_launcher
driver type mm
driver launcher-wait-rows 10000 "Music Manager" "Mail Merge" || fail "wrong rows under high contrast"
driver keys down
driver launcher-wait-selected 5000 1 || fail "Down did not move under high contrast"
screenshot "$T_WORK/high-contrast.png"
driver keys escape
close_tandor
