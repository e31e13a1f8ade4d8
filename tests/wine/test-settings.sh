# Settings.ini and uninst.dir as the real launcher writes and reads them.
source "$T_LIB"

user=$(whoami)
user_upper=$(echo "$user" | tr a-z A-Z)

header() {
    printf '\r\n'
    printf "// HANDS OFF - don't edit this. Use the configuration menu.\r\n"
    printf '// The parser is kinda picky and might choke on your modifications done here.\r\n'
    printf '\r\n'
}

# The [Global] block with the values given as KEY=VALUE lines on standard input.
global_block() {
    printf '[Global]\r\n'
    sed 's/$/\r/'
}

# A /CLOSE that lands while the start-up scan runs marks the scan aborted (0x100); that bit is
# not what these tests are about, so it is cleared before comparing.
settings_without_abort_bit() {
    awk '/^GlobalScanFlags=/ { split($0, kv, "="); v = kv[2] + 0; if (int(v / 256) % 2 == 1) v -= 256;
                               printf "GlobalScanFlags=%d\r\n", v; next } { print }' "$(data_dir)/Settings.ini"
}

compare_settings() {
    local expected=$1
    settings_without_abort_bit >actual.ini
    if ! cmp -s "$expected" actual.ini; then
        echo "expected:"; cat -A "$expected"
        echo "written:"; cat -A actual.ini
        fail "Settings.ini differs from what was expected"
    fi
}

step "a first start in an empty prefix writes the first-run settings and uninst.dir on /CLOSE"
reset_user_data
start_tandor
close_tandor
[ "$TANDOR_EXIT" = 0 ] || fail "exit code $TANDOR_EXIT"
wait_for_file "$(data_dir)/Settings.ini"
{
    header
    printf '[ScanDef]\r\n'
    printf '0="Files and folders","*","*.inf;*.ini;*.db",1\r\n'
    printf '1="Files only","*","*.inf;*.ini;*.db",0\r\n'
    printf '2="Applications only","*.exe;*.com;*.bat;*.msc;*.ico","*unins*;*unvise*",0\r\n'
    printf '\r\n'
    printf '[Directories]\r\n'
    printf '"C:\\users\\%s\\Documents\\"=0,1,0,"Your documents"\r\n' "$user"
    printf '"C:\\users\\%s\\AppData\\Roaming\\Microsoft\\Windows\\Start Menu\\"=2,1,0,"Your start menu"\r\n' "$user"
    printf '"C:\\ProgramData\\Microsoft\\Windows\\Start Menu\\"=2,1,0,"Common start menu"\r\n'
    printf '"C:\\users\\%s\\Favorites\\"=1,1,0,"Your favorites"\r\n' "$user"
    printf '"C:\\users\\%s\\Desktop\\"=0,1,0,"Your desktop"\r\n' "$user"
    printf '"C:\\users\\Public\\Desktop\\"=0,1,0,"Common desktop"\r\n'
    printf '\r\n'
} >expected-first-run.ini
# The tour may have moved FirstTimer on; every other global keeps its start value.
first_timer=$(sed -n 's/^FirstTimer=\(-\?[0-9]*\)\r$/\1/p' "$(data_dir)/Settings.ini")
[ -n "$first_timer" ] || fail "no FirstTimer line"
global_block >>expected-first-run.ini <<END
EnableTrans=1
Retry=20
ShowIcons=1
Transparency=200
NextScanID=3
GlobalScanFlags=9
DialogSizeX=0
DialogSizeY=0
ShowExt=0
FirstTimer=$first_timer
Hotkey=1624
END
compare_settings expected-first-run.ini
printf 'C:\\USERS\\%s\\APPDATA\\ROAMING\r\n' "$user_upper" >expected-uninst.dir
cmp -s expected-uninst.dir uninst.dir || { cat -A uninst.dir; fail "uninst.dir is not the one upper-cased line"; }
[ ! -e "$(data_dir)/Settings.ini.new" ] || fail "the temporary file of the save was left behind"

step "a second session by the same user adds no line to uninst.dir"
start_tandor
close_tandor
[ "$TANDOR_EXIT" = 0 ] || fail "exit code $TANDOR_EXIT"
cmp -s expected-uninst.dir uninst.dir || { cat -A uninst.dir; fail "uninst.dir changed"; }

step "a huge uninst.dir of anybody's making: the settings are saved, the exit is clean, the line appended"
reset_user_data
truncate -s 700M uninst.dir
start_tandor
close_tandor
[ "$TANDOR_EXIT" = 0 ] || fail "exit code $TANDOR_EXIT"
[ -s "$(data_dir)/Settings.ini" ] || fail "the settings were not saved"
# The list's last line had no line end: it is finished before the launcher's own line.
{ printf '\r\n'; cat expected-uninst.dir; } >expected-tail
tail -c "$(stat -c %s expected-tail)" uninst.dir >written-tail
cmp -s expected-tail written-tail || { cat -A written-tail; fail "the launcher's line was not appended"; }
[ "$(stat -c %s uninst.dir)" = $(( 700 * 1024 * 1024 + $(stat -c %s expected-tail) )) ] ||
    fail "uninst.dir has $(stat -c %s uninst.dir) bytes"
rm uninst.dir

step "a hand-edited Settings.ini is read tolerantly and written back in the launcher's format"
reset_user_data
write_settings <<'END'
; written by hand
[scandef]
0=Music,"*.mp3","",1
  5 = "Apps" , "*.exe" , "*unins*" , 0
6="Broken","*"
[Other]
7="Still a definition","*","",0
[directories]
"C:\GAMES\"=0,1
"C:\no where\"=5,3,-1
"C:\named\"=5,1,2,"Named"
"C:\no equals sign\",1,1
[global]
hotkey = 1625
NextScanID=8
Unknown=3
retry=300
FirstTimer=0
GlobalScanFlags=41
END
start_tandor
close_tandor
[ "$TANDOR_EXIT" = 0 ] || fail "exit code $TANDOR_EXIT"
{
    header
    printf '[ScanDef]\r\n'
    printf '0="MUSIC","*.mp3","",1\r\n'
    printf '5="Apps","*.exe","*unins*",0\r\n'
    printf '7="Still a definition","*","",0\r\n'
    printf '\r\n'
    printf '[Directories]\r\n'
    printf '"C:\\GAMES\\"=0,1,0,"Games"\r\n'
    printf '"C:\\no where\\"=5,3,-1,"No Where"\r\n'
    printf '"C:\\named\\"=5,1,2,"Named"\r\n'
    printf '\r\n'
    global_block <<END
EnableTrans=1
Retry=44
ShowIcons=1
Transparency=200
NextScanID=8
GlobalScanFlags=41
DialogSizeX=0
DialogSizeY=0
ShowExt=0
FirstTimer=0
Hotkey=1625
END
} >expected-edited.ini
compare_settings expected-edited.ini
