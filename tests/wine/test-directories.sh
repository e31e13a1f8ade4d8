# The Directories and Scan definitions pages of the configuration sheet, worked as a user would.
source "$T_LIB"

editor='Directory to scan'
mkdir -p alpha beta delta gamma
alpha=$(win_path "$T_WORK/alpha")
beta=$(win_path "$T_WORK/beta")
delta=$(win_path "$T_WORK/delta")
gamma=$(win_path "$T_WORK/gamma")

reset_user_data
write_settings <<END
[ScanDef]
0="Files and folders","*","*.inf;*.ini;*.db",1
1="Files only","*","*.inf;*.ini;*.db",0
2="Applications only","*.exe;*.com;*.bat;*.msc;*.ico","*unins*;*unvise*",0

[Directories]
"$alpha\\"=0,1,0,"Alpha"
"$beta\\"=1,0,0,"Beta"
"$delta\\"=7,1,0,"Delta"

[Global]
NextScanID=3
GlobalScanFlags=1
FirstTimer=0
END

rows() {
    driver list-rows "$SHEET" 1003 4
}

expect_rows() {
    local actual
    actual=$(rows)
    [ "$actual" = "$1" ] || { echo "expected:"; echo "$1"; echo "shown:"; echo "$actual"; fail "$2"; }
}

# Clicks OK in the editor and waits until it has gone (after any warning it shows).
editor_ok() {
    driver press-button '#32770' "$editor" 1
    driver wait-window-gone '#32770' "$editor" 30000 || fail "the editor stayed open"
}

open_editor_by() {
    driver click-control "$SHEET" "$1"
    driver wait-window '#32770' "$editor" 30000 || fail "the editor did not open"
}

step "a second start opens the sheet; the Directories page lists the working copy"
start_tandor
open_sheet
driver sheet-select "$SHEET" 1
wait_until 10 driver control-enabled "$SHEET" 1003 || fail "no directories list"
initial="Alpha|Yes|Files and folders|$alpha\\
Beta|No|Files only|$beta\\
Delta|Yes||$delta\\"
expect_rows "$initial" "the first rows are not the settings' directories"

