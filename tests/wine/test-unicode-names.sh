# Names in every script: files named in Latin-1, Cyrillic, Greek, CJK and Hangul letters and an
# emoji, some in sub-folders and some as shortcut targets, are catalogued as UTF-8, shown, found
# by pasting part of the name and launched. A file deleted behind the catalogue's back shows the
# system's message when launched, gains no score, and its folder is scanned again.
source "$T_LIB"

apps=$T_WORK/apps
targets=$T_WORK/targets
markers=$T_WORK/markers
rm -rf "$apps" "$targets" "$markers"
mkdir -p "$apps/Папка" "$apps/폴더" "$targets" "$markers"

# make_batch FILE MARKER: a batch file that proves its launch by writing markers/MARKER.
make_batch() {
    printf '@echo off\r\necho launched> "%s"\r\n' "$(win_path "$markers")\\$2" >"$1"
}

# Each entry: file (under apps), displayed name, the part of it pasted, its marker.
entries=(
    "Café menu z.bat|Café menu z|Café|latin1"
    "Папка/Привет мир z.bat|Привет мир z|Привет|cyrillic"
    "Ελληνικά z.bat|Ελληνικά z|Ελλην|greek"
    "日本語ノート z.bat|日本語ノート z|ノート|cjk"
    "폴더/한국어 문서 z.bat|한국어 문서 z|한국어|hangul"
    "😀 smile z.bat|😀 smile z|😀|emoji"
    "Ярлык z.lnk|Ярлык z|Ярлык|link-cjk"
    "Ünïcødé link z.lnk|Ünïcødé link z|Ünïcødé|link-emoji"
)
for entry in "${entries[@]}"; do
    IFS='|' read -r file _ _ marker <<<"$entry"
    case $file in
    *.lnk)
        target=$targets/$([ "$marker" = link-cjk ] && echo "目标 文件.bat" || echo "Ñandú 🎉.bat")
        make_batch "$target" "$marker"
        driver make-shortcut "$(win_path "$apps/$file")" "$(win_path "$target")" || fail "cannot make $file"
        ;;
    *) make_batch "$apps/$file" "$marker" ;;
    esac
done
# Deleted later behind the catalogue's back.
make_batch "$apps/Папка/Удалён z.bat" deleted

reset_user_data
write_directory_settings '"Batches","*.bat","",0' "$(directory_line "$apps" 1 Apps)"
start_tandor
wait_for_file "$(catalogue_file)" 60

step "every name is in scandb.dat as UTF-8"
for entry in "${entries[@]}"; do
    IFS='|' read -r file name _ _ <<<"$entry"
    grep -aqF "$(basename "$file")" "$(catalogue_file)" || fail "scandb.dat lacks the path of $file"
    grep -aqF "$name" "$(catalogue_file)" || fail "scandb.dat lacks the name $name"
done

step "names are listed as written"
# The list holds as many rows as the window shows; pasting below finds each name on its own.
open_launcher
driver type z
driver launcher-wait 5000 || fail "the launcher window closed"
enough_rows() { [ "$(driver launcher-rows | wc -l)" -ge 6 ]; }
wait_until 10 enough_rows || fail "too few rows for z"
rows=$(driver launcher-rows | tr -d '\r')
! input_has -F '?' <<<"$rows" || fail "a name lost its letters: $rows"
screenshot "$T_WORK/unicode-rows.png"
driver keys escape
driver launcher-wait-gone 20000 || fail "Escape left the window open"

step "pasting part of each name finds it, and Return launches it"
for entry in "${entries[@]}"; do
    IFS='|' read -r _ name part marker <<<"$entry"
    open_launcher
    driver paste "$part"
    driver launcher-wait-rows 10000 "$name" || fail "pasting '$part' did not list only '$name'"
    [ "$marker" = cjk ] && screenshot "$T_WORK/unicode-pasted.png"
    driver keys return
    driver launcher-wait-gone 20000 || fail "Return left the window open for $name"
    wait_for_file "$markers/$marker" 30
done

step "a file gone since the scan shows the system's message, gains no score and is scanned away"
# Deleted while the launcher is not running, so that the catalogue it loads is stale.
close_tandor
rm "$apps/Папка/Удалён z.bat"
start_tandor
open_launcher
driver paste "Удалён"
driver launcher-wait-rows 10000 "Удалён z" || fail "the stale entry is not listed"
driver keys return
driver wait-window '#32770' Error 20000 || fail "no message about the missing file"
screenshot "$T_WORK/unicode-missing.png"
driver dismiss-message-box Error 5000 >/dev/null || fail "cannot close the message"
driver launcher-wait-gone 20000 || fail "the window stayed open after the message"
[ ! -e "$markers/deleted" ] || fail "the deleted file ran"
close_tandor
scores=$(driver scores-file "$(win_path "$(data_dir)/scores.dat")" | tr -d '\r')
input_has -F "Ярлык z.lnk" <<<"$scores" || fail "no score for a launched shortcut: $scores"
input_has -F "日本語ノート z.bat" <<<"$scores" || fail "no score for a launched file: $scores"
! input_has -F "Удалён" <<<"$scores" || fail "the failed launch gained a score: $scores"
grep -aqF "Удалён" "$(catalogue_file)" && fail "the rescan kept the vanished file"
true
