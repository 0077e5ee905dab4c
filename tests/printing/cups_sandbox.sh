#!/usr/bin/env bash
# Runs one command against a private CUPS server whose only queue, the default destination,
# files every job it receives as a PDF in an output directory. Nothing of the machine's own
# printing setup is read or changed: configuration, spool, logs and socket live in a temporary
# directory that is removed afterwards, and the server is stopped on every way out.
#
#   cups_sandbox.sh COMMAND [ARGS...]
#
# COMMAND sees CUPS_SERVER and STAFFEL_CUPS_AUSGABE (where each job appears as job-<id>.pdf).
# Where no server can run for reasons outside this project (CUPS not installed, or not root
# and cupsd refuses), COMMAND runs with STAFFEL_CUPS_AUSGABE empty and the reason in
# STAFFEL_CUPS_GRUND, so that it can skip; as root a server that does not come up is an error.
set -uo pipefail

without_server() {
  echo "cups_sandbox: $1" >&2
  STAFFEL_CUPS_AUSGABE="" STAFFEL_CUPS_GRUND="$1" "${@:2}"
  exit $?
}

cups_lib=/usr/lib/cups
if [ ! -x /usr/sbin/cupsd ] || ! command -v lpadmin >/dev/null || [ ! -d "$cups_lib/filter" ]; then
  without_server "cupsd or the CUPS client tools are not installed" "$@"
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/staffel-cups.XXXXXX")
cupsd_pid=""
cleanup() {
  if [ -n "$cupsd_pid" ]; then
    kill -TERM "$cupsd_pid" 2>/dev/null
    for _ in $(seq 50); do kill -0 "$cupsd_pid" 2>/dev/null || break; sleep 0.1; done
    kill -KILL "$cupsd_pid" 2>/dev/null
    wait "$cupsd_pid" 2>/dev/null
  fi
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM HUP

# As root the server runs its backend and spool as the lp user, who must reach the tree.
chmod 755 "$work"
mkdir -p "$work"/{etc/ppd,state,cache,spool/tmp,log,out,bin/backend}
chmod 777 "$work/out"
for sub in filter cgi-bin daemon monitor notifier driver; do
  [ -e "$cups_lib/$sub" ] && ln -s "$cups_lib/$sub" "$work/bin/$sub"
done

# Our own backend keeps every job as it arrives (a raw queue hands it the PDF Qt made).
# Without arguments a backend lists the devices it offers.
cat > "$work/bin/backend/ablage" <<'BACKEND'
#!/bin/sh
[ $# -eq 0 ] && { echo 'direct ablage "Unknown" "Staffelrechner test output"'; exit 0; }
target="${DEVICE_URI#ablage:}/job-$1.pdf"
if [ $# -ge 6 ]; then cat "$6" > "$target.part"; else cat > "$target.part"; fi || exit 1
mv "$target.part" "$target"
BACKEND
chmod 700 "$work/bin/backend/ablage"

socket="$work/cups.sock"
cat > "$work/etc/cups-files.conf" <<CONF
ServerRoot $work/etc
StateDir $work/state
CacheDir $work/cache
RequestRoot $work/spool
TempDir $work/spool/tmp
ServerBin $work/bin
ErrorLog $work/log/error_log
AccessLog $work/log/access_log
PageLog $work/log/page_log
SystemGroup $(id -gn)
CONF
cat > "$work/etc/cupsd.conf" <<CONF
Listen $socket
Browsing No
DefaultAuthType None
WebInterface No
MaxJobs 0
PreserveJobFiles No
CONF

export CUPS_SERVER="$socket"
# Client settings of the machine or the user must not redirect the tools below.
export CUPS_USER="${USER:-$(id -un)}"

/usr/sbin/cupsd -f -c "$work/etc/cupsd.conf" -s "$work/etc/cups-files.conf" \
  >"$work/log/cupsd.out" 2>&1 &
cupsd_pid=$!
# Should this script be killed outright, this still stops the server.
(while kill -0 $$ 2>/dev/null && kill -0 "$cupsd_pid" 2>/dev/null; do sleep 1; done
 kill -TERM "$cupsd_pid" 2>/dev/null) &

server_log() { tail -n 40 "$work/log/cupsd.out" "$work/log/error_log" >&2 2>/dev/null; }

for _ in $(seq 100); do
  kill -0 "$cupsd_pid" 2>/dev/null || break
  [ -S "$socket" ] && LC_ALL=C lpstat -r 2>/dev/null | grep -q 'is running' && break
  sleep 0.1
done
if ! LC_ALL=C lpstat -r 2>/dev/null | grep -q 'is running'; then
  server_log
  [ "$(id -u)" -eq 0 ] && { echo "cups_sandbox: cupsd did not start" >&2; exit 1; }
  cleanup
  trap - EXIT
  without_server "cupsd cannot run without root rights here" "$@"
fi

if ! lpadmin -p Staffelablage -E -v "ablage:$work/out" || ! lpadmin -d Staffelablage; then
  server_log
  exit 1
fi

export STAFFEL_CUPS_AUSGABE="$work/out"
"$@"
rc=$?
[ "$rc" -ne 0 ] && server_log
exit "$rc"
