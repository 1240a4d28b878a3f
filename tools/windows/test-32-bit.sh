#!/bin/bash
# The 32-bit varquel.dll and a 32-bit C caller (varquel_sweep.c) that loads
# it by file name and calls its decorated standard-call exports; under Wine
# its results must agree with those of the Linux library: every integer
# and text exactly, every floating-point value within 1e-12 relative
# (sweep_close.py). Not bit for bit, because the DLL's sines and cosines
# come from MinGW-w64's C runtime, which uses the x87 instructions fsin
# and fcos, while the Linux library uses glibc's: a processor's fsin and
# fcos differ from glibc in the last bits, and the eclipse quantities
# enlarge that to 1.5e-14 relative. Under qemu-i386, which computes those
# instructions with glibc, the two agree bit for bit all the same. The
# Linux sweep is run a second time with the x87 sines and cosines
# (x87_sin_cos.c), as a processor gives them to the DLL, and must keep to
# the same bound.
# This kernel may run no 32-bit programs: the 32-bit Wine then runs through
# qemu-i386, registered with binfmt_misc. Under qemu each start of Wine
# takes most of a minute, so the whole sweep is one run.
# It runs in the prefix of the 64-bit programs (WINEPREFIX), whose services
# are 64-bit and so run natively; tools/windows/enable-32-bit.sh must have
# run before that prefix was made, so that it holds the 32-bit system too.
# Usage: test-32-bit.sh BUILD_DIR LINUX_BUILD_DIR
set -euo pipefail
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
build=$1
linux_build=$2
wine32=/usr/lib/wine/wine
linux_library="$linux_build/bin/libvarquel.so.1"

skip() { echo "SKIPPED Windows 32-bit check: $*"; exit 0; }
command -v i686-w64-mingw32-gcc >/dev/null || skip "no i686-w64-mingw32-gcc"
[[ -x $wine32 ]] || skip "no 32-bit Wine (Debian package wine32:i386)"
[[ -f $linux_library ]] || skip "no Linux varquel at $linux_library"

"$wine32" --version >/dev/null 2>&1 ||
    skip "this kernel runs no 32-bit programs and qemu-i386 could not be registered"

cmake -S "$source_dir/varquel" -B "$build/i686" -G Ninja \
      -DCMAKE_TOOLCHAIN_FILE="$source_dir/cmake/mingw-i686.cmake" \
      -DCMAKE_BUILD_TYPE=Release -DCMAKE_COMPILE_WARNING_AS_ERROR=ON >/dev/null
cmake --build "$build/i686"
# SSE2 arithmetic, as the library has, so that no x87 register rounds.
i686-w64-mingw32-gcc -O2 -Wall -Wextra -Werror -msse2 -mfpmath=sse -static \
    -I"$source_dir/varquel" "$source_dir/tools/windows/varquel_sweep.c" \
    -o "$build/i686/varquel_sweep.exe"
cc -O2 -Wall -Wextra -Werror -I"$source_dir/varquel" "$source_dir/tools/windows/varquel_sweep.c" \
   -o "$build/varquel_sweep_linux" -ldl

export KALVEST_SWEEP_VALUE="new moon"
"$build/varquel_sweep_linux" "$linux_library" >"$build/sweep-linux.txt"
if [[ $(uname -m) == x86_64 ]]; then
    cc -O2 -Wall -Wextra -Werror -shared -fPIC "$source_dir/tools/windows/x87_sin_cos.c" \
       -o "$build/x87_sin_cos.so"
    LD_PRELOAD="$build/x87_sin_cos.so" "$build/varquel_sweep_linux" "$linux_library" \
        >"$build/sweep-linux-x87.txt"
    echo -n "Linux library with the x87 sines and cosines: "
    python3 "$source_dir/tools/windows/sweep_close.py" "$build/sweep-linux.txt" \
            "$build/sweep-linux-x87.txt" || exit 1
fi
start=$SECONDS
if ! (cd "$build/i686" && "$wine32" varquel_sweep.exe varquel.dll) >"$build/sweep-windows-32.raw"; then
    echo "varquel_sweep.exe failed under the 32-bit Wine"
    exit 1
fi
tr -d '\r' <"$build/sweep-windows-32.raw" >"$build/sweep-windows-32.txt"
echo -n "Windows 32-bit, $(wc -l <"$build/sweep-linux.txt") lines of the decorated exports" \
        "($((SECONDS - start)) s under Wine): "
python3 "$source_dir/tools/windows/sweep_close.py" "$build/sweep-linux.txt" \
        "$build/sweep-windows-32.txt" || exit 1
