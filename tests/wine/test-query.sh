# tandor-query.exe under Wine: a names file, the data folder's catalogue and scores as defaults,
# and the exit codes.
source "$T_LIB"

QUERY="$T_BIN/tandor-query.exe"

# Runs tandor-query.exe; standard output without carriage returns goes to out.txt, the exit code
# to $rc.
query() {
    rc=0
    timeout 60 wine "$QUERY" "$@" >out.raw 2>err.txt || rc=$?
    tr -d '\r' <out.raw >out.txt
}

step "a names file with CR LF and LF lines is ranked best first"
printf 'Tape Backup Editor\r\nPhoto Album Viewer\r\n\r\nPhotoAlbum\nPhoto-Album\n' >names.txt
query --names "$(win_path "$PWD/names.txt")" pa
[ "$rc" = 0 ] || fail "exit code $rc: $(cat err.txt)"
printf '34\tPhoto Album Viewer\tPhoto Album Viewer\n34\tPhoto-Album\tPhoto-Album\n31\tPhotoAlbum\tPhotoAlbum\n0\tTape Backup Editor\tTape Backup Editor\n' >expected.txt
diff expected.txt out.txt || fail "unexpected ranking"

step "--limit and --explain"
query --names "$(win_path "$PWD/names.txt")" --limit 1 --explain tbe
[ "$rc" = 0 ] || fail "exit code $rc"
head -1 out.txt | grep -q "^41	Tape Backup Editor	" || fail "first line: $(head -1 out.txt)"
grep -q "^    total 41$" out.txt || fail "no total line"

step "without --catalogue the data folder's scandb.dat and scores.dat are used"
reset_user_data
query notepad
[ "$rc" = 1 ] || fail "a missing scandb.dat gave exit code $rc"
grep -q "scandb.dat" err.txt || fail "the message does not name scandb.dat: $(cat err.txt)"
mkdir -p "$(data_dir)"
{
    printf 'TCF1\002\000\000\000'
    printf '\377%s\000%s\000' 'C:\Apps\Notes.lnk' 'Notes'
    printf '\377%s\000%s\000' 'C:\Apps\Notepad.lnk' 'Notepad'
} >"$(data_dir)/scandb.dat"
{
    printf 'SCO0'
    printf '\002\024\000%s\000' 'C:\Apps\Notepad.lnk'
} >"$(data_dir)/scores.dat"
query not
[ "$rc" = 0 ] || fail "exit code $rc: $(cat err.txt)"
printf '49\tNotepad\tC:\\Apps\\Notepad.lnk\n29\tNotes\tC:\\Apps\\Notes.lnk\n' >expected.txt
diff expected.txt out.txt || fail "scores from the data folder were not applied"

step "usage errors exit 2, unreadable files 1"
query --limit x a
[ "$rc" = 2 ] || fail "a bad --limit gave $rc"
query --catalogue 'C:\no\such\scandb.dat' a
[ "$rc" = 1 ] || fail "a missing catalogue gave $rc"
[ ! -s out.txt ] || fail "errors must print nothing on standard output"
reset_user_data
echo "query: all checks passed"
