# Shared checks of an installed tree, one function per Debian package, each needing only its
# own package's files: usage: source; check_tree ROOT APP_ID (all three), or check_app ROOT
# APP_ID, check_cli ROOT, check_python ROOT, check_doc ROOT PACKAGE.
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# The Debian documentation every package carries.
check_doc() {
    local root=$1 package=$2 f
    for f in copyright changelog.gz; do
        [ -s "$root/usr/share/doc/$package/$f" ] || fail "$package: doc/$f missing"
    done
}

# The manual page renders without groff warnings.
check_man() {
    local page=$1 out
    [ -s "$page" ] || fail "$page missing"
    out=$(man --warnings -l "$page" 2>&1 >/dev/null) && [ -z "$out" ] || fail "man $page: $out"
}

check_app() {
    local root=$1 id=$2 f out
    [ -x "$root/usr/bin/staffelrechner" ] || fail "usr/bin/staffelrechner missing or not executable"
    for f in usr/share/applications/$id.desktop \
             usr/share/icons/hicolor/scalable/apps/$id.svg \
             usr/share/metainfo/$id.metainfo.xml; do
        [ -s "$root/$f" ] || fail "$f missing"
    done
    check_man "$root/usr/share/man/man1/staffelrechner.1.gz"
    grep -qx "Icon=$id" "$root/usr/share/applications/$id.desktop" \
        || fail "desktop entry names another icon"
    grep -qx "Exec=staffelrechner" "$root/usr/share/applications/$id.desktop" \
        || fail "desktop entry starts another program"

    out=$(desktop-file-validate "$root/usr/share/applications/$id.desktop" 2>&1) \
        || fail "desktop-file-validate: $out"
    if grep -Eq 'error:|warning:' <<<"$out"; then fail "desktop-file-validate: $out"; fi
    # Checks the metainfo against the desktop entry and icon it names.
    appstreamcli validate-tree --no-net --strict "$root" || fail "appstreamcli validate-tree"

    # The window program starts and keeps running until it is stopped.
    local rc=0
    QT_QPA_PLATFORM=offscreen timeout 5 "$root/usr/bin/staffelrechner" >/dev/null 2>&1 || rc=$?
    [ "$rc" -eq 124 ] || fail "staffelrechner ended by itself with status $rc"
}

check_cli() {
    local root=$1 out
    local cli=$root/usr/bin/staffelrechner-cli page=$root/usr/share/man/man1/staffelrechner-cli.1.gz
    [ -x "$cli" ] || fail "usr/bin/staffelrechner-cli missing or not executable"
    # The command-line driver runs from the tree and builds a resolution list.
    out=$("$cli" --json --halt-after 5 8/3 000 2 3) || fail "staffelrechner-cli exited with $?"
    grep -qF '{ 8/3, 5/3, 2/3, 3/2 }' <<<"$out" || fail "unexpected CLI output: $out"

    # Which options the page names is the CLI tests' concern; here: that it renders.
    check_man "$page"
}

# The module imports from the tree and calculates with nothing but the interpreter and NumPy
# on its path: no site directory, so no other package of the system is found.
check_python() {
    local root=$1 out numpy
    numpy=$(mktemp -d)
    ln -s "$(/usr/bin/python3 -c 'import numpy, os; print(os.path.dirname(numpy.__file__))')" \
        "$numpy/numpy"
    out=$(PYTHONPATH="$root/usr/lib/python3/dist-packages:$numpy" /usr/bin/python3 -S -s -c \
        "import staffelrechner as s; print(s.rechne('7', '00', '2', '3').ergebnis)" 2>&1) \
        && [ "$out" = 256.0 ] || { rm -rf "$numpy"; fail "python module: $out"; }
    rm -rf "$numpy"
}

check_tree() {
    local root=$1 id=$2
    check_app "$root" "$id"
    check_cli "$root"
    check_python "$root"
    for package in staffelrechner staffelrechner-cli python3-staffelrechner; do
        check_doc "$root" "$package"
    done
}
