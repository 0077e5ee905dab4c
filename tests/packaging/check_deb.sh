#!/usr/bin/env bash
# Build the Debian package with CPack, check its control data and contents, unpack it
# into a scratch root (dpkg -x: no maintainer scripts, nothing touches the system) and
# run the programs from there.
# Usage: check_deb.sh BUILD_DIR SCRATCH_DIR APP_ID
set -euo pipefail
build=$1 work=$2 id=$3
source "$(dirname "$0")/common.sh"

rm -rf "$work"
mkdir -p "$work"
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/out" >"$work/cpack.log" 2>&1 \
    || { cat "$work/cpack.log"; fail "cpack"; }
debs=("$work"/out/*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "expected one .deb, got: ${debs[*]}"
deb=${debs[0]}

info=$(dpkg-deb --info "$deb")
field() { dpkg-deb --field "$deb" "$1"; }
[ "$(field Package)" = staffelrechner ] || fail "package name: $(field Package)"
[ "$(field Architecture)" = "$(dpkg --print-architecture)" ] || fail "architecture"
depends=$(field Depends)
for need in libqt6widgets6 libqt6core6 libc6 qt6-qpa-plugins fonts-liberation python3-numpy; do
    grep -q "\b$need\b" <<<"$depends" || fail "Depends lacks $need: $depends"
done
# Sanitizer or test libraries must never become dependencies of the package.
if grep -Eq 'lib(asan|tsan|ubsan|gtest|benchmark)' <<<"$depends"; then
    fail "unexpected dependency: $depends"
fi

contents=$(dpkg-deb --contents "$deb" | awk '{print $NF}')
for f in ./usr/bin/staffelrechner ./usr/bin/staffelrechner-cli \
         ./usr/share/applications/$id.desktop \
         ./usr/share/icons/hicolor/scalable/apps/$id.svg \
         ./usr/share/metainfo/$id.metainfo.xml \
         ./usr/lib/python3/dist-packages/staffelrechner/__init__.py; do
    grep -qxF "$f" <<<"$contents" || fail "$f not in package"
done
if grep -Eq '_test|_tests|staffel_bench|fuzz' <<<"$contents"; then
    fail "test or benchmark binaries in the package"
fi

dpkg -x "$deb" "$work/root"
check_tree "$work/root" "$id"
echo "$info" | sed -n '/Package:/,$p'
rm -rf "$work"
echo "deb OK"
