#!/bin/bash
# Installs the Debian packages that building, running and testing Kalvest
# need, skipping those already installed. Needs root (or sudo).
#   tools/deps.sh [--windows]
# --windows adds what the Windows cross-build under Wine needs (the test
# command's tools/test-windows.sh); the run command does without it.
set -euo pipefail

windows=0
[[ ${1:-} == --windows ]] && windows=1

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

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done

if ((${#missing[@]} == 0)); then
    exit 0
fi

if ! can_install; then
    echo "SKIPPED installing packages (neither root nor sudo): ${missing[*]}"
    exit 0
fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${run_as_root[@]}" apt-get "${wait_for_lock[@]}" update -q
"${run_as_root[@]}" apt-get "${wait_for_lock[@]}" install -y -q --no-install-recommends "${missing[@]}"
