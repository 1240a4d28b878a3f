#!/bin/bash
# Builds the browser page with Emscripten and tests it (part of the test
# command):
#   1. the module's sin and cos against the nearest doubles, under node;
#   2. the WebAssembly core against the Linux kalvest-cli, byte for byte,
#      under node (web/tests/compare_with_cli.js);
#   3. one walk through the page in headless Chromium from a local static
#      server, online and offline (web/tests/browser_walk.py), which keeps
#      a screenshot in BUILD_DIR/browser;
# and prints the sizes of the module and of its zone data.
# Where Emscripten or Chromium is missing, it says so in one line and skips
# what needs it (exit status 0).
# Usage: tools/test-web.sh BUILD_DIR [LINUX_BUILD_DIR]
#   LINUX_BUILD_DIR: a native build with kalvest-cli (default: build).
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath -m "$1")
linux_build=$(realpath -m "${2:-build}")
start=$SECONDS

if ! command -v emcmake >/dev/null || ! command -v node >/dev/null; then
    echo "SKIPPED web build: needs emscripten (tools/deps.sh --web installs it)"
    exit 0
fi
mkdir -p "$build"
if ! tools/windows/fetch-sources.sh "$build/sources"; then
    echo "SKIPPED web build: the Debian source packages erfa, howardhinnant-date and tzdata could not be fetched (apt-get source; tools/deps.sh --windows adds the deb-src entry)"
    exit 0
fi

emcmake cmake -S . -B "$build" -G Ninja -DKALVEST_WEB=ON -DCMAKE_BUILD_TYPE=Release \
        -DKALVEST_WARNINGS_AS_ERRORS=ON >/dev/null
cmake --build "$build" -j "$(nproc)" --target kalvest_site kalvest_web_math_check
echo "Web build: $((SECONDS - start)) s"
site="$build/site"

node "$build/bin/kalvest_web_math_check.js"
if [[ -x $linux_build/bin/kalvest-cli ]]; then
    node web/tests/compare_with_cli.js "$site" "$linux_build/bin/kalvest-cli"
else
    echo "SKIPPED comparison with kalvest-cli: no Linux kalvest-cli at $linux_build/bin"
fi

# Sizes as a server sends them: as they are, and compressed.
size_line() {
    local name=$1
    shift
    local raw gzipped
    raw=$("$@" | wc -c)
    gzipped=$("$@" | gzip -9 | wc -c)
    printf '%-36s %9d bytes, %8d gzip\n' "$name" "$raw" "$gzipped"
}
size_line "kalvest.wasm (zone data inside)" cat "$site/kalvest.wasm"
size_line "  of it the zone files" find "$build/web/zoneinfo" -type f -exec cat {} +
size_line "kalvest.js" cat "$site/kalvest.js"
size_line "every file of the site" find "$site" -type f -exec cat {} +

if ! command -v chromium >/dev/null || [[ ! -x /usr/bin/chromedriver ]] ||
   ! /usr/bin/python3 -c 'import selenium, icalendar' 2>/dev/null; then
    echo "SKIPPED browser test: needs chromium, chromium-driver, python3-selenium and python3-icalendar (tools/deps.sh --web)"
    exit 0
fi
/usr/bin/python3 web/tests/browser_walk.py "$site" "$build/browser"
echo "Web part: $((SECONDS - start)) s"
