#!/usr/bin/env bash
# Runs every tests/wine/test-*.sh against the Windows programs in BIN_DIR, one after another,
# in one throw-away Wine prefix under Xvfb. Prints "N passed, M failed"; exits 1 on any failure.
set -u
here=$(cd "$(dirname "$0")" && pwd)
[ $# -ge 1 ] || { echo "usage: run-tests.sh BIN_DIR [NAME_FILTER]" >&2; exit 2; }
bin=$(cd "$1" && pwd)
filter=${2:-}
root=$(dirname "$bin")/wine-tests
source "$here/programs.sh"

# A 64-bit build runs in a 64-bit prefix, a 32-bit one in a 32-bit prefix. A kernel without
# 32-bit support cannot start Wine's 32-bit loader at all: say so instead of failing every test.
if [ "$(program_bits "$bin/Tandor.exe")" = 64 ]; then
    export WINEARCH=win64
else
    export WINEARCH=win32
    if ! can_run_32bit_programs; then
        echo "SKIP every test of $bin: this machine cannot run 32-bit programs (a kernel without IA32 emulation)"
        echo "0 passed, 0 failed"
        exit 0
    fi
fi
rm -rf "$root"
mkdir -p "$root/home" "$root/logs" "$root/work"
[ "$WINEARCH" = win64 ] && use_64bit_loader "$root/loader"

export WINEPREFIX=$root/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# A fresh prefix links Documents and Desktop to $HOME: keep it empty so no scan walks a real home.
export HOME=$root/home
export T_BIN=$bin T_LIB=$here/lib.sh
source "$here/prefix.sh"

start_display() {
    for n in $(seq 90 140); do
        [ -e "/tmp/.X$n-lock" ] && continue
        Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
        xvfb_pid=$!
        for _ in $(seq 50); do
            [ -e "/tmp/.X11-unix/X$n" ] && { export DISPLAY=":$n"; return 0; }
            kill -0 $xvfb_pid 2>/dev/null || break
            sleep 0.1
        done
    done
    echo "cannot start Xvfb" >&2
    exit 1
}

start_display
trap 'wineserver -k 2>/dev/null; kill $xvfb_pid 2>/dev/null' EXIT
make_prefix

passed=0
failed=0
skipped=0
failures=()
# T_SCRIPTS names other scripts to run the same way (a soak, say).
for test in ${T_SCRIPTS:-"$here"/test-*.sh}; do
    name=$(basename "$test" .sh)
    [ -n "$filter" ] && [[ "$name" != *"$filter"* ]] && continue
    work=$root/work/$name
    mkdir -p "$work"
    start=$(date +%s)
    # One server for the whole test: a program started just as an idle server shuts down
    # would otherwise lose its connection.
    wineserver -p 2>/dev/null || true
    (cd "$work" && T_WORK=$work timeout 900 bash "$test") >"$root/logs/$name.log" 2>&1
    rc=$?
    wineserver -k 2>/dev/null
    wineserver -w 2>/dev/null
    seconds=$(( $(date +%s) - start ))
    if [ $rc -eq 0 ]; then
        passed=$((passed + 1))
        echo "PASS $name (${seconds}s)"
    elif [ $rc -eq "$T_SKIPPED" ]; then
        skipped=$((skipped + 1))
        echo "SKIP $name: $(tail -n 1 "$root/logs/$name.log")"
    else
        failed=$((failed + 1))
        failures+=("$name")
        echo "FAIL $name (${seconds}s, exit $rc); last lines of $root/logs/$name.log:"
        tail -n 25 "$root/logs/$name.log" | sed 's/^/    /'
    fi
done

summary="$passed passed, $failed failed"
[ $skipped -eq 0 ] || summary+=", $skipped skipped"
echo "$summary"
[ $failed -eq 0 ]
