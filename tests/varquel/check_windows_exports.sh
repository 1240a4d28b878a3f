#!/bin/bash
# Cross-builds varquel for 32-bit and 64-bit Windows through its own CMake
# project and the MinGW toolchain files, then checks each DLL: the export
# table holds exactly the decorated standard-call names on 32-bit Windows
# and the plain names on 64-bit Windows, the library's own entry procedure
# is there, it needs no C++ or GCC runtime DLL, and the C example links
# against its import library.
# Usage: check_windows_exports.sh PROJECT_SOURCE_DIR WORK_DIR [WARNINGS_AS_ERRORS]
# Exit status 77 (skipped) when no MinGW cross compiler is installed.
set -euo pipefail
source_dir=$1
work_dir=$2
warnings_as_errors=${3:-OFF}
decorated=(_deltat@12 _varquel@12 _getenv1@8 _getenv2@12)
[[ -n "${VARQUEL_EXTRA_EXPORTS:-}" ]] && decorated+=($VARQUEL_EXTRA_EXPORTS)

generator=()
command -v ninja >/dev/null && generator=(-G Ninja)

# check_architecture ARCH EXPECTED...
check_architecture() {
    local arch=$1
    shift
    local triplet=$arch-w64-mingw32
    local objdump=$triplet-objdump
    local build="$work_dir/$arch"
    cmake -S "$source_dir/varquel" -B "$build" "${generator[@]}" \
          -DCMAKE_TOOLCHAIN_FILE="$source_dir/cmake/mingw-$arch.cmake" \
          -DCMAKE_BUILD_TYPE=Release \
          -DCMAKE_COMPILE_WARNING_AS_ERROR="$warnings_as_errors" >/dev/null
    cmake --build "$build"
    local dll="$build/varquel.dll"

    local exports wanted
    exports=$("$objdump" -p "$dll" |
              sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' |
              grep -E '^\s*\[ *[0-9]+\] ' | sed -E 's/^\s*\[ *[0-9]+\] //' | sort)
    echo "export table of the $arch varquel.dll:"
    echo "$exports"
    wanted=$(printf '%s\n' "$@" | sort)
    if [[ "$exports" != "$wanted" ]]; then
        echo "expected exactly:" >&2
        echo "$wanted" >&2
        return 1
    fi
    # The library's own entry procedure (from windows_entry.cpp), not the
    # runtime's default one: its symbol follows that file's record.
    local entry_file
    entry_file=$("$objdump" -t "$dll" | grep -B2 -E '_?DllMain(@12)?$' || true)
    if [[ "$entry_file" != *windows_entry* ]]; then
        echo "the $arch DLL lacks its own entry procedure DllMain" >&2
        return 1
    fi
    local imports
    imports=$("$objdump" -p "$dll" | grep 'DLL Name' || true)
    echo "$imports"
    if grep -Eiq 'libstdc|libgcc' <<<"$imports"; then
        echo "the $arch DLL must not need the C++ or GCC runtime DLLs" >&2
        return 1
    fi
    # A C program that includes the header links against the import
    # library: the names it refers to are the ones the library provides.
    "$triplet-gcc" -Wall -Wextra -Werror -I"$source_dir/varquel" \
        "$source_dir/varquel/examples/phase_example.c" \
        -L"$build" -lvarquel -o "$build/phase_example.exe"
    echo "$arch: ok"
}

found=0
for arch in i686 x86_64; do
    if ! command -v "$arch-w64-mingw32-gcc" >/dev/null; then
        echo "$arch-w64-mingw32-gcc not installed (Debian package gcc-mingw-w64-${arch//_/-})"
        continue
    fi
    found=1
    if [[ $arch == i686 ]]; then
        check_architecture "$arch" "${decorated[@]}"
    else
        check_architecture "$arch" $(printf '%s\n' "${decorated[@]}" | sed -E 's/^_//; s/@[0-9]+$//')
    fi
done
if ((found == 0)); then
    echo "SKIPPED: no MinGW cross compiler; the Windows export tables were not checked."
    exit 77
fi
echo "Windows export tables: ok"
