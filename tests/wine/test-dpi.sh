# Display scaling: at 192 DPI the launcher's rows and its smallest window size are twice what
# they are at 96 DPI, within a few pixels. Screenshots of both land in the work folder.
source "$T_LIB"

apps=$T_WORK/apps
mkdir -p "$apps"
for name in "Daily Diary" "Data Dump" "Dance Lessons" "Draw Diagrams"; do
    echo "$name" >"$apps/$name.txt"
done

row_count() {
    driver launcher-rows | wc -l
}

# Sets ROW, MIN_WIDTH and MIN_HEIGHT from the open launcher window.
read_metrics() {
    local metrics
    metrics=$(driver launcher-metrics) || fail "no launcher metrics"
    echo "$metrics" | tr '\n' ' '
    echo
    ROW=$(sed -n 's/^row //p' <<<"$metrics")
    read -r MIN_WIDTH MIN_HEIGHT < <(sed -n 's/^minimum //p' <<<"$metrics")
}

# Opens the launcher with a few rows, takes a screenshot, and reads its metrics.
open_with_rows() {
    local dpi=$1
    reset_user_data
    write_settings <<SETTINGS
[ScanDef]
0="Documents","*.txt","",0
[Directories]
"$(win_path "$apps")\\"=0,1,0,"Apps"
[Global]
GlobalScanFlags=9
FirstTimer=0
NextScanID=1
Retry=0
ShowIcons=1
SETTINGS
    start_tandor
    open_launcher
    driver type d
    wait_until 15 test "$(row_count)" -ge 4 || fail "at $dpi DPI the list shows $(row_count) rows"
    driver launcher-wait-icon 15000 3 || echo "note: no icon arrived at $dpi DPI"
    screenshot "$T_WORK/launcher-$dpi-dpi.png"
    read_metrics
}

close_launcher() {
    driver keys escape
    close_tandor
}

# Whether `scaled` is twice `base`, give or take `slack` pixels.
about_twice() {
    local base=$1 scaled=$2 slack=$3
    local difference=$(( scaled - 2 * base ))
    [ "${difference#-}" -le "$slack" ]
}

expect_twice_96() {
    about_twice "$row96" "$ROW" 4 || fail "rows: $row96 pixels at 96 DPI, $ROW at 192"
    about_twice "$width96" "$MIN_WIDTH" 6 || fail "minimum width: $width96 at 96 DPI, $MIN_WIDTH at 192"
    about_twice "$height96" "$MIN_HEIGHT" 6 || fail "minimum height: $height96 at 96 DPI, $MIN_HEIGHT at 192"
}

step "96 DPI"
open_with_rows 96
row96=$ROW width96=$MIN_WIDTH height96=$MIN_HEIGHT
[ "$row96" -ge 16 ] || fail "rows of $row96 pixels cannot hold a 16-pixel icon"

step "moved to a 192 DPI display, the window takes the suggested rectangle and scales inside"
driver launcher-dpi-changed 192 100 50 810 318
[ "$(driver launcher-rect)" = "100 50 810 318" ] || fail "the window is at $(driver launcher-rect)"
driver launcher-wait-rows 10000 "Daily Diary" "Dance Lessons" "Data Dump" "Draw Diagrams" ||
    fail "the list was not filled again"
read_metrics
expect_twice_96
close_launcher

step "192 DPI, in a prefix of its own"
use_fresh_prefix 192
open_with_rows 192
expect_twice_96
close_launcher
