"""Compares two CSV files field by field: the same rows and columns, the
same text wherever a field is not a floating-point number, and floating-
point fields within a bound of each other.

The bound: 1e-9 relative, at least 1e-9 absolute. The two C runtimes'
mathematical functions may differ in the last bit or two, which a
computation of an instant magnifies to about 1e-12 of a day; anything
larger is a real difference, not rounding.

Usage: csv_close.py LINUX_CSV WINDOWS_CSV
"""
import csv
import re
import sys

FLOAT = re.compile(r"^[-+]?\d+\.\d+(?:[eE][-+]?\d+)?$")
BOUND = 1e-9


def main(left_path, right_path):
    with open(left_path, newline="") as f:
        left = list(csv.reader(f))
    with open(right_path, newline="") as f:
        right = list(csv.reader(f))
    if len(left) != len(right):
        sys.exit(f"row counts differ: {len(left)} and {len(right)}")
    worst = 0.0
    differing = 0
    for number, (a_row, b_row) in enumerate(zip(left, right), start=1):
        if len(a_row) != len(b_row):
            sys.exit(f"row {number}: column counts differ")
        for a, b in zip(a_row, b_row):
            if a == b:
                continue
            if not (FLOAT.match(a) and FLOAT.match(b)):
                sys.exit(f"row {number}: '{a}' and '{b}' differ")
            x, y = float(a), float(b)
            difference = abs(x - y)
            if difference > BOUND * max(1.0, abs(x)):
                sys.exit(f"row {number}: {a} and {b} differ by {difference:g}")
            worst = max(worst, difference / max(1.0, abs(x)))
            differing += 1
    print(f"CSV: {len(left)} rows; {differing} floating-point fields differ, "
          f"at most {worst:.3g} relative (bound {BOUND:g})")


if __name__ == "__main__":
    main(*sys.argv[1:3])
