# Packaged apps where the system has none (Wine): the source in Settings.ini yields no entry, a
# scan and a rescan catalogue what they do without it and the sheet lists it as one entry; an
# Applications folder entry put into scandb.dat by hand launches to Wine's own failure message,
# and the launcher goes on working.
source "$T_LIB"

tree=$T_WORK/apps-tree
apps_line='"shell:AppsFolder\"=-1,0,1,"Apps without a shortcut"'
calculator='shell:AppsFolder\Microsoft.WindowsCalculator_8wekyb3d8bbwe!App'

rm -rf "$tree"
mkdir -p "$tree"
echo x >"$tree/tool.exe"
echo x >"$tree/Notes.exe"

write_apps_settings() {
    write_settings <<SETTINGS
[ScanDef]
0="Applications only","*.exe","",0

[Directories]
"$(win_path "$tree")\\"=0,1,0,"Tools"
$1

[Global]
GlobalScanFlags=9
FirstTimer=0
NextScanID=1
SETTINGS
}

catalogue_records() {
    driver dump-catalogue "$(win_path "$(catalogue_file)")" | tr -d '\r' | sort
}

catalogue_has() {
    catalogue_records | input_has -F "$1"
}

scanned_records() {
    reset_user_data
    write_apps_settings "$1"
    start_tandor
    wait_for_file "$(catalogue_file)" 60
    close_tandor
    catalogue_records
}

step "the source yields no entry and the scan is the one without it"
without=$(scanned_records "")
[ -n "$without" ] || fail "nothing catalogued without the source"
with=$(scanned_records "$apps_line")
[ "$with" = "$without" ] || fail "the source changed the catalogue: $with"

step "a rescan after a change keeps the source empty"
start_tandor
sleep 3 # the monitor arms its watches after the loaded catalogue is in place
echo x >"$tree/added.exe"
wait_until 30 catalogue_has added.exe || fail "the change was not rescanned"
close_tandor
catalogue_records | input_has -F 'shell:' && fail "the rescan catalogued an app"
rm -f "$tree/added.exe"

step "the sheet keeps the source as one entry"
start_tandor
open_sheet
driver press-button '#32770' "$SHEET" 1 || fail "cannot press OK"
driver wait-window-gone '#32770' "$SHEET" 30000 || fail "the sheet stayed"
close_tandor
grep -c '^"shell:AppsFolder\\"=-1,0,1,"Apps without a shortcut"' "$(data_dir)/Settings.ini" | input_has -x 1 ||
    fail "the saved settings lost the source or doubled it"

step "an Applications folder entry launches to Wine's message and the launcher goes on"
{
    printf 'TCF1\001\000\000\000\377%s\000Calculator\000' "$calculator"
} >"$(catalogue_file)"
start_tandor
open_launcher
driver type calc
driver launcher-wait-rows 10000 "Calculator" || fail "the entry put in by hand is not listed"
driver keys return
# Wine's shell gives its message boxes the system's default title.
driver wait-window '#32770' Error 15000 || fail "the failed launch showed no message"
screenshot "$T_WORK/apps-launch-failure.png"
driver dismiss-message-box Error 5000 || fail "cannot close the failure message"
driver wait-window-gone '#32770' Error 30000 || fail "the failure message stayed"
open_launcher
driver type calc
driver launcher-wait-rows 10000 "Calculator" || fail "the launcher stopped working after the failure"
driver keys escape
close_tandor
echo "apps tests passed"
