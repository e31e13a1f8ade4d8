# Files of the version before UTF-8: Settings.ini, scandb.dat and scores.dat holding text in the
# legacy code page (cp1252, and cp932 under a Japanese system locale) name the same folders,
# entries and scores after the upgrade, and are UTF-8 once saved again.
source "$T_LIB"

markers=$T_WORK/markers
mkdir -p "$markers"

# Little-endian bytes of a number, as printf escapes: le BYTES VALUE
le() {
    local i value=$2
    for ((i = 0; i < $1; i++)); do
        printf '\\x%02x' $((value & 255))
        value=$((value >> 8))
    done
}

# write_legacy_files CODEPAGE FOLDER FILE NAME SCORE: the three files of one watched folder with
# one entry and its score, in the legacy code page.
write_legacy_files() {
    local codepage=$1 folder=$2 file=$3 name=$4 score=$5
    local path legacy_path legacy_name
    path="$(win_path "$folder")\\$file"
    legacy_path=$(iconv -f UTF-8 -t "$codepage" <<<"$path" | head -c -1 | od -An -tx1 -v | tr -d ' \n' | sed 's/../\\x&/g')
    legacy_name=$(iconv -f UTF-8 -t "$codepage" <<<"$name" | head -c -1 | od -An -tx1 -v | tr -d ' \n' | sed 's/../\\x&/g')
    reset_user_data
    write_directory_settings '"Batches","*.bat","",0' "$(directory_line "$folder" 1 "$(basename "$folder")")"
    iconv -f UTF-8 -t "$codepage" "$(data_dir)/Settings.ini" >"$(data_dir)/Settings.legacy"
    mv "$(data_dir)/Settings.legacy" "$(data_dir)/Settings.ini"
    printf "TCF1$(le 4 1)\\x00${legacy_path}\\x00${legacy_name}\\x00" >"$(catalogue_file)"
    local length=$(( $(printf "$legacy_path" | wc -c) + 1 ))
    printf "SCO0$(le 1 "$score")$(le 2 "$length")${legacy_path}\\x00" >"$(data_dir)/scores.dat"
    grep -aqF "$(basename "$folder")" "$(data_dir)/Settings.ini" && fail "Settings.ini is not in $codepage"
    true
}

# migrates FOLDER FILE NAME PART MARKER SCORE: the launcher lists the legacy entry, launches it,
# raises its legacy score, and saves every file as UTF-8.
migrates() {
    local folder=$1 file=$2 name=$3 part=$4 marker=$5 score=$6
    start_tandor
    open_launcher
    driver paste "$part"
    driver launcher-wait-rows 10000 "$name" || fail "the legacy entry '$name' is not listed"
    screenshot "$T_WORK/legacy-$marker.png"
    driver keys return
    driver launcher-wait-gone 20000 || fail "Return left the window open"
    wait_for_file "$markers/$marker" 30
    close_tandor
    local path
    path="$(win_path "$folder")\\$file"
    grep -aqF "$(win_path "$folder")" "$(data_dir)/Settings.ini" || fail "Settings.ini does not name the folder in UTF-8"
    grep -aqF "$path" "$(catalogue_file)" || fail "scandb.dat does not hold the path in UTF-8"
    driver scores-file "$(win_path "$(data_dir)/scores.dat")" | tr -d '\r' | input_has -xF "$((score + 1)) $path" ||
        fail "scores.dat lacks '$((score + 1)) $path'"
}

step "cp1252 files under the default system locale"
jose=$T_WORK/José
mkdir -p "$jose"
printf '@echo off\r\necho launched> "%s"\r\n' "$(win_path "$markers")\\cp1252" >"$jose/Café z.bat"
write_legacy_files CP1252 "$jose" "Café z.bat" "Café z" 5
migrates "$jose" "Café z.bat" "Café z" "Café" cp1252 5

step "cp932 files under a Japanese system locale"
# Wine takes the system locale from the process's locale, which glibc needs compiled.
mkdir -p "$T_WORK/locales"
localedef -i ja_JP -f UTF-8 "$T_WORK/locales/ja_JP.UTF-8" >/dev/null 2>&1 ||
    [ -e "$T_WORK/locales/ja_JP.UTF-8/LC_CTYPE" ] || fail "cannot compile the ja_JP locale"
wineserver -k 2>/dev/null || true
wineserver -w 2>/dev/null || true
export LOCPATH=$T_WORK/locales LC_ALL=ja_JP.UTF-8
wineserver -p 2>/dev/null || true
memo=$T_WORK/日本
mkdir -p "$memo"
printf '@echo off\r\necho launched> "%s"\r\n' "$(win_path "$markers")\\cp932" >"$memo/メモ帳 z.bat"
write_legacy_files CP932 "$memo" "メモ帳 z.bat" "メモ帳 z" 3
migrates "$memo" "メモ帳 z.bat" "メモ帳 z" "メモ帳" cp932 3
