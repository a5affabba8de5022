#!/usr/bin/env bash
# Runs a Windows program in the project's Wine prefix and passes on its exit
# code. Used by CTest for the cross-built tests and by the other tools.
set -euo pipefail
source "$(dirname "$0")/wine-env.sh"
if [ -z "${DISPLAY:-}" ]; then
  exec "$(dirname "$0")/with-display.sh" "$0" "$@"
fi
quorvane_prepare_prefix
exec wine "$@"
