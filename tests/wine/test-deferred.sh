# Requests that would change the catalogue while the launcher window still shows it wait until the
# window has closed: a second start (which opens the configuration sheet) and a change in a watched folder.
source "$T_LIB"

apps=$T_WORK/apps
mkdir -p "$apps"
for name in "Alpha Tool" "Beta Tool"; do echo x >"$apps/$name.txt"; done

reset_user_data
write_directory_settings '"Files","*","",0' "$(directory_line "$apps" 0 Apps)"

start_tandor
wait_for_file "$(catalogue_file)" 60

step "a second start while the launcher window is open opens the sheet only after it has closed"
open_launcher
driver type "tool"
second_start
echo x >"$apps/Gamma Tool.txt"   # the change monitor reports this while the window is open
if driver wait-window '#32770' "$SHEET" 3000; then fail "the sheet opened under the launcher window"; fi
driver launcher-wait 1000 || fail "the launcher window closed"
driver keys escape
driver launcher-wait-gone 20000 || fail "Escape did not close the launcher window"
driver wait-window '#32770' "$SHEET" 30000 || fail "the sheet never opened"
driver press-button '#32770' "$SHEET" 2   # Cancel
driver wait-window-gone '#32770' "$SHEET" 30000 || fail "the sheet stayed open"

step "the change seen while the window was open is in the catalogue afterwards"
wait_until 30 bash -c "grep -aq 'Gamma Tool' '$(catalogue_file)'" || fail "the deferred rescan did not run"
close_tandor
[ "$TANDOR_EXIT" = 0 ] || fail "exit code $TANDOR_EXIT"
