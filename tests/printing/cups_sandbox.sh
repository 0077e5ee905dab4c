#!/usr/bin/env bash
# Runs one command against a private CUPS server whose only queue, the default destination,
# files every job it receives as a PDF in an output directory. Nothing of the machine's own
# printing setup is read or changed: configuration, spool, logs and the listening socket all
# live in a temporary directory that is removed afterwards, and the server is stopped on every
# way out of this script (and by a watchdog should the script itself be killed).
#
#   cups_sandbox.sh COMMAND [ARGS...]
#
# COMMAND sees CUPS_SERVER (the server's socket) and STAFFEL_CUPS_AUSGABE (the directory in
# which each job appears as job-<id>.pdf). When the server cannot be started for a reason
# that lies outside this project (no cupsd installed, or not root and the server refuses to
# run), COMMAND runs with STAFFEL_CUPS_AUSGABE empty and STAFFEL_CUPS_GRUND set to the reason,
# so that it can skip; as root a server that does not come up is an error.
set -uo pipefail

if [ $# -lt 1 ]; then
  echo "usage: $0 COMMAND [ARGS...]" >&2
  exit 2
fi

cupsd_bin=""
for candidate in /usr/sbin/cupsd "$(command -v cupsd 2>/dev/null)"; do
  if [ -n "$candidate" ] && [ -x "$candidate" ]; then cupsd_bin=$candidate; break; fi
done
cups_lib=/usr/lib/cups

run_without_server() {
  local reason=$1
  shift
  export STAFFEL_CUPS_AUSGABE=""
  export STAFFEL_CUPS_GRUND="$reason"
  echo "cups_sandbox: $reason" >&2
  "$@"
}

if [ -z "$cupsd_bin" ] || ! command -v lpadmin >/dev/null || ! command -v lpstat >/dev/null \
   || [ ! -d "$cups_lib/filter" ]; then
  run_without_server "cupsd or the CUPS client tools are not installed" "$@"
  exit $?
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/staffel-cups.XXXXXX")
cupsd_pid=""
watchdog_pid=""

cleanup() {
  if [ -n "$cupsd_pid" ] && kill -0 "$cupsd_pid" 2>/dev/null; then
    kill -TERM "$cupsd_pid" 2>/dev/null
    for _ in $(seq 50); do kill -0 "$cupsd_pid" 2>/dev/null || break; sleep 0.1; done
    kill -KILL "$cupsd_pid" 2>/dev/null
    wait "$cupsd_pid" 2>/dev/null
  fi
  if [ -n "$watchdog_pid" ]; then kill "$watchdog_pid" 2>/dev/null; wait "$watchdog_pid" 2>/dev/null; fi
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM HUP

# The server runs its backend and spool as the unprivileged lp user when started as root,
# so the tree must be reachable for it.
chmod 755 "$work"
mkdir -p "$work/etc/ppd" "$work/state" "$work/cache" "$work/spool/tmp" "$work/log" \
         "$work/out" "$work/bin/backend"
chmod 777 "$work/out"
for sub in filter cgi-bin daemon monitor notifier driver; do
  [ -e "$cups_lib/$sub" ] && ln -s "$cups_lib/$sub" "$work/bin/$sub"
done

# A backend of our own keeps every job as it arrives (a raw queue hands it the PDF as Qt
# produced it). Without arguments a backend lists the devices it offers.
cat > "$work/bin/backend/ablage" <<'BACKEND'
#!/bin/sh
if [ $# -eq 0 ]; then
  echo 'direct ablage "Unknown" "Staffelrechner test output"'
  exit 0
fi
dir=${DEVICE_URI#ablage:}
target="$dir/job-$1.pdf"
if [ $# -ge 6 ]; then cat "$6" > "$target.part"; else cat > "$target.part"; fi || exit 1
mv "$target.part" "$target"
exit 0
BACKEND
chmod 700 "$work/bin/backend/ablage"

socket="$work/cups.sock"
group=$(id -gn)
cat > "$work/etc/cups-files.conf" <<CONF
ServerRoot $work/etc
StateDir $work/state
CacheDir $work/cache
RequestRoot $work/spool
TempDir $work/spool/tmp
ServerBin $work/bin
DataDir /usr/share/cups
ErrorLog $work/log/error_log
AccessLog $work/log/access_log
PageLog $work/log/page_log
SystemGroup $group
FileDevice No
CONF
cat > "$work/etc/cupsd.conf" <<CONF
Listen $socket
LogLevel info
Browsing No
BrowseLocalProtocols none
DefaultAuthType None
WebInterface No
MaxJobs 0
PreserveJobFiles No
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
    Allow all
  </Limit>
</Policy>
CONF

export CUPS_SERVER="$socket"
# Client settings of the machine or the user must not redirect the tools below.
export CUPS_USER="${USER:-$(id -un)}"

"$cupsd_bin" -f -c "$work/etc/cupsd.conf" -s "$work/etc/cups-files.conf" \
  >"$work/log/cupsd.out" 2>&1 &
cupsd_pid=$!
# Should this script be killed outright, the watchdog still stops the server.
(
  parent=$$
  while kill -0 "$parent" 2>/dev/null && kill -0 "$cupsd_pid" 2>/dev/null; do sleep 1; done
  kill -TERM "$cupsd_pid" 2>/dev/null
) &
watchdog_pid=$!

ready=0
# lpstat answers in the user's language; its English answer is the one looked for.
for _ in $(seq 100); do
  if ! kill -0 "$cupsd_pid" 2>/dev/null; then break; fi
  if [ -S "$socket" ] && LC_ALL=C lpstat -r 2>/dev/null | grep -q 'is running'; then ready=1; break; fi
  sleep 0.1
done

server_log() {
  echo "--- cupsd output ---" >&2
  cat "$work/log/cupsd.out" "$work/log/error_log" 2>/dev/null | tail -n 40 >&2
}

if [ "$ready" -ne 1 ]; then
  server_log
  if [ "$(id -u)" -eq 0 ]; then
    echo "cups_sandbox: cupsd did not start" >&2
    exit 1
  fi
  cleanup
  trap - EXIT
  run_without_server "cupsd cannot run without root rights here" "$@"
  exit $?
fi

if ! lpadmin -p Staffelablage -E -v "ablage:$work/out" 2>"$work/log/lpadmin.out" \
   || ! lpadmin -d Staffelablage 2>>"$work/log/lpadmin.out"; then
  cat "$work/log/lpadmin.out" >&2
  server_log
  exit 1
fi

export STAFFEL_CUPS_AUSGABE="$work/out"
unset STAFFEL_CUPS_GRUND
"$@"
rc=$?
[ "$rc" -ne 0 ] && server_log
exit "$rc"
