"""The AppStream file's feature list against kalvest-cli --help: every item
of the list names the tool's options that give it, in brackets, and every
option named must be one that --help lists, so that the software centre's
description cannot promise what the tool no longer does.

Usage: appstream_options.py METAINFO_XML KALVEST_CLI
"""
import re
import subprocess
import sys
import xml.etree.ElementTree as ElementTree

OPTION = re.compile(r"--[a-z][a-z-]*")


def main(metainfo, cli):
    items = ElementTree.parse(metainfo).getroot().findall("./description/ul/li")
    listed = set(re.findall(r"^\s+(?:-\w, )?(--[a-z][a-z-]*)", subprocess.run(
        [cli, "--help"], check=True, capture_output=True, text=True).stdout, re.MULTILINE))
    faults = []
    if not items:
        faults.append("the description has no feature list")
    for item in items:
        named = OPTION.findall(item.text or "")
        if not named:
            faults.append(f"names no option: {item.text}")
        faults += [f"{option} is not in kalvest-cli --help: {item.text}"
                   for option in named if option not in listed]
    for fault in faults:
        print(fault)
    print(f"{len(items)} features, {sum(len(OPTION.findall(i.text or '')) for i in items)} "
          f"options named; --help lists {len(listed)}")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:3]))
