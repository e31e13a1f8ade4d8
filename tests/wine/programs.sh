# What kind of Windows program a file is, and whether this machine can run it: sourced by
# run-tests.sh and lib.sh.

# A test script that cannot apply to the build under test exits with this (after saying why).
T_SKIPPED=77

# 32 or 64: the machine field of the PE header (0x8664 is x86-64).
program_bits() {
    local header machine
    header=$(od -An -tu4 -j60 -N4 "$1" | tr -d ' ')
    machine=$(od -An -tx2 -j$((header + 4)) -N2 "$1" | tr -d ' ')
    if [ "$machine" = 8664 ]; then echo 64; else echo 32; fi
}

# Wine's 32-bit loader is a 32-bit Linux program: it starts only where the kernel runs those.
can_run_32bit_programs() {
    /usr/lib/wine/wine --version >/dev/null 2>&1
}

# Debian's `wine` (and `wine-stable`, which wineboot, winepath and the other tools call) starts
# the 32-bit loader whenever it is installed, also for a 64-bit prefix: put a `wine` first on the
# PATH that starts the 64-bit one.
use_64bit_loader() {
    local folder=$1 name
    mkdir -p "$folder"
    for name in wine wine-stable; do
        printf '#!/bin/sh\nexec /usr/lib/wine/wine64 "$@"\n' >"$folder/$name"
        chmod +x "$folder/$name"
    done
    export PATH="$folder:$PATH" WINELOADER=/usr/lib/wine/wine64
}
