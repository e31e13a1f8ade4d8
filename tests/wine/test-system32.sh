# A shortcut to a 64-bit program that exists only in C:\windows\system32, as many of Windows' own
# tools do: a 32-bit launcher would look for it in syswow64 and find nothing. The 64-bit launcher
# gives its row the program's icon and starts it (the program writes a marker file).
source "$T_LIB"

[ "$(program_bits "$T_BIN/Tandor.exe")" = 64 ] || skip_test "a 32-bit launcher cannot start a system32-only program"

apps=$T_WORK/apps
marker=$T_WORK/marker.txt
system_program=$WINEPREFIX/drive_c/windows/system32/tandor-sysmarker.exe
magenta='#FF00FF'
rm -rf "$apps" "$marker"
mkdir -p "$apps"
cp "$T_BIN/tandor-testmarker.exe" "$system_program"
trap 'rm -f "$system_program"' EXIT
[ ! -e "$WINEPREFIX/drive_c/windows/syswow64/tandor-sysmarker.exe" ] || fail "the program is in syswow64 too"
driver make-shortcut "$(win_path "$apps")\\Snip Marker.lnk" 'C:\windows\system32\tandor-sysmarker.exe' \
    "$(win_path "$marker")" || fail "cannot make the shortcut"
# A second row to select, so the program's row is drawn without the selection's tint.
echo notes >"$apps/Snip Notes.txt"

reset_user_data
write_directory_settings '"Programs","*.exe;*.txt","",0' "$(directory_line "$apps" 1 Apps)"
start_tandor
wait_for_file "$(catalogue_file)" 60

# How many pixels of the screen show the program's own colour.
magenta_pixels() {
    convert "$1" -fill black +opaque "$magenta" -fill white -opaque "$magenta" -format '%[fx:int(mean*w*h)]' info:
}

step "the row shows the program's own icon"
open_launcher
driver type snip
driver launcher-wait-rows 10000 "Snip Marker" "Snip Notes" || fail "wrong rows for snip"
driver keys down
driver launcher-wait-selected 5000 1 || fail "Down did not reach the second row"
driver launcher-wait-icon 15000 0 || fail "no icon arrived for the program's row"
# Wine 8's SHGetFileInfo gives a 64-bit process the generic document icon for every program (its
# ExtractIconEx finds their icons): the picture is checked where Wine draws it, noted elsewhere.
screenshot "$T_WORK/system32-row.png"
pixels=$(magenta_pixels "$T_WORK/system32-row.png")
[ "$pixels" -ge 100 ] || echo "note: the row shows no pixel of the program's icon (Wine's generic icon)"

step "Return starts the program from system32"
driver keys up
driver launcher-wait-selected 5000 0 || fail "Up did not reach the program's row"
driver keys return
driver launcher-wait-gone 20000 || fail "the launcher window stayed open"
wait_for_file "$marker" 30
[ "$(tr -d '\r' <"$marker")" = launched ] || fail "the marker holds: $(cat "$marker")"

close_tandor
