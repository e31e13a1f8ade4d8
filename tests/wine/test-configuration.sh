# The configuration sheet of the running launcher: one sheet at a time, Cancel and OK, the
# User interface and Scan options pages, and no sheet while a scan runs.
source "$T_LIB"

PSM_SETCURSEL=1125
IDOK=1
IDCANCEL=2
IDNO=7
SB_THUMBPOSITION=4
SB_LINELEFT=0
SB_LINERIGHT=1
HKM_SETHOTKEY=1025
PSBTN_APPLY_ID=$((0x3021))
startup_link="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/StartUp/Tandor.lnk"

mkdir -p "$T_WORK/docs"
for name in alpha beta gamma; do echo "$name" >"$T_WORK/docs/$name.txt"; done

reset_user_data
write_directory_settings '"Files and folders","*","*.inf;*.ini;*.db",1' "$(directory_line "$T_WORK/docs" 1 Docs)" \
    -- GlobalScanFlags=9 Transparency=200 Retry=250

close_sheet_with() {
    driver press-button '#32770' "$SHEET" "$1"
    driver wait-window-gone '#32770' "$SHEET" 30000 || fail "the sheet stayed open"
}

show_page() {
    driver post-message '#32770' "$SHEET" $PSM_SETCURSEL "$1" 0
}

# After Apply the changes are saved: Cancel would undo nothing, so OK reads "Close".
ok_button_says_close() {
    [ "$(driver window-text '#32770' "$SHEET" $IDOK)" = Close ]
}

no_rescan_question() {
    sleep 1
    if driver wait-window '#32770' Tandor 0 >/dev/null 2>&1; then fail "a rescan question appeared"; fi
}

step "the first start and /CLOSE give the settings as the launcher writes them"
start_tandor
close_tandor
cp "$(data_dir)/Settings.ini" baseline.ini
[ "$(setting Retry)" = 250 ] || fail "Retry was not kept as read: $(setting Retry)"

step "a second start opens the sheet, a third brings the same one forward"
start_tandor
open_sheet
second_start
sleep 1
[ "$(driver count-windows '#32770' "$SHEET")" = 1 ] || fail "not exactly one sheet"
driver child-text '#32770' "$SHEET" 1040 | input_has "Welcome to the Tandor configuration" || fail "no welcome text"
screenshot "$T_WORK/welcome-page.png"

step "Cancel right after opening writes the same settings and asks nothing"
rm "$(data_dir)/Settings.ini"
close_sheet_with $IDCANCEL
wait_for_file "$(data_dir)/Settings.ini"
cmp -s baseline.ini "$(data_dir)/Settings.ini" || { diff baseline.ini "$(data_dir)/Settings.ini"; fail "settings changed"; }
no_rescan_question

step "the User interface page shows the settings; the retry delay shows as at most 200"
open_sheet
show_page 2
driver child-checked '#32770' "$SHEET" 1008 || fail "transparency not checked"
driver child-checked '#32770' "$SHEET" 1011 || fail "icons not checked"
if driver child-checked '#32770' "$SHEET" 1013; then fail "extensions checked"; fi
[ "$(driver child-text '#32770' "$SHEET" 1024)" = 200 ] || fail "retry shows $(driver child-text '#32770' "$SHEET" 1024)"
[ "$(driver child-scroll-position '#32770' "$SHEET" 1009)" = 200 ] || fail "scroll bar not at 200"
screenshot "$T_WORK/user-interface-page.png"

step "the scroll bar's arrows step by 16 and stop at the end; the preview appears and fades"
driver child-scroll '#32770' "$SHEET" 1009 $SB_THUMBPOSITION 250
driver child-scroll '#32770' "$SHEET" 1009 $SB_LINERIGHT
[ "$(driver child-scroll-position '#32770' "$SHEET" 1009)" = 255 ] || fail "right arrow at 250 did not give 255"
driver child-scroll '#32770' "$SHEET" 1009 $SB_THUMBPOSITION 10
driver child-scroll '#32770' "$SHEET" 1009 $SB_LINELEFT
[ "$(driver child-scroll-position '#32770' "$SHEET" 1009)" = 0 ] || fail "left arrow at 10 did not give 0"
driver child-scroll '#32770' "$SHEET" 1009 $SB_THUMBPOSITION 180
driver wait-window '#32770' '' 5000 || fail "no preview"
screenshot "$T_WORK/live-preview.png"
driver wait-window-gone '#32770' '' 10000 || fail "the preview did not fade away"