step "Add, then Cancel in the editor, leaves the list as it was"
open_editor_by 1004
[ "$(driver control-text "$editor" 1005)" = '\' ] || fail "a new directory's path is not \\"
driver press-button '#32770' "$editor" 2
driver wait-window-gone '#32770' "$editor" 30000 || fail "Cancel left the editor open"
expect_rows "$initial" "a cancelled Add changed the list"

step "Add with a path typed without the final backslash and no name"
open_editor_by 1004
driver combo-items "$editor" 1032 >priorities.txt
grep -qx 'Normal \*' priorities.txt || { cat priorities.txt; fail "a new directory is not of Normal priority"; }
driver set-control-text "$editor" 1005 "$gamma"
editor_ok
expect_rows "$initial
Gamma|Yes|Files and folders|$gamma\\" "the added directory is not shown as stored"

step "a directory whose definition is gone opens with no definition selected"
driver list-select "$SHEET" 1003 2
open_editor_by 1006
driver combo-items "$editor" 1017 >definitions.txt
printf 'Applications only\nFiles and folders\nFiles only\n' | cmp -s - definitions.txt ||
    { cat definitions.txt; fail "the editor's definitions are not sorted, or one is selected"; }
driver press-button '#32770' "$editor" 2
driver wait-window-gone '#32770' "$editor" 30000 || fail "Cancel left the editor open"

step "a network directory warns once; after the never-again button the next one does not"
open_editor_by 1004
driver set-control-text "$editor" 1005 '\\server\share\music'
driver set-control-text "$editor" 1025 'Net music'
driver press-button '#32770' "$editor" 1
driver wait-window '#32770' Warning 30000 || fail "no warning about a network directory"
driver control-text Warning 1045 | input_has 'is a network directory' || fail "not the network warning"
driver press-button '#32770' Warning 2
driver wait-window-gone '#32770' "$editor" 30000 || fail "the editor stayed open after the warning"
open_editor_by 1004
driver set-control-text "$editor" 1005 '\\server\other\'
driver set-control-text "$editor" 1025 'N'
editor_ok
[ "$(driver count-windows '#32770' Warning)" = 0 ] || fail "the switched-off warning came again"
expect_rows "$initial
Gamma|Yes|Files and folders|$gamma\\
Net music|Yes|Files and folders|\\\\server\\share\\music\\
Other|Yes|Files and folders|\\\\server\\other\\" "the network directories are not shown as stored"

step "Modify with no row selected does nothing; with several it edits the topmost"
driver list-select "$SHEET" 1003
driver click-control "$SHEET" 1006
! driver wait-window '#32770' "$editor" 2000 || fail "Modify without a selection opened the editor"
driver list-select "$SHEET" 1003 3 0
open_editor_by 1006
[ "$(driver control-text "$editor" 1025)" = Alpha ] || fail "Modify did not edit the topmost selected row"
driver check-control "$editor" 1007 0
editor_ok

step "Delete removes exactly the three selected rows"
driver list-select "$SHEET" 1003 1 2 4
driver click-control "$SHEET" 1005
wait_until 10 bash -c "[ \$(timeout 60 wine '$T_BIN/tandor-testdriver.exe' list-rows '$SHEET' 1003 4 | wc -l) = 3 ]" ||
    fail "Delete did not remove three rows"
expect_rows "Alpha|No|Files and folders|$alpha\\
Gamma|Yes|Files and folders|$gamma\\
Other|Yes|Files and folders|\\\\server\\other\\" "Delete removed other rows than the selected ones"

step "the Scan definitions page opens on the first definition by name"
driver sheet-select "$SHEET" 3
wait_until 10 driver control-enabled "$SHEET" 1012 || fail "no definitions list"
printf 'Applications only *\nFiles and folders\nFiles only\n' >expected.txt
driver combo-items "$SHEET" 1012 >shown.txt
cmp -s expected.txt shown.txt || { cat shown.txt; fail "the definitions are not listed by name"; }
[ "$(driver control-text "$SHEET" 1016)" = '*.exe;*.com;*.bat;*.msc;*.ico' ] || fail "not the first definition's patterns"

step "Add makes a selected New definition; typing renames it and sets its patterns"
driver click-control "$SHEET" 1004
wait_until 10 bash -c "timeout 60 wine '$T_BIN/tandor-testdriver.exe' combo-items '$SHEET' 1012 | tr -d '\r' | grep -qx 'New definition \*'" ||
    fail "the new definition is not selected"
[ "$(driver control-text "$SHEET" 1016)" = '*' ] || fail "a new definition does not include *"
[ -z "$(driver control-text "$SHEET" 1017)" ] || fail "a new definition excludes something"
driver set-control-text "$SHEET" 1025 'Music'
driver set-control-text "$SHEET" 1016 '*.mp3'
driver combo-items "$SHEET" 1012 | input_has -x 'Music \*' || fail "the renamed item does not show the new name"

step "a definition in use cannot be deleted; one whose only directory was deleted here can"
driver combo-select "$SHEET" 1012 1
[ "$(driver control-text "$SHEET" 1025)" = 'Files and folders' ] || fail "the selection did not show its definition"
driver click-control "$SHEET" 1005
driver dismiss-message-box 'Tandor: Cannot delete' 30000 | input_has 'still being used' || fail "no refusal"
driver combo-items "$SHEET" 1012 | input_has -x 'Files and folders \*' || fail "the refused deletion changed the list"
driver combo-select "$SHEET" 1012 2
[ "$(driver control-text "$SHEET" 1025)" = 'Files only' ] || fail "Files only not shown"
driver click-control "$SHEET" 1005
wait_until 10 bash -c "[ \$(timeout 60 wine '$T_BIN/tandor-testdriver.exe' combo-items '$SHEET' 1012 | wc -l) = 3 ]" ||
    fail "Files only was not deleted"
driver combo-items "$SHEET" 1012 | input_has -x 'Music \*' || fail "the item that took the deleted one's place is not selected"

step "OK commits both pages; the rescan question follows"
driver press-button '#32770' "$SHEET" 1
driver wait-window-gone '#32770' "$SHEET" 30000 || fail "OK left the sheet open"
driver press-button '#32770' Tandor 7 30000 || fail "no rescan question"
close_tandor
ini=$(data_dir)/Settings.ini
tr -d '\r' <"$ini" >settings.txt
for line in "\"$alpha\\\"=0,0,0,\"Alpha\"" "\"$gamma\\\"=0,1,0,\"Gamma\"" '"\\server\other\"=0,1,0,"Other"' \
            '0="Files and folders","*","*.inf;*.ini;*.db",1' '3="Music","*.mp3","",0' 'NextScanID=4'; do
    grep -qxF "$line" settings.txt || { cat settings.txt; fail "Settings.ini lacks: $line"; }
done
! grep -q '"Files only"\|"Beta"\|"Delta"\|Net music' settings.txt || { cat settings.txt; fail "deleted items were saved"; }
flags=$(sed -n 's/^GlobalScanFlags=//p' settings.txt)
[ $(( flags & 0x40 )) = 64 ] || fail "the network warning was not switched off for good (flags $flags)"
[ $(( flags & 0x80 )) = 0 ] || fail "the removable warning was switched off too (flags $flags)"
