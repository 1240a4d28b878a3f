#!/bin/bash
# Lets the kernel start 32-bit programs (the 32-bit Wine) through
# qemu-i386 when it cannot itself, by registering qemu with binfmt_misc.
# Needs root; does nothing where 32-bit programs already run. Exit status
# 0 when the 32-bit Wine can start afterwards, else 1.
set -uo pipefail
wine32=/usr/lib/wine/wine
can_run_32_bit() { "$wine32" --version >/dev/null 2>&1; }
[[ -x $wine32 ]] || exit 1
can_run_32_bit && exit 0
[[ -x /usr/bin/qemu-i386-static ]] || exit 1
binfmt=/proc/sys/fs/binfmt_misc
[[ -e $binfmt/register ]] || mount -t binfmt_misc binfmt_misc "$binfmt" 2>/dev/null
if [[ -e $binfmt/register && ! -e $binfmt/qemu-i386 ]]; then
    # 32-bit x86 ELF programs; F: qemu is opened now, so it also works
    # inside other mount namespaces.
    printf '%s' ':qemu-i386:M::\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00:\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff:/usr/bin/qemu-i386-static:F' \
        >"$binfmt/register" 2>/dev/null
fi
can_run_32_bit
