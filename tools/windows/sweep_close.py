"""Compares two outputs of varquel_sweep value by value: the same lines,
every field that is not a hexadecimal floating-point number (the names,
the arguments, lunation, phase, saros, eclipse class, the getenv results)
exactly equal, and each floating-point value within a bound of the other.

The bound: 1e-12 relative, values below 1 taken as 1 (so 1e-12 absolute
there). The 32-bit varquel.dll gets its sines and cosines from MinGW-w64's
static C runtime (libmingwex), which computes them with the x87
instructions fsin and fcos; glibc computes them in software, correctly
rounded in practice. A processor's fsin and fcos are off by a unit in the
last place now and then, and by a few hundred near the zeros of sine and
cosine (the instructions reduce by a 66-bit pi). qemu-i386 computes both
instructions with the host's glibc, so there the two agree bit for bit; on
a kernel that runs the 32-bit Wine itself they do not. The instants stay
equal, as each sine enters them a hundred thousand times smaller; the
eclipse quantities that subtract nearly equal terms (gamma, u, the
magnitudes, the semidurations) enlarge the differences: with fsin and
fcos, 303 values of 165 lines differ, by at most 1.5e-14 relative (66
times 2^-52, in a semiduration of totality). The
bound leaves a margin of almost 70 over that and stays below any real
fault: a periodic term left out or wrong moves an instant by at least
0.00002 day (8e-12 of 2.4 million days), single-precision arithmetic
moves values by 1e-7, a wrong argument or calling convention by far more.

Prints how many values are equal bit for bit and the largest difference;
beyond the bound it prints the first few and exits with status 1.

Usage: sweep_close.py LINUX_SWEEP WINDOWS_SWEEP
"""
import math
import re
import sys

HEX_FLOAT = re.compile(r"^-?(?:0x[0-9a-f]+(?:\.[0-9a-f]*)?p[-+]\d+|inf|nan)$")
BOUND = 1e-12
SHOWN = 5


def difference(a, b):
    """Relative difference of two finite values, below 1 taken as 1."""
    x, y = float.fromhex(a), float.fromhex(b)
    if not (math.isfinite(x) and math.isfinite(y)):
        return math.inf
    return abs(x - y) / max(1.0, abs(x), abs(y))


def main(linux_path, windows_path):
    with open(linux_path) as f:
        linux = f.read().splitlines()
    with open(windows_path) as f:
        windows = f.read().splitlines()
    if len(linux) != len(windows):
        print(f"the sweeps have {len(linux)} and {len(windows)} lines")
        return 1
    values = equal = 0
    largest, largest_line = 0.0, None
    failures = []
    for number, (a_line, b_line) in enumerate(zip(linux, windows), start=1):
        a_fields, b_fields = a_line.split(), b_line.split()
        if len(a_fields) != len(b_fields):
            failures.append(f"line {number}: {a_line!r} and {b_line!r}")
            continue
        for a, b in zip(a_fields, b_fields):
            if not HEX_FLOAT.match(a):
                if a != b:
                    failures.append(f"line {number}: '{a}' and '{b}' differ: {a_line}")
                continue
            values += 1
            if a == b:
                equal += 1
                continue
            d = difference(a, b) if HEX_FLOAT.match(b) else math.inf
            if d > largest:
                largest, largest_line = d, number
            if d > BOUND:
                failures.append(f"line {number}: {a} and {b} differ by {d:.3g}: {a_line}")
    print(f"{values} values: {equal} equal bit for bit, {values - equal} differ, "
          f"at most {largest:.3g} relative"
          + (f" (line {largest_line})" if largest_line else "")
          + f"; bound {BOUND:g}")
    if failures:
        print(f"{len(failures)} fields beyond the bound or unequal; the first ones:")
        for failure in failures[:SHOWN]:
            print("  " + failure)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:3]))
