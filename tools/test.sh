#!/bin/bash
# Installs what is missing, then builds and tests Kalvest four ways, each
# with every compiler warning an error:
#   1. GCC at -O2 with Debian's build flags, as a distribution builds it:
#      every test, the Windows cross-builds of varquel and the resource
#      scripts, a brief run of every benchmark, and the Debian package, which
#      is checked by lintian, unpacked into a temporary root and tried there;
#   2. Clang under AddressSanitizer and UndefinedBehaviorSanitizer (with
#      LeakSanitizer): every test;
#   3. Clang with libFuzzer: every fuzz target for 10 seconds;
#   4. Emscripten for the browser: the core in WebAssembly compared with
#      kalvest-cli under node, and the page walked through in headless
#      Chromium (skipped, with one line, where they cannot be installed);
#   5. MinGW-w64 for Windows: the Qt-free parts, run under Wine.
# --repeat N runs each build's suite N times instead of once, in random
# order and at twice as many at once as the machine has cores, until a test
# fails: for tests that pass or fail by the luck of the schedule.
#   tools/test.sh [--repeat N]
set -euo pipefail
cd "$(dirname "$0")/.."

repeat=0
while (($#)); do
    case $1 in
        --repeat) repeat=${2:-}; shift $(($# > 1 ? 2 : 1)) ;;
        --repeat=*) repeat=${1#--repeat=}; shift ;;
        *) repeat=bad; shift ;;
    esac
    if [[ ! $repeat =~ ^[1-9][0-9]*$ ]]; then
        echo "usage: tools/test.sh [--repeat N]" >&2
        exit 2
    fi
done

tools/deps.sh --windows --web

export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)
strict=(-G Ninja -DKALVEST_WARNINGS_AS_ERRORS=ON)

# run_suite BUILD: the build's tests, once or, with --repeat, N times.
run_suite() {
    if ((repeat > 0)); then
        (cd "$1" && ctest --output-on-failure --schedule-random \
                          --repeat until-fail:"$repeat" -j "$((2 * jobs))")
    else
        (cd "$1" && ctest --output-on-failure -j "$jobs")
    fi
}

# The Windows test's Wine prefix takes minutes of one emulated 32-bit
# process; made in the background at low priority, it uses the time the
# builds below leave a core idle.
mkdir -p build-windows
nice -n 10 tools/windows/make-prefix.sh build-windows >build-windows/wine-prefix.log 2>&1 &
prefix_job=$!
stop_wine() {
    kill "$prefix_job" 2>/dev/null || true
    if command -v wineserver >/dev/null; then
        WINEPREFIX="$PWD/build-windows/wine-prefix" wineserver -k 2>/dev/null || true
    fi
}
trap stop_wine EXIT

# Debian's compiler and linker flags (fortified, hardened), which CMake
# takes from the environment when it first configures a build folder; it
# reads no CPPFLAGS, so those go in front of the compiler flags.
(
    eval "$(DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --export=sh)"
    export CFLAGS="$CPPFLAGS $CFLAGS" CXXFLAGS="$CPPFLAGS $CXXFLAGS"
    cmake -S . -B build-release "${strict[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
          -DCMAKE_C_COMPILER=gcc -DCMAKE_CXX_COMPILER=g++ -DCMAKE_INSTALL_PREFIX=/usr
)
cmake --build build-release -j "$jobs"
run_suite build-release
tests/packaging/check_package.sh build-release

cmake -S . -B build-sanitize "${strict[@]}" -DCMAKE_BUILD_TYPE=Debug \
      -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DKALVEST_SANITIZE=ON
cmake --build build-sanitize -j "$jobs"
run_suite build-sanitize

cmake -S . -B build-fuzz "${strict[@]}" -DCMAKE_BUILD_TYPE=Release -DKALVEST_FUZZ=ON \
      -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
      -DKALVEST_WITH_GUI=OFF -DKALVEST_WITH_TESTS=OFF -DKALVEST_WITH_BENCH=OFF
cmake --build build-fuzz -j "$jobs" --target kalvest_fuzz
tools/fuzz.sh build-fuzz 10

# The browser build, compared with the first build's kalvest-cli.
tools/test-web.sh build-web build-release

# The Windows cross-build, compared with the first build's programs.
wait "$prefix_job" || true
cat build-windows/wine-prefix.log
tools/test-windows.sh build-windows build-release
