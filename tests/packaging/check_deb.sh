#!/usr/bin/env bash
# Build the Debian packages with CPack, check the control data and contents of each, unpack
# each alone into a scratch root of its own (dpkg -x: no maintainer scripts, nothing touches
# the system) and run its program from there. lintian, where installed, checks each package.
# Usage: check_deb.sh BUILD_DIR SCRATCH_DIR APP_ID
set -euo pipefail
build=$1 work=$2 id=$3
source "$(dirname "$0")/common.sh"

# Package, the files it alone may hold, the libraries its Depends must name.
declare -A files=(
    [staffelrechner]="^\./usr/(bin/staffelrechner|share/(applications/$id\.desktop|icons/hicolor/scalable/apps/$id\.svg|metainfo/$id\.metainfo\.xml|man/man1/staffelrechner\.1\.gz))$"
    [staffelrechner-cli]='^\./usr/(bin/staffelrechner-cli|share/man/man1/staffelrechner-cli\.1\.gz)$'
    [python3-staffelrechner]='^\./usr/lib/python3/dist-packages/staffelrechner/[^/]+$'
)
declare -A summary=(
    [staffelrechner]="Taschenrechner für die Staffellehre, mit Fenster"
    [staffelrechner-cli]="Taschenrechner für die Staffellehre, Kommandozeile"
    [python3-staffelrechner]="Taschenrechner für die Staffellehre, Python-Modul"
)
declare -A needs=(
    [staffelrechner]="libqt6widgets6 libqt6core6 libc6 qt6-qpa-plugins fonts-liberation"
    [staffelrechner-cli]="libc6 libmpfr6"
    [python3-staffelrechner]="libc6 libmpfr6 python3 python3-numpy"
)

rm -rf "$work"
mkdir -p "$work"
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/out" >"$work/cpack.log" 2>&1 \
    || { cat "$work/cpack.log"; fail "cpack"; }
debs=("$work"/out/*.deb)
[ ${#debs[@]} -eq ${#files[@]} ] || fail "expected ${#files[@]} packages, got: ${debs[*]}"

lintian=$(command -v lintian || true)
[ -n "$lintian" ] || echo "lintian not installed: packages not linted"

for deb in "${debs[@]}"; do
    field() { dpkg-deb --field "$deb" "$1"; }
    package=$(field Package)
    [ -n "${files[$package]:-}" ] || fail "unexpected package $package"
    [ "$(field Architecture)" = "$(dpkg --print-architecture)" ] || fail "$package: architecture"
    [ "$(field Description | head -1)" = "${summary[$package]}" ] \
        || fail "$package: summary $(field Description | head -1)"
    depends=$(field Depends)
    for need in ${needs[$package]}; do
        grep -q "\b$need\b" <<<"$depends" || fail "$package: Depends lacks $need: $depends"
    done
    # Sanitizer or test libraries must never become dependencies.
    if grep -Eq 'lib(asan|tsan|ubsan|gtest|benchmark)' <<<"$depends"; then
        fail "$package: unexpected dependency: $depends"
    fi
    # The command line and the module serve machines without a desktop.
    if [ "$package" != staffelrechner ] && grep -Eqi 'qt|fonts' <<<"$depends"; then
        fail "$package depends on the window's libraries: $depends"
    fi

    # Every file is its own package's or the package's documentation.
    doc="^\./usr/share/doc/$package/(copyright|changelog\.gz)$"
    stray=$(dpkg-deb --contents "$deb" | grep -v '^d' | awk '{print $6}' \
        | grep -Ev "${files[$package]}|$doc" || true)
    [ -z "$stray" ] || fail "$package holds files that are not its own: $stray"

    root=$work/root-$package
    dpkg -x "$deb" "$root"
    if [ "$package" != staffelrechner ]; then
        while IFS= read -r elf; do
            if readelf -d "$elf" | grep NEEDED | grep -qi 'libqt'; then
                fail "$package: $elf needs Qt: $(readelf -d "$elf" | grep NEEDED)"
            fi
        done < <(find "$root" -type f \( -perm -u+x -o -name '*.so' \))
    fi
    check_doc "$root" "$package"
    case $package in
        staffelrechner) check_app "$root" "$id" ;;
        staffelrechner-cli) check_cli "$root" ;;
        python3-staffelrechner) check_python "$root" ;;
    esac
    if [ -n "$lintian" ]; then
        # The maintainer address is a stand-in until the project has a real one.
        out=$("$lintian" --fail-on error,warning --suppress-tags bogus-mail-host,bogus-mail-host-in-debian-changelog "$deb" 2>&1) \
            || fail "lintian $package: $out"
    fi
    echo "$package: $(field Version), Depends: $depends"
done
rm -rf "$work"
echo "deb OK"
