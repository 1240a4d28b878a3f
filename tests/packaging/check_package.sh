#!/bin/bash
# Builds the Debian package of a configured build folder, checks it with
# lintian (no errors), unpacks it into a temporary root and tries the
# installation there as a user would: kalvest-cli from another folder,
# through a symbolic link and from PATH; the window started offscreen and
# closed; and the C example built against the installed varquel through
# pkg-config and through find_package(varquel). Every program must take
# its files from the unpacked root, never from the build folder.
# Usage: check_package.sh BUILD_DIR (configured with any install prefix, and
# built)
set -euo pipefail
build=$(realpath "$1")
cached() { sed -n "s/^$1:[A-Z]*=//p" "$build/CMakeCache.txt"; }
source_dir=$(cached Kalvest_SOURCE_DIR)
# Where the package installs, whatever the build's own prefix.
prefix=$(sed -n 's/^set(CPACK_PACKAGING_INSTALL_PREFIX "\(.*\)")$/\1/p' "$build/CPackConfig.cmake")
[[ $prefix == /usr ]] || { echo "FAILED: the package installs under '$prefix', not /usr" >&2; exit 1; }
with_gui=$(cached KALVEST_WITH_GUI)
work=$build/package-test
rm -rf "$work"
mkdir -p "$work/elsewhere" "$work/links"
mkdir -m 700 "$work/runtime"

step() { echo "--- $*"; }
fail() { echo "FAILED: $*" >&2; exit 1; }

step "package"
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/deb" >/dev/null
package=$(ls "$work"/deb/kalvest_*.deb)
echo "$package"
control=$(dpkg-deb --field "$package")
echo "$control" | grep -E '^(Version|Section|Maintainer|Depends|Recommends):'
# Dependencies come from the libraries the programs link, not from a list.
for needed in libc6 liberfa1 libstdc++6; do
    grep -q "^Depends:.*\b$needed\b" <<<"$control" || fail "Depends lacks $needed"
done
if [[ $with_gui == ON ]]; then
    grep -q "^Depends:.*\blibqt6widgets6\b" <<<"$control" || fail "Depends lacks libqt6widgets6"
fi

# No maintainer script but the ldconfig trigger: a postrm would keep a
# removed package in dpkg's database until it is purged.
scripts=$(dpkg-deb --info "$package" | grep -oE '\b(preinst|postinst|prerm|postrm)\b' || true)
[[ -z "$scripts" ]] || fail "maintainer scripts in the package: $scripts"

if command -v lintian >/dev/null; then
    step "lintian"
    findings=$(lintian "$package" 2>/dev/null || true)
    echo "$findings"
    if grep -q '^E:' <<<"$findings"; then fail "lintian reports errors"; fi
fi

step "unpack"
root=$work/root
dpkg-deb -x "$package" "$root"

if [[ $with_gui == ON ]]; then
    step "desktop entry and AppStream metainfo"
    desktop-file-validate "$root$prefix/share/applications/kalvest.desktop"
    # A warning is no failure (see the README); an error is.
    validation=$(appstreamcli validate --no-net --no-color \
                     "$root$prefix/share/metainfo/kalvest.metainfo.xml" || true)
    grep -E '^[EWI]:' <<<"$validation" || true
    if grep -q '^E:' <<<"$validation"; then fail "appstreamcli reports errors"; fi
fi
bin=$root$prefix/bin
libdir=$(dirname "$(find "$root" -name 'libvarquel.so.*.*' | head -n 1)")
[[ -n "$libdir" && -d "$libdir" ]] || fail "no libvarquel in the package"

