#!/bin/bash
# Cross-builds varquel for 32-bit Windows with MinGW and checks that the
# DLL's export table holds exactly the decorated standard-call names.
# Exit status 77 (skipped) when the cross compiler is not installed.
set -euo pipefail
source_dir=$1
work_dir=$2
expected=(_deltat@12 _varquel@12 _getenv1@8 _getenv2@12)
[[ -n "${VARQUEL_EXTRA_EXPORTS:-}" ]] && expected+=($VARQUEL_EXTRA_EXPORTS)

compiler=i686-w64-mingw32-g++
objdump=i686-w64-mingw32-objdump
if ! command -v "$compiler" >/dev/null || ! command -v "$objdump" >/dev/null; then
    echo "SKIPPED: $compiler not installed (Debian package g++-mingw-w64-i686);" \
         "the Windows export table was not checked."
    exit 77
fi

mkdir -p "$work_dir"
dll="$work_dir/varquel.dll"
sources=$(ls "$source_dir"/*.cpp)
# shellcheck disable=SC2086
"$compiler" -std=c++20 -O2 -Wall -Wextra -Werror -fno-exceptions -fno-rtti \
    -shared -static-libgcc -o "$dll" $sources "$source_dir/varquel.def"

exports=$("$objdump" -p "$dll" |
          sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' |
          grep -E '^\s*\[ *[0-9]+\] ' | sed -E 's/^\s*\[ *[0-9]+\] //' | sort)
echo "export table of varquel.dll:"
echo "$exports"
wanted=$(printf '%s\n' "${expected[@]}" | sort)
if [[ "$exports" != "$wanted" ]]; then
    echo "expected exactly:" >&2
    echo "$wanted" >&2
    exit 1
fi
# The library's own entry procedure (from windows_entry.cpp), not the
# runtime's default one: its symbol follows that file's record.
symbols=$("$objdump" -t "$dll")
entry_file=$(grep -B2 '_DllMain@12$' <<<"$symbols" || true)
if [[ "$entry_file" != *windows_entry* ]]; then
    echo "the DLL lacks its own entry procedure DllMain" >&2
    exit 1
fi
imports=$("$objdump" -p "$dll" | grep 'DLL Name' || true)
echo "$imports"
if echo "$imports" | grep -Eiq 'libstdc|libgcc'; then
    echo "the DLL must not need the C++ or GCC runtime DLLs" >&2
    exit 1
fi
echo "Windows export table: ok"
