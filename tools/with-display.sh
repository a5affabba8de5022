#!/usr/bin/env bash
# Runs a command with an X display: the current one, or a private Xvfb
# started for the command and stopped after it.
set -euo pipefail
if [ -n "${DISPLAY:-}" ]; then exec "$@"; fi

for n in $(seq 90 140); do
  [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] || { display=":$n"; break; }
done
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
trap 'kill $xvfb_pid 2>/dev/null || true' EXIT
for _ in $(seq 100); do [ -e "/tmp/.X11-unix/X${display#:}" ] && break; sleep 0.05; done
export DISPLAY=$display
"$@"
