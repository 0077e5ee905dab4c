# Shared checks of an installed tree: usage: source; check_tree ROOT APP_ID
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

check_tree() {
    local root=$1 id=$2
    local f
    for f in usr/bin/staffelrechner usr/bin/staffelrechner-cli; do
        [ -x "$root/$f" ] || fail "$f missing or not executable"
    done
    local man=usr/share/man/man1 doc=usr/share/doc/staffelrechner
    for f in usr/share/applications/$id.desktop \
             usr/share/icons/hicolor/scalable/apps/$id.svg \
             usr/share/metainfo/$id.metainfo.xml \
             $man/staffelrechner.1.gz $man/staffelrechner-cli.1.gz \
             $doc/copyright $doc/changelog.gz; do
        [ -s "$root/$f" ] || fail "$f missing"
    done
    grep -qx "Icon=$id" "$root/usr/share/applications/$id.desktop" \
        || fail "desktop entry names another icon"
    grep -qx "Exec=staffelrechner" "$root/usr/share/applications/$id.desktop" \
        || fail "desktop entry starts another program"

    local out
    out=$(desktop-file-validate "$root/usr/share/applications/$id.desktop" 2>&1) \
        || fail "desktop-file-validate: $out"
    if grep -Eq 'error:|warning:' <<<"$out"; then fail "desktop-file-validate: $out"; fi
    # Checks the metainfo against the desktop entry and icon it names.
    appstreamcli validate-tree --no-net --strict "$root" || fail "appstreamcli validate-tree"

    # The command-line driver runs from the tree and builds a resolution list.
    out=$("$root/usr/bin/staffelrechner-cli" --json --halt-after 5 8/3 000 2 3) \
        || fail "staffelrechner-cli exited with $?"
    grep -qF '{ 8/3, 5/3, 2/3, 3/2 }' <<<"$out" || fail "unexpected CLI output: $out"

    # The Python module imports from the tree and calculates.
    out=$(PYTHONPATH="$root/usr/lib/python3/dist-packages" /usr/bin/python3 -c \
        "import staffelrechner as s; print(s.rechne('7', '00', '2', '3').ergebnis)" 2>&1) \
        && [ "$out" = 256.0 ] || fail "python module: $out"

    # The manual pages render without groff warnings; the CLI's names every option of --help.
    for f in "$root"/$man/*.1.gz; do
        out=$(man --warnings -l "$f" 2>&1 >/dev/null) && [ -z "$out" ] || fail "man $f: $out"
    done
    out=$(MANWIDTH=200 man -l "$root/$man/staffelrechner-cli.1.gz")
    for f in $("$root/usr/bin/staffelrechner-cli" --help | grep -o -- '--[a-z-]*'); do
        grep -qF -- "$f" <<<"$out" || fail "manual page lacks $f"
    done

    # The window program starts and keeps running until it is stopped.
    local rc=0
    QT_QPA_PLATFORM=offscreen timeout 5 "$root/usr/bin/staffelrechner" >/dev/null 2>&1 || rc=$?
    [ "$rc" -eq 124 ] || fail "staffelrechner ended by itself with status $rc"
}
