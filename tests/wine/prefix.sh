# Makes the Wine prefix $WINEPREFIX ready for the tests: sourced by run-tests.sh for the shared
# prefix, and by tests that need a fresh one of their own (the setup test, the DPI test).
# make_prefix [DPI]: with DPI, the prefix's displays report that many pixels per inch.
make_prefix() {
    wineboot -i >/dev/null 2>&1
    wineserver -w
    # Every program runs in one virtual desktop with a task bar and notification area, so that
    # activation, focus and the tray behave as on Windows and exit codes still reach the shell.
    wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /t REG_SZ /d Default /f >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /t REG_SZ /d 1024x768 /f >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\Explorer\Desktops\Default' /v EnableShell /t REG_DWORD /d 1 /f >/dev/null 2>&1
    if [ -n "${1:-}" ]; then
        wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
    fi
    wineserver -w
}
