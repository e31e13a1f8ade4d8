# The notification-area icon, the hotkey registration and the about box of the running launcher.
source "$T_LIB"

reset_user_data
# No directories: this test is about the shell, not the scan.
write_settings <<'INI'
[ScanDef]
0="Files and folders","*","*.inf;*.ini;*.db",1
[Directories]
[Global]
GlobalScanFlags=9
INI

step "the tray icon is there while the launcher runs"
start_tandor
wait_until 20 driver tray-icon-exists TANDOR Tandor || fail "no tray icon"

step "the hotkey Ctrl+Alt+X belongs to the launcher"
# Registering the same hotkey from another program fails while the launcher holds it.
if driver try-register-hotkey 0x658; then fail "Ctrl+Alt+X was free"; fi

step "a re-created task bar gets the icon back"
driver post-message TANDOR Tandor "$(driver registered-message TaskbarCreated)" 0 0
handle=$(driver window-handle TANDOR Tandor)
wait_until 10 driver tray-icon-exists TANDOR Tandor || fail "no tray icon after TaskbarCreated"

# The icon's callbacks come in the fourth version's layout: the event in the low word of lParam,
# the icon's anchor (x, y) in wParam.
callback=$(driver registered-message TaskbarCreated)
anchor=$(( (700 << 16) | 900 ))

step "Enter on the keyboard-selected icon (NIN_KEYSELECT) opens the launcher"
driver post-message TANDOR Tandor "$callback" "$anchor" 0x401
driver launcher-wait 20000 || fail "no launcher window after NIN_KEYSELECT"
driver keys escape
driver launcher-wait-gone 20000 || fail "the launcher stayed open"

step "the menu key (WM_CONTEXTMENU) opens the tray menu; its About... opens the about box"
driver post-message TANDOR Tandor "$callback" "$anchor" 0x7B
driver wait-window '#32768' - 10000 || fail "no tray menu"
screenshot "$T_WORK/tray-menu.png"
driver keys a
driver wait-window '#32770' Tandor 20000 || fail "no about box"
screenshot "$T_WORK/about.png"
driver press-button '#32770' Tandor 1
driver wait-window-gone '#32770' Tandor 20000 || fail "about box stayed open"

step "after /CLOSE the icon is gone"
close_tandor
[ "$TANDOR_EXIT" = 0 ] || fail "exit code $TANDOR_EXIT"
if driver tray-icon-of-handle "$handle"; then fail "tray icon left behind"; fi
