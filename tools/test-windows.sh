#!/bin/bash
# Cross-builds Kalvest's Qt-free parts for Windows with MinGW-w64 and runs
# them under Wine, headless, in a private Wine prefix inside BUILD_DIR:
#   1. 64-bit: varquel.dll, the Qt-free core, kalvest-cli.exe and every Qt-free
#      test suite (BUILD_DIR/x86_64/bin); every suite must pass, and
#      kalvest-cli.exe must print what the Linux kalvest-cli prints;
#   2. 32-bit: varquel.dll and a C caller that loads it by file name and
#      calls its decorated exports (BUILD_DIR/i686); its results must agree
#      with the Linux library's: integers exactly, floating-point values
#      within 1e-12 relative (tools/windows/test-32-bit.sh says why).
# Where the cross compilers or Wine are missing, or the 32-bit Wine cannot
# run, it says so in one line and skips that part (exit status 0).
# Usage: tools/test-windows.sh BUILD_DIR [LINUX_BUILD_DIR]
#   LINUX_BUILD_DIR: a native build with kalvest-cli and libvarquel, for
#   the comparisons (default: build).
set -euo pipefail
cd "$(dirname "$0")/.."
source_dir=$PWD
build=$(realpath -m "$1")
linux_build=$(realpath -m "${2:-build}")
start=$SECONDS

wine64=/usr/lib/wine/wine64
if ! command -v x86_64-w64-mingw32-g++ >/dev/null || [[ ! -x $wine64 ]]; then
    echo "SKIPPED Windows build: needs g++-mingw-w64-x86-64 and wine64 (tools/deps.sh --windows installs them)"
    exit 0
fi

mkdir -p "$build"
if ! tools/windows/fetch-sources.sh "$build/sources"; then
    echo "SKIPPED Windows build: the Debian source packages erfa, howardhinnant-date and tzdata could not be fetched (apt-get source; tools/deps.sh --windows adds the deb-src entry)"
    exit 0
fi

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache
                                          -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B "$build/x86_64" -G Ninja "${launcher[@]}" \
      -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-x86_64.cmake \
      -DCMAKE_BUILD_TYPE=Release -DCMAKE_C_FLAGS_RELEASE="-O2 -DNDEBUG" \
      -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" -DKALVEST_WARNINGS_AS_ERRORS=ON \
      -DKALVEST_WITH_GUI=OFF -DKALVEST_WITH_BENCH=OFF \
      -DKALVEST_WINDOWS_SOURCES="$build/sources" >/dev/null
cmake --build "$build/x86_64" -j "$(nproc)"
echo "Windows 64-bit build: $((SECONDS - start)) s"

# Wine: headless, no questions about Mono or Gecko, no menu entries or file
# types in the user's home (winemenubuilder), quiet, and one server kept
# for all the programs. The prefix may have been made already, while
# the test command's other builds ran.
export WINEPREFIX="$build/wine-prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
unset DISPLAY WAYLAND_DISPLAY
# Wine makes the Unix names of Windows files in the locale's character set,
# which in the C locale (ASCII) holds no letter the tests' folder names
# have (Zoë Łukasz); the plain run's C.UTF-8 then stands in.
if [[ $(locale charmap 2>/dev/null) != UTF-8 ]]; then
    export LC_ALL=C.UTF-8
fi
wine_start=$SECONDS
with_32_bit=1
tools/windows/make-prefix.sh "$build" || with_32_bit=0
# One server for all the programs, started once the last one has gone.
wineserver -w
wineserver -p
trap 'wineserver -k 2>/dev/null || true' EXIT
echo "Wine prefix ready: $((SECONDS - wine_start)) s"

bin="$build/x86_64/bin"
failed=()
suites=0
for exe in "$bin"/*_test.exe; do
    name=$(basename "$exe" .exe)
    suites=$((suites + 1))
    # From the folder of the programs, as their data files lie there.
    if ! (cd "$bin" && "$wine64" "$exe" --gtest_brief=1) >"$build/$name.log" 2>&1; then
        failed+=("$name")
        echo "----- $name under Wine:"
        grep -v '^\s*#STDOFF' "$build/$name.log" | tail -40
    fi
done
if ((${#failed[@]} > 0)); then
    echo "FAILED under Wine: ${failed[*]}"
    exit 1
fi
echo "Windows 64-bit: all $suites Qt-free suites passed under Wine"

# The program in a folder whose name no 8-bit code page holds finds its
# data files, varquel and the zone data there, from another working folder.
# The name's UTF-8 bytes, which printf's \u would not give in the C locale.
odd="$build/programs/Zo"$'\xc3\xab'" "$'\xc5\x81'"ukasz"
rm -rf "$odd" && mkdir -p "$odd"
(cd "$bin" && cp -r kalvest-cli.exe varquel.dll kalvest.dat tzdata "$odd/")
arguments=(2021..2022 --tz Europe/Dublin --moon)
(cd "$bin" && "$wine64" kalvest-cli.exe "${arguments[@]}") >"$build/programs/expected.txt"
if ! (cd / && "$wine64" "$odd/kalvest-cli.exe" "${arguments[@]}") >"$build/programs/moved.txt" ||
   ! cmp -s "$build/programs/expected.txt" "$build/programs/moved.txt"; then
    echo "kalvest-cli.exe in \"$odd\" does not work as in its build folder:"
    diff "$build/programs/expected.txt" "$build/programs/moved.txt" >"$build/programs/moved.diff" || true
    head -5 "$build/programs/moved.diff"
    exit 1
fi
echo "kalvest-cli.exe runs from a folder named outside the code page"

tools/windows/compare-cli.sh "$wine64" "$bin/kalvest-cli.exe" "$linux_build/bin/kalvest-cli" \
                             "$build/cli-comparison"

if ((with_32_bit)); then
    tools/windows/test-32-bit.sh "$build" "$linux_build"
else
    echo "SKIPPED Windows 32-bit check: the 32-bit Wine cannot run here (no wine32, or no qemu-i386 for a kernel without 32-bit support)"
fi
echo "Windows part: $((SECONDS - start)) s"
