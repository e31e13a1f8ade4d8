# Names in other scripts on the real Tandor: typed without their accents or as pinyin initials,
# or pasted in lower case or as Hangul initial consonants, they are found, and Return launches
# them. The catalogue file is written directly with UTF-8 names (the entries' paths are plain
# ASCII batch files that write a marker each), so that the test does not depend on how the file
# system hands non-ASCII names to the program.
source "$T_LIB"

apps=$T_WORK/script-apps
rm -rf "$apps"
mkdir -p "$apps"

reset_user_data
# No directory to scan, no scan at start: the catalogue is the file written below.
write_directory_settings '"Files","*","",0'

# One batch file per entry: KEY is the marker's name, NAME the entry's name in the catalogue.
entries=("cafe|Café Racer" "resume|Résumé Builder" "zq|重启" "moskva|Москва Карта" "kakao|카카오톡")
for entry in "${entries[@]}"; do
    key=${entry%%|*}
    printf '@echo off\r\necho launched> "%s"\r\n' "$(win_path "$apps/launched-$key.txt")" >"$apps/$key.bat"
done
# scandb.dat: "TCF1", the record count, then per record the directory byte (none), the path and
# the name, each followed by a NUL.
mkdir -p "$(data_dir)"
{
    printf 'TCF1'
    printf "\\x$(printf %02x "${#entries[@]}")\\x00\\x00\\x00"
    for entry in "${entries[@]}"; do
        key=${entry%%|*}
        printf '\xff%s\0%s\0' "$(win_path "$apps/$key.bat")" "${entry#*|}"
    done
} >"$(catalogue_file)"

start_tandor

# Types QUERY, then Return must launch the batch file of KEY (the best match) and close the window.
expect_launch() {
    local query=$1 key=$2
    rm -f "$apps/launched-$key.txt"
    open_launcher
    driver type "$query"
    sleep 1
    press_return_launches "$query" "$key"
}

# Pastes QUERY, which no keyboard layout of the prefix types; it must reach the edit box as
# those characters and list exactly NAME, which Return launches. SHOT names a screenshot to take.
expect_pasted_launch() {
    local query=$1 key=$2 name=$3 shot=${4:-}
    rm -f "$apps/launched-$key.txt"
    open_launcher
    driver paste "$query"
    driver launcher-wait-rows 10000 "$name" || fail "pasting '$query' did not list only '$name'"
    local typed
    typed=$(driver launcher-query | tr -d '\r')
    [ "$typed" = "$query" ] || fail "the edit box holds '$typed' instead of '$query'"
    if [ -n "$shot" ]; then screenshot "$T_WORK/$shot"; fi
    press_return_launches "$query" "$key"
}

press_return_launches() {
    local query=$1 key=$2
    driver keys return
    driver launcher-wait-gone 20000 || fail "the launcher window stayed open after Return on '$query'"
    wait_for_file "$apps/launched-$key.txt" 30
}

step "'cafe' finds Café Racer, and Return launches it"
expect_launch cafe cafe

step "'resume' finds Résumé Builder"
expect_launch resume resume

step "'zq' finds 重启 by the initials of its readings"
expect_launch zq zq

step "'москва', as typed in lower case, finds Москва Карта"
expect_pasted_launch "москва" moskva "Москва Карта" scripts-cyrillic.png

step "'ㅋㅋㅇ', the initial consonants as compatibility jamo, finds 카카오톡"
# U+314B U+314B U+3147, as a Hangul keyboard gives them before they compose into syllables.
expect_pasted_launch "ㅋㅋㅇ" kakao "카카오톡"

close_tandor