# run_cli LABEL COMMAND...: kalvest-cli must print the March equinox of
# 2021 with varquel loaded from the unpacked root.
run_cli() {
    local label=$1
    shift
    local output loaded
    output=$(cd "$work/elsewhere" && "$@" 2021 --events march --method mean)
    echo "$label: $output"
    [[ "$output" == "Spring (March) equinox ........ 2021-03-20 CE 09:37 GMT" ]] ||
        fail "$label: unexpected output"
    output=$(cd "$work/elsewhere" && LD_DEBUG=files "$@" 2021 --events march --method mean \
                 2>&1 >/dev/null)
    loaded=$(grep -m 1 -o 'calling init: [^ ]*libvarquel[^ ]*' <<<"$output" || true)
    loaded=${loaded#calling init: }
    [[ "$loaded" == "$libdir/"* ]] || fail "$label: varquel came from '$loaded'"
}
step "kalvest-cli"
run_cli "from another folder" "$bin/kalvest-cli"
ln -s "$bin/kalvest-cli" "$work/links/kalvest-cli"
run_cli "through a symbolic link" "$work/links/kalvest-cli"
run_cli "from PATH" env PATH="$bin:$PATH" kalvest-cli
"$bin/kalvest-cli" --version | grep -qx "kalvest-cli [0-9.]*" || fail "kalvest-cli --version"
if [[ $with_gui == ON ]]; then
    # The wheel is drawn with Qt's GUI and SVG libraries, without a display.
    (cd "$work/elsewhere" && env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM \
         "$bin/kalvest-cli" 2025 --wheel wheel.svg --moon) || fail "kalvest-cli --wheel"
    grep -q "The wheel of the year 2025 CE" "$work/elsewhere/wheel.svg" ||
        fail "kalvest-cli --wheel: no title in the picture"
fi

if [[ $with_gui == ON ]]; then
    step "kalvest, offscreen"
    version=$("$bin/kalvest" --version) || fail "kalvest --version"
    [[ ${version%%$'\n'*} =~ ^Kalvest\ [0-9.]+$ ]] || fail "kalvest --version: $version"
    # Started from another folder, with a settings folder of its own, and
    # closed after a few seconds (timeout's status 124: it was still
    # running). Its program texts must come from the unpacked data folder;
    # strace shows which file it opened.
    trace=()
    command -v strace >/dev/null && trace=(strace -f -e trace=openat -o "$work/kalvest.trace")
    status=0
    (cd "$work/elsewhere" &&
     QT_QPA_PLATFORM=offscreen XDG_DATA_HOME="$work/data-home" XDG_RUNTIME_DIR="$work/runtime" \
         "${trace[@]}" timeout 4 "$bin/kalvest") || status=$?
    ((status == 124)) || fail "the window program ended by itself (status $status)"
    if ((${#trace[@]} > 0)); then
        opened=$(grep 'kalvest\.dat' "$work/kalvest.trace" | grep -v ENOENT || true)
        echo "$opened"
        [[ "$opened" == *"\"$root$prefix/share/kalvest/kalvest.dat\""* ]] ||
            fail "kalvest did not read its program texts from the unpacked data folder"
    fi
fi

step "C example through pkg-config"
export LD_LIBRARY_PATH=$libdir
example=$source_dir/varquel/examples/phase_example.c
pc_dir=$libdir/pkgconfig
flags=$(PKG_CONFIG_LIBDIR=$pc_dir pkg-config --cflags --libs varquel)
echo "pkg-config: $flags"
# shellcheck disable=SC2086
cc -Wall -Wextra -Werror -o "$work/example-pkgconfig" "$example" $flags
expected="full moon JDE 2451564.69546, eclipse 10, saros 124, umbral magnitude 1.324"
[[ $("$work/example-pkgconfig" | head -n 1) == "$expected" ]] || fail "pkg-config example"

step "C example through find_package(varquel)"
generator=()
command -v ninja >/dev/null && generator=(-G Ninja)
cmake -S "$source_dir/varquel/examples" -B "$work/example-cmake" "${generator[@]}" \
      -DCMAKE_PREFIX_PATH="$root$prefix" -DCMAKE_C_FLAGS="-Wall -Wextra -Werror" >/dev/null
found=$(grep '^varquel_DIR' "$work/example-cmake/CMakeCache.txt")
echo "$found"
[[ "$found" == *"=$root"* ]] || fail "find_package found another varquel"
cmake --build "$work/example-cmake" >/dev/null
[[ $("$work/example-cmake/phase_example" | head -n 1) == "$expected" ]] || fail "CMake example"

echo "package: ok"
