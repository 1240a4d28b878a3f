#!/usr/bin/env python3
"""Checks every include of app/ and web/ against the layers of docs/architecture.md.

A file may include a header of a layer with a smaller number, or of its own
layer; neighbours (the same number) and higher layers are out. The files of
the Qt-free layers include no Qt header. Prints each fault and exits 1 if
there is any.

    check_layers.py SOURCE_DIR
"""
import pathlib
import re
import sys

QT_FREE_BELOW = 10  # layers 1..9 use no Qt


def read_layers(table_path):
    """(path prefix, number, name) for every path of the table's rows."""
    rules = []
    for line in table_path.read_text(encoding="utf-8").splitlines():
        cells = [cell.strip() for cell in line.strip().strip("|").split("|")]
        if len(cells) < 4 or not cells[0].isdigit():
            continue
        for prefix in re.findall(r"`((?:app|web)/[^`]*)`", cells[3]):
            rules.append((prefix, int(cells[0]), cells[1]))
    return rules


def layer_of(path, rules):
    matches = [rule for rule in rules if path.startswith(rule[0])]
    return max(matches, key=lambda rule: len(rule[0])) if matches else None


def main():
    source = pathlib.Path(sys.argv[1])
    rules = read_layers(source / "docs" / "architecture.md")
    if not rules:
        print("docs/architecture.md holds no table of layers")
        return 1
    faults = []
    files = sorted(p for folder in ("app", "web") for p in (source / folder).rglob("*")
                   if p.suffix in (".h", ".cpp", ".in") and p.is_file())
    for file in files:
        path = file.relative_to(source).as_posix()
        own = layer_of(path, rules)
        if own is None:
            faults.append(f"{path}: in no layer of docs/architecture.md")
            continue
        for number, line in enumerate(file.read_text(encoding="utf-8").splitlines(), 1):
            quoted = re.match(r'\s*#\s*include\s+"([^"]+/[^"]+)"', line)
            if quoted:
                header = quoted.group(1)
                used = layer_of(header if header.startswith("web/") else "app/" + header, rules)
                if used and used[1:] != own[1:] and used[1] >= own[1]:
                    faults.append(f"{path}:{number}: the {own[2]} layer ({own[1]}) includes "
                                  f"{header} of the {used[2]} layer ({used[1]})")
            if own[1] < QT_FREE_BELOW and re.match(r"\s*#\s*include\s+<Q", line):
                faults.append(f"{path}:{number}: the Qt-free {own[2]} layer includes Qt")
    for fault in faults:
        print(fault)
    print(f"{len(files)} files of app/ and web/ checked against {len(rules)} paths of the layers: "
          f"{len(faults)} faults")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
