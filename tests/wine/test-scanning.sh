# Scanning on the real launcher: a first start without scandb.dat walks a fixture tree of
# files, folders, hidden items and real shortcuts and saves exactly the expected records; a
# second start loads the file instead of scanning; the progress window shows the directory
# being walked and its button cancels the scan.
source "$T_LIB"

tree=$T_WORK/tree

# The records as DIRECTORY_INDEX|PATH|NAME lines, sorted (listing order is the file system's).
catalogue_records() {
    driver dump-catalogue "$(win_path "$(catalogue_file)")" | tr -d '\r' | sort
}

make_fixture() {
    rm -rf "$tree"
    mkdir -p "$tree/apps/Sub" "$tree/apps/.Secret" "$tree/programs/Foo" "$tree/docs/Projects" \
        "$tree/docs/old.db" "$tree/docs/Tools 2.0"
    for file in apps/Setup.EXE apps/readme.txt apps/tool.bat apps/.hidden.exe apps/Sub/inner.com \
        apps/.Secret/deep.exe programs/Foo/foo.exe programs/Foo/unins000.exe \
        docs/Projects/plan.doc docs/old.db/kept.txt docs/notes.ini docs/letter.txt; do
        echo "x" >"$tree/$file"
    done
    driver make-shortcut "$(win_path "$tree/apps")\\Foo.lnk" "$(win_path "$tree/programs/Foo/foo.exe")" ||
        fail "cannot make Foo.lnk"
    driver make-shortcut "$(win_path "$tree/apps")\\Uninstall Foo.lnk" \
        "$(win_path "$tree/programs/Foo/unins000.exe")" || fail "cannot make Uninstall Foo.lnk"
    # A link back to the scanned folder: catalogued by name, never walked again.
    ln -s .. "$tree/docs/Projects/back"
}

# Directory 0 ignores hidden items (on Wine's Z: drive names starting with a dot are hidden);
# directory 1 catalogues folder names too. GlobalScanFlags 1: show the directory, window always.
write_scan_settings() {
    local extra_directory=${1:-}
    write_settings <<SETTINGS

[ScanDef]
0="Applications only","*.exe;*.com;*.bat;*.msc;*.ico","*unins*;*unvise*",0
1="Files and folders","*","*.inf;*.ini;*.db",1

[Directories]
${extra_directory}"$(win_path "$tree/apps")\\"=0,3,0,"Apps"
"$(win_path "$tree/docs")\\"=1,1,0,"Docs"

[Global]
GlobalScanFlags=1
FirstTimer=0
NextScanID=2
SETTINGS
}

expected_records() {
    local apps docs
    apps=$(win_path "$tree/apps")
    docs=$(win_path "$tree/docs")
    sort <<RECORDS
0|$apps\\Setup.EXE|Setup
0|$apps\\tool.bat|tool
0|$apps\\Sub\\inner.com|inner
0|$apps\\Foo.lnk|Foo
1|$docs\\Projects|Projects
1|$docs\\Projects\\plan.doc|plan
1|$docs\\Projects\\back|back
1|$docs\\old.db\\kept.txt|kept
1|$docs\\Tools 2.0|Tools 2
1|$docs\\letter.txt|letter
RECORDS
}

reset_user_data
make_fixture
write_scan_settings

step "a first start without scandb.dat scans the tree"
start_tandor
wait_for_file "$(catalogue_file)" 60
close_tandor
diff <(expected_records) <(catalogue_records) || fail "scandb.dat does not hold the expected records"

step "a second start loads scandb.dat and does not scan"
echo "x" >"$tree/apps/added.exe"
start_tandor
close_tandor
catalogue_records | input_has 'added.exe' && fail "the second start scanned"
diff <(expected_records) <(catalogue_records) || fail "the loaded catalogue changed"
rm -f "$tree/apps/added.exe"

step "the progress window shows the directory and its button cancels the scan"
# Many copies of one shortcut make the walk slow enough to look at and to cancel.
mkdir -p "$tree/slow"
driver make-shortcut "$(win_path "$tree/slow")\\Tool 0.lnk" "$(win_path "$tree/apps/tool.bat")" ||
    fail "cannot make the slow shortcut"
for i in $(seq 1 3000); do cp "$tree/slow/Tool 0.lnk" "$tree/slow/Tool $i.lnk"; done
write_scan_settings "\"$(win_path "$tree/slow")\\\"=0,1,0,\"Slow shortcuts\"
"
rm -f "$(catalogue_file)"
start_tandor
driver wait-window '#32770' 'Scanning...' 60000 || fail "no progress window"
[ "$(driver window-text '#32770' 'Scanning...' 1020 | tr -d '\r')" = "Slow shortcuts" ] ||
    fail "the progress window does not name the directory"
screenshot "$T_WORK/scan-progress.png"
driver press-button '#32770' 'Scanning...' 2 || fail "cannot press the cancel button"
driver wait-window-gone '#32770' 'Scanning...' 30000 || fail "the progress window stayed"
wait_for_file "$(catalogue_file)" 30
close_tandor
records=$(catalogue_records)
input_has "Tool " <<<"$records" || fail "the entries found before the cancel were not kept"
input_has '|Setup$' <<<"$records" && fail "directories after the cancel were scanned"
grep -q '^GlobalScanFlags=257' "$(data_dir)/Settings.ini" || fail "the aborted scan was not recorded"
rm -rf "$tree/slow"
echo "scanning tests passed"
