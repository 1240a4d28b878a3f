#!/bin/bash
# Installs what is missing, builds Kalvest and runs it: the window program
# when a display is present, otherwise this year's solar events through
# kalvest-cli.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/deps.sh

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build build --target kalvest kalvest-cli varquel kalvest_data >/dev/null

if [[ -n "${DISPLAY:-}" || -n "${WAYLAND_DISPLAY:-}" ]]; then
    exec build/bin/kalvest
fi
exec build/bin/kalvest-cli "$(date +%Y)" --weekday
