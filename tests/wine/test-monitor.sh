# The change monitor on the real launcher: a change in a watched folder leads to a rescan
# that saves scandb.dat, however close it follows a change elsewhere; changes the monitor must
# ignore leave scandb.dat untouched.
source "$T_LIB"

# A rescan needs the 1.6 s settle plus the walk; a quiet spell this long means "no rescan".
QUIET_SECONDS=6
RESCAN_SECONDS=30

watched=$T_WORK/watched
# Inode and full-precision time: a rewrite shows whether it is in place or a replacement.
catalogue_stamp() { stat -c '%i %y' "$(catalogue_file)"; }
catalogue_has() { grep -aqF "$1" "$(catalogue_file)" 2>/dev/null; }

# The directory index byte stored just before an entry's path in scandb.dat.
directory_index_of() {
    local offset
    offset=$(grep -abo -F "$1" "$(catalogue_file)" | awk -F: 'NR == 1 { print $1 }')
    [ -n "$offset" ] || return 1
    od -An -td1 -j $((offset - 1)) -N1 "$(catalogue_file)" | tr -d ' '
}

# The missing folder comes first, so the others' watches and indices must not depend on it.
write_monitor_settings() {
    local flags=$1
    write_settings <<SETTINGS

[ScanDef]
0="Files and folders","*","",1

[Directories]
"$(win_path "$watched")\\missing\\"=0,1,0,"Missing"
"$(win_path "$watched/deep")\\"=0,1,0,"Deep"
"$(win_path "$watched/flat")\\"=0,0,0,"Flat"

[Global]
GlobalScanFlags=$flags
FirstTimer=0
NextScanID=1
SETTINGS
}

expect_rescan_with() {
    wait_until "$RESCAN_SECONDS" catalogue_has "$1" || fail "$1 did not reach the catalogue"
}

expect_no_rescan_since() {
    local before=$1 what=$2
    sleep "$QUIET_SECONDS"
    [ "$(catalogue_stamp)" = "$before" ] || fail "scandb.dat was rewritten after $what"
}

reset_user_data
rm -rf "$watched"
mkdir -p "$watched/deep/inner" "$watched/flat/sub"
echo "old" >"$watched/deep/existing.txt"
write_monitor_settings 9

step "start-up scans the two folders that exist"
start_tandor
wait_for_file "$(catalogue_file)" 60
wait_until 30 catalogue_has existing.txt || fail "the start-up scan did not catalogue existing.txt"

step "a file created in a watched folder is catalogued by a rescan, under its own directory index"
touch "$watched/flat/created-later.txt"
expect_rescan_with created-later.txt
created_path="$(win_path "$watched/flat")\\created-later.txt"
index=$(directory_index_of "$created_path") || fail "no record with the path $created_path"
[ "$index" = 2 ] || fail "created-later.txt has directory index $index, not 2"

step "writing to an existing file causes no rescan"
sleep 3 # let any repeated report of the last change run its course
stamp=$(catalogue_stamp)
echo "more text" >>"$watched/deep/existing.txt"
expect_no_rescan_since "$stamp" "a write to an existing file"

step "the monitor is still watching the recursive folder"
touch "$watched/deep/after-write.txt"
expect_rescan_with after-write.txt

# Wine reports no sub-folder changes even for a subtree watch, so this step cannot fail on the
# watch flag alone here; the unit tests check that only recursive folders ask for a subtree.
step "a change in a sub-folder of a non-recursive folder causes no rescan"
sleep 3
stamp=$(catalogue_stamp)
touch "$watched/flat/sub/below-flat.txt"
expect_no_rescan_since "$stamp" "a change below the non-recursive folder"

step "the non-recursive folder itself is still watched"
touch "$watched/flat/after-sub.txt"
expect_rescan_with after-sub.txt
catalogue_has below-flat.txt && fail "the rescan walked below the non-recursive folder"

close_tandor
[ "$TANDOR_EXIT" = 0 ] || fail "exit code $TANDOR_EXIT"

step "with monitoring off nothing is rescanned"
write_monitor_settings 1
start_tandor
sleep 3 # a start-up without a scan: the catalogue comes from the file
stamp=$(catalogue_stamp)
touch "$watched/flat/unwatched.txt" "$watched/deep/unwatched-too.txt"
expect_no_rescan_since "$stamp" "a change with monitoring off"
catalogue_has unwatched.txt && fail "unwatched.txt was catalogued with monitoring off"
close_tandor

step "/CLOSE while the monitor settles ends the launcher cleanly"
write_monitor_settings 9
start_tandor
sleep 3
touch "$watched/deep/during-close.txt"
sleep 0.5 # inside the settle time
started=$(date +%s)
close_tandor
[ "$TANDOR_EXIT" = 0 ] || fail "exit code $TANDOR_EXIT"
[ $(( $(date +%s) - started )) -lt 30 ] || fail "closing took too long"
[ -s "$(catalogue_file)" ] || fail "scandb.dat is missing after the close"
head -c 4 "$(catalogue_file)" | grep -q TCF1 || fail "scandb.dat saved at exit lacks its magic"
catalogue_has during-close.txt || fail "a change made just before the close is missing from scandb.dat"

# Two folders that change close together: neither change may be lost, whether the second comes
# while the first folder settles or while it is being rescanned.
two_a=$watched/two-a
two_b=$watched/two-b
mkdir -p "$two_a" "$two_b"
# A few thousand files, so that a rescan of the first folder takes a while.
(cd "$two_a" && seq -f "filler-%04g.txt" 1 3000 | xargs touch)
write_directory_settings '"Files and folders","*","",1' "$(directory_line "$two_a" 0 A)" "$(directory_line "$two_b" 0 B)"
rm -f "$(catalogue_file)" # so that start-up scans the new folders
start_tandor
wait_until 120 catalogue_has filler-3000.txt || fail "the start-up scan did not catalogue the first folder"

# Each pair is checked before the next, so that no later change in the same folder hides a loss.
step "a change in the second folder while the first one settles is not lost"
for delay in 0.3 0.8 1.2; do
    touch "$two_a/a-$delay.txt"
    sleep "$delay" # the spacing of the two changes, not a verdict
    touch "$two_b/b-$delay.txt"
    expect_rescan_with "a-$delay.txt"
    expect_rescan_with "b-$delay.txt"
done

step "a change in the second folder while the first one is rescanned is not lost"
for delay in 1.8 2.2 2.8; do
    touch "$two_a/a-long-$delay.txt"
    sleep "$delay" # past the settle time: the first folder's rescan of 3000 files runs
    touch "$two_b/b-during-$delay.txt"
    expect_rescan_with "a-long-$delay.txt"
    expect_rescan_with "b-during-$delay.txt"
done

step "deleted files leave the catalogue"
rm "$two_a/a-0.3.txt" "$two_b/b-0.8.txt"
wait_until "$RESCAN_SECONDS" eval '! catalogue_has a-0.3.txt && ! catalogue_has b-0.8.txt' ||
    fail "a deleted file stayed in scandb.dat"
close_tandor

step "a data folder inside a watched folder does not keep the monitor rescanning"
write_directory_settings '"Files","*","",0' "$(directory_line "$(appdata_dir)" 1 AppData)"
rm -f "$(catalogue_file)"
start_tandor
wait_for_file "$(catalogue_file)" 60
touch "$(appdata_dir)/echo.txt"
expect_rescan_with echo.txt
sleep 3 # the save of that rescan fires the watch once more; its rescan finds nothing new
expect_no_rescan_since "$(catalogue_stamp)" "a rescan that changed nothing"
close_tandor
echo "ok"
