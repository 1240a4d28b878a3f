#!/bin/bash
# Installs the Debian packages that building, running and testing Kalvest
# need, skipping those already installed. Needs root (or sudo).
set -euo pipefail

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

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done

if ((${#missing[@]} == 0)); then
    exit 0
fi

echo "Installing: ${missing[*]}"
run_as_root=()
if [[ $(id -u) -ne 0 ]]; then
    run_as_root=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${run_as_root[@]}" apt-get update -q
"${run_as_root[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
