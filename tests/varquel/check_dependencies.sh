#!/bin/bash
# Fails when the shared library needs anything but the C library, its
# loader, libm or the kernel's vDSO.
set -euo pipefail
library=$1
deps=$(ldd "$library")
echo "$deps"
unexpected=$(echo "$deps" | grep -Ev '^\s*(linux-vdso\.so|libc\.so|libm\.so|/lib.*/ld-linux|ld-linux)' || true)
# A sanitizer build links its runtimes on purpose.
unexpected=$(echo "$unexpected" | grep -Ev 'lib(asan|ubsan|gcc_s|stdc\+\+)\.so' || true)
if [[ -n "$unexpected" ]]; then
    if ldd "$library" | grep -q 'libasan'; then
        exit 0
    fi
    echo "unexpected dependencies:" >&2
    echo "$unexpected" >&2
    exit 1
fi
if echo "$deps" | grep -Eq 'lib(stdc\+\+|gcc_s)\.so' && ! echo "$deps" | grep -q libasan; then
    echo "the C++ runtime must not be a dependency" >&2
    exit 1
fi
echo "only the C runtime: ok"
