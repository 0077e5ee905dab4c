#!/usr/bin/env bash
# cmake --install into a scratch root and check what lands where.
# Usage: check_install.sh BUILD_DIR SCRATCH_DIR APP_ID
set -euo pipefail
build=$1 root=$2 id=$3
source "$(dirname "$0")/common.sh"

rm -rf "$root"
DESTDIR="$root" cmake --install "$build" --prefix /usr >/dev/null
check_tree "$root" "$id"
rm -rf "$root"
echo "install tree OK"
