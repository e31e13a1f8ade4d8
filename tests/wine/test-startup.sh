# Start-up, single instance and shutdown of the real launcher.
source "$T_LIB"

step "/close with no launcher running ends at once and creates nothing"
reset_user_data
timeout 60 wine "$T_BIN/Tandor.exe" /close || fail "exit code $?"
[ ! -e "$(data_dir)" ] || fail "the data folder was created"
[ ! -e uninst.dir ] || fail "uninst.dir was created"

step "a first start runs, a second plain start leaves one instance"
start_tandor
first=$TANDOR_PID
second_start
kill -0 "$first" || fail "the first instance ended"
[ "$(driver count-windows TANDOR Tandor)" = 1 ] || fail "not exactly one main window"

step "/CLOSE from a second start ends the first with exit code 0 and saves its files"
close_tandor
[ "$TANDOR_EXIT" = 0 ] || fail "exit code $TANDOR_EXIT"
[ -s "$(data_dir)/Settings.ini" ] || fail "Settings.ini was not written"
[ -s uninst.dir ] || fail "uninst.dir was not written"
