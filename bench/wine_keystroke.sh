#!/usr/bin/env bash
# Key to refilled list in the real launcher window under Wine, with a catalogue of 100 000 entries:
# builds a scandb.dat, opens the window with the hotkey, types words and prints the milliseconds per key.
# Usage: bench/wine_keystroke.sh [BUILD_BIN_DIR] [ENTRIES]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
bin=$(cd "${1:-$here/../build/windows/bin}" && pwd)
entries=${2:-100000}
root=$(mktemp -d /tmp/tandor-keystroke.XXXXXX)
trap 'wineserver -k 2>/dev/null; kill $xvfb 2>/dev/null; rm -rf "$root"' EXIT

export WINEPREFIX=$root/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" HOME=$root/home
mkdir -p "$HOME"
display=:$((200 + RANDOM % 100))
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=$display
wineboot -i >/dev/null 2>&1
wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /t REG_SZ /d Default /f >/dev/null 2>&1
wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /t REG_SZ /d 1024x768 /f >/dev/null 2>&1
wineserver -w

data="$WINEPREFIX/drive_c/users/$(whoami)/AppData/Roaming/Tandor"
mkdir -p "$data"
printf '[ScanDef]\r\n0="Files","*","",0\r\n[Directories]\r\n"C:\\Data\\"=0,1,0,"Data"\r\n[Global]\r\nFirstTimer=0\r\nEnableTrans=%s\r\nRetry=0\r\nShowIcons=0\r\nGlobalScanFlags=1\r\n' \
    "${ENABLE_TRANS:-1}" >"$data/Settings.ini"
python3 - "$data/scandb.dat" "$entries" <<'PY'
import random, struct, sys
random.seed(7)
words = ("photo album viewer media player notepad word excel setup install readme report invoice "
         "letter backup editor manager music video tools paint calculator browser mail chess project "
         "budget summary draft config server client update driver scanner printer archive").split()
styles = [lambda w: " ".join(x.capitalize() for x in w), lambda w: "".join(x.capitalize() for x in w),
          lambda w: "-".join(w), lambda w: " ".join(w)]
exts = ["", "", ".txt", ".doc", ".xls", ".pdf", " 2", " 10"]
out = bytearray(b"TCF1" + struct.pack("<i", int(sys.argv[2])))
for i in range(int(sys.argv[2])):
    name = random.choice(styles)(random.sample(words, random.randint(1, 3))) + random.choice(exts)
    path = "C:\\Data\\%d\\%s.lnk" % (i % 97, name)
    out += bytes([0]) + path.encode() + b"\0" + name.encode() + b"\0"
open(sys.argv[1], "wb").write(out)
PY

wine "$bin/Tandor.exe" &
driver() { wine "$bin/tandor-testdriver.exe" "$@" | tr -d '\r'; }
driver wait-window TANDOR Tandor 60000 >/dev/null
for _ in 1 2 3 4 5 6; do
    driver hotkey
    driver launcher-wait 5000 && break
done
echo "key-to-list under Wine, $entries entries (ms per key):"
# Each word is typed, then taken back with Backspace down to its first letter and to nothing. One
# driver process types everything: the first key a process sends carries its own start-up cost.
keys="x<"
for word in photov notepa iexplo mswork tbedit; do
    keys="$keys$word<<<<<<"
done
timings=$(driver launcher-time-typing "$keys" | tail -n +3)
echo "$timings" | tr '\n' ' ' | sed 's/< \([0-9.]*\) \([a-z]\)/< \1\n\2/g'
echo
echo "$timings" | python3 -c '
import sys
times = {"letters": [], "backspaces": []}
for line in sys.stdin:
    key, ms = line.split()
    times["backspaces" if key == "<" else "letters"].append(float(ms))
for kind, values in times.items():
    values.sort()
    print("%s: median %.2f, 90th percentile %.2f, worst %.2f ms" % (kind, values[len(values) // 2], values[int(len(values) * 0.9)], values[-1]))'
wine "$bin/Tandor.exe" /CLOSE
