#!/bin/bash
# Installs the Debian packages that building, running and testing Kalvest
# need, skipping those already installed. Needs root (or sudo).
#   tools/deps.sh [--windows] [--web]
# --windows adds what the Windows cross-build under Wine needs (the test
# command's tools/test-windows.sh); --web what the browser build and its
# tests need (tools/test-web.sh): Emscripten, Chromium and its driver. The
# run command does without both. The browser's packages are large and not
# on every mirror: when they cannot be installed, this says so and goes on,
# and the browser tests say that they are skipped.
set -euo pipefail

windows=0
web=0
for argument in "$@"; do
    case $argument in
        --windows) windows=1 ;;
        --web) web=1 ;;
        *) echo "usage: tools/deps.sh [--windows] [--web]" >&2; exit 2 ;;
    esac
done

packages=(
    cmake ninja-build g++ clang libclang-rt-14-dev pkg-config
    qt6-base-dev qt6-svg-dev
    poppler-utils
    libgtest-dev libgmock-dev libbenchmark-dev
    g++-mingw-w64-i686 g++-mingw-w64-x86-64
    liberfa-dev
    libicu-dev
    libhowardhinnant-date-dev tzdata libcli11-dev nlohmann-json3-dev
    python3-icalendar khal
    python3
    xvfb xauth fonts-liberation
    xdg-utils
    help2man dpkg-dev file lintian strace desktop-file-utils appstream
)
if ((windows)); then
    # Wine for 64-bit and 32-bit programs, qemu to run the 32-bit Wine on a
    # kernel without 32-bit support, googletest's sources, and the mapping
    # of Windows zone names for the date/tz library.
    packages+=(wine wine64 wine32:i386 qemu-user-static binfmt-support googletest
               unicode-cldr-core)
fi

# A user other than root installs through sudo; without it nothing is
# installed (one SKIPPED line), and the builds then say what they miss.
run_as_root=()
if [[ $(id -u) -ne 0 ]]; then
    run_as_root=(sudo)
    command -v sudo >/dev/null || run_as_root=()
fi
can_install() { [[ $(id -u) -eq 0 || ${#run_as_root[@]} -gt 0 ]]; }
# Another apt or dpkg (an automatic upgrade) may hold the lock a while.
wait_for_lock=(-o DPkg::Lock::Timeout=900)

# The 32-bit Wine comes from Debian's i386 architecture, and the Windows
# build compiles ERFA, the date/tz library and the zone data from Debian's
# source packages, which need a deb-src entry for the same archive.
refresh=0
if ((windows)) && ! can_install; then
    windows=0
fi
if ((windows)) && ! dpkg --print-foreign-architectures | grep -qx i386; then
    "${run_as_root[@]}" dpkg --add-architecture i386
    refresh=1
fi
sources=/etc/apt/sources.list.d/debian.sources
source_entries=/etc/apt/sources.list.d/debian-src.sources
if ((windows)) && [[ -f $sources && ! -f $source_entries ]] && ! grep -rqs '^deb-src\|^Types:.*deb-src' /etc/apt/sources.list /etc/apt/sources.list.d; then
    sed 's/^Types: deb$/Types: deb-src/' "$sources" | "${run_as_root[@]}" tee "$source_entries" >/dev/null
    refresh=1
fi
if ((refresh)); then
    "${run_as_root[@]}" apt-get "${wait_for_lock[@]}" update -q
fi

# The packages of a list that are not installed yet.
missing_of() {
    local package
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
            echo "$package"
        fi
    done
}

export DEBIAN_FRONTEND=noninteractive
updated=0
mapfile -t missing < <(missing_of "${packages[@]}")
if ((${#missing[@]} > 0)); then
    if ! can_install; then
        echo "SKIPPED installing packages (neither root nor sudo): ${missing[*]}"
        exit 0
    fi
    echo "Installing: ${missing[*]}"
    "${run_as_root[@]}" apt-get "${wait_for_lock[@]}" update -q
    updated=1
    "${run_as_root[@]}" apt-get "${wait_for_lock[@]}" install -y -q --no-install-recommends "${missing[@]}"
fi

if ((web)); then
    # The browser build: Emscripten (with its node), the headless browser
    # and its driver for the page's test, and Selenium to drive it.
    mapfile -t missing < <(missing_of emscripten chromium chromium-driver python3-selenium)
    if ((${#missing[@]} > 0)); then
        if ! can_install; then
            echo "SKIPPED installing the browser build's packages (neither root nor sudo): ${missing[*]}"
            exit 0
        fi
        echo "Installing for the browser build: ${missing[*]}"
        ((updated)) || "${run_as_root[@]}" apt-get "${wait_for_lock[@]}" update -q
        if ! "${run_as_root[@]}" apt-get "${wait_for_lock[@]}" install -y -q --no-install-recommends "${missing[@]}"; then
            echo "Could not install ${missing[*]}: the browser build and its tests will be skipped"
        fi
    fi
fi