step "Cancel keeps the new transparency and asks nothing; the retry delay is saved as 200"
close_sheet_with $IDCANCEL
no_rescan_question
wait_until 10 test "$(setting Transparency)" = 180 || fail "Transparency is $(setting Transparency)"
[ "$(setting Retry)" = 200 ] || fail "Retry saved as $(setting Retry)"

step "showing extensions and OK asks the rescan question; No leaves the catalogue"
open_sheet
show_page 2
driver child-click '#32770' "$SHEET" 1013
driver child-checked '#32770' "$SHEET" 1013 || fail "the click did not check the box"
close_sheet_with $IDOK
driver wait-window '#32770' Tandor 20000 || fail "no rescan question"
driver window-text '#32770' Tandor 65535 | input_has "recommended that you rescan" || fail "not the rescan question"
driver press-button '#32770' Tandor $IDNO
driver wait-window-gone '#32770' Tandor 20000 || fail "the question stayed"
[ "$(setting ShowExt)" = 1 ] || fail "ShowExt not saved"

step "Apply turns OK into Close; a new hotkey, an empty retry box and start with Windows are saved"
open_sheet
show_page 2
ctrl_alt_y=$((0x659))
driver child-send '#32770' "$SHEET" 1010 $HKM_SETHOTKEY $ctrl_alt_y >/dev/null
driver child-set-text '#32770' "$SHEET" 1024 ""
driver child-click '#32770' "$SHEET" 1012
driver press-button '#32770' "$SHEET" $PSBTN_APPLY_ID
wait_until 10 ok_button_says_close || fail "OK did not become Close"
wait_until 10 test "$(setting Retry)" = 0 || fail "an empty retry box saved $(setting Retry)"
[ "$(setting Hotkey)" = $ctrl_alt_y ] || fail "Hotkey saved as $(setting Hotkey)"
wait_for_file "$startup_link" 10
close_sheet_with $IDOK
if driver try-register-hotkey $ctrl_alt_y; then fail "the new hotkey is not registered"; fi
driver try-register-hotkey 0x658 || fail "the old hotkey is still held"

step "unchecking start with Windows deletes the shortcut"
open_sheet
show_page 2
driver child-checked '#32770' "$SHEET" 1012 || fail "start with Windows not shown checked"
driver child-click '#32770' "$SHEET" 1012
close_sheet_with $IDOK
wait_until 10 test ! -e "$startup_link" || fail "the start-up shortcut is still there"

step "toggling extensions twice asks nothing"
open_sheet
show_page 2
driver child-click '#32770' "$SHEET" 1013
driver child-click '#32770' "$SHEET" 1013
close_sheet_with $IDOK
no_rescan_question

step "the Scan options page: never display disables the directory box but keeps its check"
open_sheet
show_page 4
driver child-checked '#32770' "$SHEET" 1026 || fail "monitor not checked"
if driver child-checked '#32770' "$SHEET" 1027; then fail "scan at every start checked"; fi
driver child-checked '#32770' "$SHEET" 1031 || fail "show directory not checked"
[ "$(driver child-selection '#32770' "$SHEET" 1030)" = 0 ] || fail "not 'Always display' selected"
screenshot "$T_WORK/scan-options-page.png"
driver child-click '#32770' "$SHEET" 1027
driver child-select '#32770' "$SHEET" 1030 2
if driver child-enabled '#32770' "$SHEET" 1031; then fail "show directory still enabled"; fi
driver child-checked '#32770' "$SHEET" 1031 || fail "show directory lost its check"
rm "$(data_dir)/Settings.ini"
close_sheet_with $IDOK
no_rescan_question
wait_for_file "$(data_dir)/Settings.ini"
[ "$(setting GlobalScanFlags)" = $((0x01 | 0x02 | 0x08 | 0x20)) ] || fail "GlobalScanFlags is $(setting GlobalScanFlags)"

step "the sheet does not open while a scan runs"
main=TANDOR
# The directory rescan dispatches the queued second-start request while it runs.
driver post-messages $main Tandor 1031 0 0 1036 0 0
sleep 3
[ "$(driver count-windows '#32770' "$SHEET")" = 0 ] || fail "the sheet opened during a scan"
# The same request after the scan opens it.
driver post-message $main Tandor 1036 0 0
driver wait-window '#32770' "$SHEET" 30000 || fail "no sheet after the scan"
close_sheet_with $IDCANCEL

close_tandor
[ "$TANDOR_EXIT" = 0 ] || fail "exit code $TANDOR_EXIT"
