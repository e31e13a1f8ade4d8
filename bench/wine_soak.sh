# A soak of the running launcher as a heavy user drives it: openings by hotkey (some pressed the
# moment the last window closes), launches, files created, renamed and deleted in watched folders
# at random spacing, clean restarts right after a burst of changes and hard kills. At each
# checkpoint it prints how far scandb.dat is from the folders ("drift") once the changes settle.
# Usage: SOAK_SECONDS=600 T_SCRIPTS=$PWD/bench/wine_soak.sh tests/wine/run-tests.sh build/windows/bin
# (the figures land in the log that run-tests.sh names).
source "$T_LIB"

SOAK_SECONDS=${SOAK_SECONDS:-600}
ROUNDS_PER_CHECKPOINT=6
CHECKPOINTS_PER_RESTART=2
SETTLE_LIMIT=40 # seconds a checkpoint waits for the catalogue to catch up

apps=$T_WORK/apps
tree=$T_WORK/tree
flat=$T_WORK/flat
rm -rf "$apps" "$tree" "$flat"
mkdir -p "$apps" "$tree/sub" "$flat"
driver make-shortcut "$(win_path "$apps")\\Count Up.lnk" 'C:\windows\system32\rundll32.exe' ||
    fail "cannot make the shortcut"

reset_user_data
write_directory_settings '"Everything","*","",0' "$(directory_line "$apps" 1 Apps)" \
    "$(directory_line "$tree" 1 Tree)" "$(directory_line "$flat" 0 Flat)"

rounds=0 launches=0 created=0 renamed=0 deleted=0 restarts=0 kills=0 openings=0
presses_histogram=(0 0 0 0 0 0)
serial=0

# Opens the window with as many presses as it takes (at most 5); counts them.
open_window() {
    local presses=0
    [ "${1:-}" = pressed ] && presses=1 || { driver hotkey; presses=1; }
    until wait_until 5 driver launcher-hint-shown; do
        [ $presses -lt 5 ] || fail "five presses opened no window"
        driver hotkey
        presses=$((presses + 1))
    done
    openings=$((openings + 1))
    presses_histogram[$presses]=$((presses_histogram[$presses] + 1))
}

random_file() { find "$tree" "$flat" -type f | shuf -n 1; }

churn() {
    local target
    for target in "$tree" "$tree/sub" "$flat" "$tree"; do
        serial=$((serial + 1))
        touch "$target/f$serial.txt"
        created=$((created + 1))
        sleep "0.$((RANDOM % 9))"
    done
    local victim
    victim=$(random_file)
    if [ -n "$victim" ]; then
        serial=$((serial + 1))
        mv "$victim" "$(dirname "$victim")/r$serial.txt"
        renamed=$((renamed + 1))
    fi
    victim=$(random_file)
    if [ -n "$victim" ]; then
        rm "$victim"
        deleted=$((deleted + 1))
    fi
}

on_disk() { find "$tree" "$flat" -type f -printf '%f\n' | sort; }
in_catalogue() {
    driver dump-catalogue "$(win_path "$(data_dir)/scandb.dat")" 2>/dev/null |
        awk -F'|' '$1 != 0 { n = split($2, parts, "\\"); print parts[n] }' | sort
}
drift() { comm -3 <(on_disk) <(in_catalogue) | wc -l; }

# With the window closed: the catalogue changes only once no window refers to its entries.
checkpoint() {
    local started now value
    driver keys escape
    driver launcher-wait-gone 20000 || fail "the window stayed open"
    started=$(date +%s)
    until [ "$(drift)" = 0 ]; do
        [ $(( $(date +%s) - started )) -lt $SETTLE_LIMIT ] || break
        sleep 1
    done
    value=$(drift)
    now=$(date +%s)
    echo "checkpoint at ${elapsed}s: rounds $rounds, launches $launches, files on disk $(on_disk | wc -l)," \
        "drift $value (caught up after $((now - started))s)"
    [ "$value" = 0 ] || comm -3 <(on_disk) <(in_catalogue) | head -5
    checkpoint_drifts+=("$value")
}



hard_kill() {
    local child
    child=$(pgrep -P "$TANDOR_PID" | head -1)
    [ -n "$child" ] && kill -9 "$child"
    wait "$TANDOR_PID" || true
    driver wait-window-gone TANDOR Tandor 30000 || fail "the killed launcher's window stayed"
}

checkpoint_drifts=()
begin=$(date +%s)
elapsed=0
start_tandor
wait_for_file "$(data_dir)/scandb.dat" 60
open_window
while [ "$elapsed" -lt "$SOAK_SECONDS" ]; do
    rounds=$((rounds + 1))
    driver type count
    driver launcher-wait-rows 10000 "Count Up" || fail "round $rounds: no row for the shortcut"
    case $((rounds % 3)) in
    0) driver keys return ctrl+alt+x; launches=$((launches + 1)); churn; open_window pressed ;;
    1) driver keys escape ctrl+alt+x; churn; open_window pressed ;;
    2) driver keys escape; churn; open_window ;;
    esac
    elapsed=$(( $(date +%s) - begin ))
    if [ $((rounds % ROUNDS_PER_CHECKPOINT)) = 0 ]; then
        checkpoint
        if [ $(( ${#checkpoint_drifts[@]} % CHECKPOINTS_PER_RESTART )) != 0 ]; then
            open_window
        else
            if [ $(( (restarts + kills) % 2 )) = 0 ]; then
                churn # a burst the monitor has not reported yet when /CLOSE arrives
                close_tandor
                restarts=$((restarts + 1))
            else
                hard_kill
                kills=$((kills + 1))
            fi
            start_tandor
            open_window
        fi
    fi
done
checkpoint
close_tandor

echo "soak: ${elapsed}s, $rounds rounds, $openings openings, $launches launches," \
    "$created files created, $renamed renamed, $deleted deleted, $restarts clean restarts, $kills hard kills"
echo "drift at the checkpoints: ${checkpoint_drifts[*]}"
echo "openings by presses needed: 1: ${presses_histogram[1]}, 2: ${presses_histogram[2]}," \
    "3: ${presses_histogram[3]}, 4+: $((presses_histogram[4] + presses_histogram[5]))"
for value in "${checkpoint_drifts[@]}"; do [ "$value" = 0 ] || fail "drift $value at a checkpoint"; done
[ "${presses_histogram[1]}" = "$openings" ] || fail "some openings needed more than one press"
echo "ok"
