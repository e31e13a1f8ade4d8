# Helpers for the Wine test scripts. A test script starts with:  source "$T_LIB"
# It runs in its own empty working folder ($T_WORK, also the current directory) with the
# programs in $T_BIN; the prefix, display and HOME are set up by run-tests.sh.
set -euo pipefail
source "$(dirname "$T_LIB")/prefix.sh"
source "$(dirname "$T_LIB")/programs.sh"

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Ends a test that cannot apply here; run-tests.sh reports the reason as a skip.
skip_test() {
    echo "$*"
    exit "$T_SKIPPED"
}

step() {
    echo "--- $*"
}

# A Linux path as Windows sees it (Z:\...).
win_path() {
    winepath -w "$1" 2>/dev/null
}

appdata_dir() {
    echo "$WINEPREFIX/drive_c/users/$(whoami)/AppData/Roaming"
}

# The launcher's per-user data folder (Settings.ini, scandb.dat, scores.dat).
data_dir() {
    echo "$(appdata_dir)/Tandor"
}

reset_user_data() {
    rm -rf "$(data_dir)"
    rm -f "$T_WORK/uninst.dir"
}

# Runs a test-driver command; its console output comes without Windows' carriage returns.
driver() {
    timeout 120 wine "$T_BIN/tandor-testdriver.exe" "$@" | tr -d '\r'
}

tandor_running() {
    driver wait-window TANDOR Tandor 0 >/dev/null 2>&1
}

# Starts the launcher in the background from the working folder and waits for its main window.
start_tandor() {
    (cd "$T_WORK" && exec timeout 600 wine "$T_BIN/Tandor.exe" "$@" >>"$T_WORK/tandor.log" 2>&1) &
    TANDOR_PID=$!
    driver wait-window TANDOR Tandor 60000 || fail "Tandor did not start"
}

# Asks the running launcher to quit through a second start with /CLOSE and waits until it has ended.
close_tandor() {
    (cd "$T_WORK" && timeout 60 wine "$T_BIN/Tandor.exe" /CLOSE) || fail "Tandor /CLOSE failed"
    wait_tandor_exit
}

# Waits for the started launcher process to end; its exit code lands in TANDOR_EXIT.
wait_tandor_exit() {
    TANDOR_EXIT=0
    wait "$TANDOR_PID" || TANDOR_EXIT=$?
    driver wait-window-gone TANDOR Tandor 30000 || fail "Tandor's window is still there"
}

# Polls until the command succeeds, at most SECONDS seconds: wait_until SECONDS command...
wait_until() {
    local seconds=$1
    shift
    local deadline=$(( $(date +%s) + seconds ))
    until "$@"; do
        [ "$(date +%s)" -lt "$deadline" ] || return 1
        sleep 0.2
    done
}

# Reads all of standard input, then greps it: a pipeline into a plain `grep -q` can end its writer
# with SIGPIPE, which pipefail turns into a failure.
input_has() {
    local all
    all=$(cat)
    grep -q "$@" <<<"$all"
}

wait_for_file() {
    wait_until "${2:-30}" test -e "$1" || fail "timed out waiting for $1"
}

screenshot() {
    import -display "$DISPLAY" -window root "$1"
}

# Writes Settings.ini in the data folder from the lines given on standard input (LF), with CR LF ends.
write_settings() {
    mkdir -p "$(data_dir)"
    sed 's/$/\r/' >"$(data_dir)/Settings.ini"
}

# The bytes of a file as hex, for byte-exact comparisons.
hex_of() {
    od -An -tx1 -v "$1" | tr -s ' \n' ' '
}

# One [Directories] line: directory_line LINUX_PATH RECURSIVE(0|1) NAME
directory_line() {
    echo "\"$(win_path "$1")\\\"=0,$2,0,\"$3\""
}

# Settings.ini with one scan definition (id 0) and the given directory lines; [Global] holds the
# KEY=VALUE lines after "--", or else those of a quiet launcher (monitoring on, no tour, no retry):
#   write_directory_settings '"Files","*","",0' "$(directory_line "$apps" 1 Apps)" [-- KEY=VALUE...]
write_directory_settings() {
    local definition=$1
    shift
    local directories=() globals=(GlobalScanFlags=9 FirstTimer=0 NextScanID=1 Retry=0)
    while [ $# -gt 0 ] && [ "$1" != -- ]; do
        directories+=("$1")
        shift
    done
    if [ $# -gt 0 ]; then
        shift
        globals=("$@")
    fi
    printf '%s\n' "[ScanDef]" "0=$definition" "[Directories]" "${directories[@]}" "[Global]" "${globals[@]}" |
        write_settings
}

# The value of one key of the saved Settings.ini.
setting() {
    tr -d '\r' <"$(data_dir)/Settings.ini" | grep "^$1=" | cut -d= -f2
}

catalogue_file() {
    echo "$(data_dir)/scandb.dat"
}

# A plain second start of the launcher, which asks the running one to open its configuration.
second_start() {
    (cd "$T_WORK" && timeout 60 wine "$T_BIN/Tandor.exe") || fail "second start exit code $?"
}

SHEET="Tandor Configuration"

open_sheet() {
    second_start
    driver wait-window '#32770' "$SHEET" 30000 || fail "no configuration sheet"
}

# Moves the test to a fresh prefix of its own in $T_WORK (made with make_prefix [DPI]); its Wine
# server ends with the test.
use_fresh_prefix() {
    export WINEPREFIX=$T_WORK/prefix
    make_prefix "$@"
    wineserver -p 2>/dev/null || true
    trap 'wineserver -k 2>/dev/null || true' EXIT
}

# Presses the hotkey until the launcher window shows. One press is enough (test-hotkey-presses
# checks that); a program launched just before may still take the focus from the new window,
# which then closes, as it should.
open_launcher() {
    for _ in 1 2 3; do
        driver hotkey
        driver launcher-wait 10000 && return 0
    done
    fail "the hotkey opened no launcher window"
}
