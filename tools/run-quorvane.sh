#!/usr/bin/env bash
# Starts Quorvane under Wine for a person to use (make run, make run-online).
#
#   tools/run-quorvane.sh [--mode png|jpeg|html404|close|broken]
#       inside the private network (tools/in-private-network.sh), where the
#       program's host names lead to this machine, against the loopback
#       stand-in of the QR-code service on port 80; the stand-in answers as
#       --mode says (default png) and keeps the raw requests in
#       build/qr-standin-requests.log; it stops when the program ends.
#   tools/run-quorvane.sh --online
#       against the real QR-code service, over the machine's own network.
#
# The program runs on the current X display, or on a private Xvfb when there
# is none. Inside the private network only a display reached through a
# socket file works (:0, not localhost:10 of ssh -X); use --online there.
#
# This runs the 64-bit build/windows64/Quorvane.exe: this machine's kernel
# runs no 32-bit code, so Wine cannot run the shipped 32-bit
# build/windows/Quorvane.exe here. Both are built from the same sources.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
exe="$root/build/windows64/Quorvane.exe"
mode=png
online=no

while [ $# -gt 0 ]; do
  case "$1" in
    --online) online=yes; shift ;;
    --mode) mode=$2; shift 2 ;;
    *) echo "usage: $0 [--online | --mode png|jpeg|html404|close|broken]" >&2; exit 2 ;;
  esac
done
[ -f "$exe" ] || { echo "$exe is missing: run make build first" >&2; exit 1; }

if [ "$online" = yes ]; then
  exec "$root/tools/wine-run.sh" "$exe"
fi
if [ "${QUORVANE_IN_PRIVATE_NETWORK:-}" != 1 ]; then
  exec "$root/tools/in-private-network.sh" -- "$0" --mode "$mode"
fi

log="$root/build/qr-standin-requests.log"
: >"$log"
started=$(mktemp)
python3 "$root/tools/qr_standin_server.py" --port 80 --mode "$mode" --record "$log" >"$started" &
standin=$!
trap 'kill "$standin" 2>/dev/null || true; wait "$standin" 2>/dev/null || true; rm -f "$started"' EXIT
for _ in $(seq 100); do
  grep -q "qr stand-in" "$started" && break
  kill -0 "$standin" 2>/dev/null || break
  sleep 0.1
done
grep "qr stand-in" "$started" || { echo "the QR-code stand-in did not start" >&2; exit 1; }
"$root/tools/wine-run.sh" "$exe"
