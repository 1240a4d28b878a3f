#!/bin/bash
# Unpacks the Debian source packages that the Windows cross-build compiles
# itself (Debian has no MinGW build of them) into FOLDER:
#   erfa                 ERFA's C sources;
#   howardhinnant-date   the date/tz library's tz.cpp and headers;
#   tzdata               the IANA zone text files, of the same release as
#                        the installed tzdata package where that one can be
#                        fetched, so that both builds use the same zones.
# Needs a deb-src entry (tools/deps.sh --windows adds it). Prints nothing and
# does nothing when FOLDER already holds all three.
# Usage: fetch-sources.sh FOLDER
set -euo pipefail
folder=$1
mkdir -p "$folder"
cd "$folder"

have() { compgen -G "$1" >/dev/null; }
# apt-get warns that root fetches into a folder its own user cannot write.
quiet_source() { apt-get source -q "$@" 2>&1 >/dev/null | grep -v '^W: Download is performed unsandboxed' >&2 || true; }

for package in erfa howardhinnant-date; do
    if ! have "$package-*/"; then
        quiet_source "$package"
    fi
done

if ! have "tzdata-*/"; then
    # Only the upstream tarball is needed: Debian's own changes concern
    # its compiled files. Some versions listed by the archive lack their
    # Debian files, so each is asked for until one gives the tarball.
    installed=$(dpkg-query -W -f='${Version}' tzdata 2>/dev/null || true)
    mapfile -t versions < <(apt-cache showsrc tzdata | sed -n 's/^Version: //p' |
                            awk -v up="${installed%%-*}" '{print (index($0, up) == 1 ? 0 : 1), $0}' |
                            sort -k1,1n -k2,2Vr | cut -d' ' -f2)
    for version in "${versions[@]}"; do
        apt-get source -q -d "tzdata=$version" >/dev/null 2>&1 || true
        upstream=${version%%-*}
        for tarball in tzdata_"$upstream".orig.tar.{gz,xz}; do
            [[ -f $tarball ]] || continue
            mkdir "tzdata-$upstream"
            tar -xf "$tarball" -C "tzdata-$upstream"
            break 2
        done
    done
fi
for package in erfa howardhinnant-date tzdata; do
    have "$package-*/" || { echo "the source package $package could not be fetched" >&2; exit 1; }
done
