#!/bin/bash
# Makes the private Wine prefix BUILD_DIR/wine-prefix that tools/test-windows.sh
# runs the Windows programs in, with the 32-bit system beside the 64-bit one
# where the 32-bit Wine can run (through qemu-i386 on a kernel without 32-bit
# support; tools/windows/enable-32-bit.sh registers it first). Under qemu
# that takes about two minutes, mostly waiting on one emulated process, so
# the test command starts this early in the background and lets it use the
# time the builds leave a core idle. Does nothing where the prefix is ready.
# Exit status 0 with the 32-bit system, 3 without it (64-bit only), 1 when
# Wine is missing.
# Usage: make-prefix.sh BUILD_DIR
set -uo pipefail
cd "$(dirname "$0")/../.."
build=$(realpath -m "$1")
wine64=/usr/lib/wine/wine64
[[ -x $wine64 ]] || exit 1

# No menu entries or file types in the user's home (winemenubuilder).
export WINEPREFIX="$build/wine-prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
unset DISPLAY WAYLAND_DISPLAY
mkdir -p "$build"

with_32_bit=0
tools/windows/enable-32-bit.sh && with_32_bit=1
system32=$WINEPREFIX/drive_c/windows/system32/kernel32.dll
syswow64=$WINEPREFIX/drive_c/windows/syswow64/kernel32.dll
# A prefix made before the 32-bit Wine could run lacks the 32-bit system.
if ((with_32_bit)) && [[ -d $WINEPREFIX && ! -f $syswow64 ]]; then
    rm -rf "$WINEPREFIX"
fi
if [[ ! -f $system32 ]]; then
    start=$SECONDS
    "$wine64" cmd /c exit >/dev/null 2>&1
    wineserver -w
    echo "Wine prefix made in $((SECONDS - start)) s"
fi
((with_32_bit)) && exit 0
exit 3
