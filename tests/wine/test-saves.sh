# Saves of the launcher's files: what a killed save left behind is gone at the next start, and
# a settings save that fails after the configuration sheet closes is told to the user.
source "$T_LIB"

readonly SHEET="Tandor Configuration"
readonly IDCANCEL=2

step "files a killed save left beside the data files are removed at start-up"
reset_user_data
mkdir -p "$(data_dir)"
for name in Settings.ini scandb.dat scores.dat; do
    echo "cut sh" >"$(data_dir)/$name.new"
done
start_tandor
# The main window exists before the data files are touched: wait for start-up to reach them.
for name in Settings.ini scandb.dat scores.dat; do
    wait_until 30 test ! -e "$(data_dir)/$name.new" || fail "$name.new is still there"
done
close_tandor
[ -s "$(data_dir)/Settings.ini" ] || fail "the settings were not saved at the end"

step "a settings save that fails after the sheet closes shows the reason in a message box"
start_tandor
(cd "$T_WORK" && timeout 60 wine "$T_BIN/Tandor.exe") || fail "second start failed"
driver wait-window '#32770' "$SHEET" 30000 || fail "no configuration sheet"
# A folder where the new file must be written makes the save fail.
mkdir "$(data_dir)/Settings.ini.new"
driver press-button '#32770' "$SHEET" $IDCANCEL
text=$(driver dismiss-message-box Tandor 30000) || fail "no message box"
input_has "could not save your settings" <<<"$text" || fail "not the save failure: $text"
input_has "Settings.ini" <<<"$text" || fail "the message does not name the file: $text"
rmdir "$(data_dir)/Settings.ini.new"
close_tandor
