#!/usr/bin/env bash
# Runs a command inside a private network and mount namespace: only the
# loopback device, up, and a hosts file that maps the program's two host
# names (and any given with --host NAME) to 127.0.0.1. So the shipped program,
# with its fixed host names, talks to servers on this machine and nothing
# leaves it.
#
# Wine creates its sockets in the wineserver, so the command gets a
# wineserver of its own inside the namespace: a private tmpfs over Wine's
# server directory keeps it from joining one started outside.
#
#   tools/in-private-network.sh [--host NAME]... -- COMMAND [ARG]...
set -euo pipefail

hosts=(qr.quorvane.net m.velmo.com)
while [ $# -gt 0 ]; do
  case "$1" in
    --host) hosts+=("$2"); shift 2 ;;
    --) shift; break ;;
    *) break ;;
  esac
done
[ $# -gt 0 ] || { echo "usage: $0 [--host NAME]... -- COMMAND [ARG]..." >&2; exit 2; }

if [ "${QUORVANE_IN_PRIVATE_NETWORK:-}" != 1 ]; then
  unshare_args=(--net --mount --propagation private)
  # Without root, an unprivileged user namespace gives the same powers.
  [ "$(id -u)" = 0 ] || unshare_args+=(--user --map-root-user)
  QUORVANE_IN_PRIVATE_NETWORK=1 QUORVANE_PRIVATE_HOSTS="${hosts[*]}" \
    exec unshare "${unshare_args[@]}" "$0" -- "$@"
fi

ip link set lo up
hosts_file=$(mktemp)
{
  echo "127.0.0.1 localhost"
  echo "::1 localhost"
  for name in $QUORVANE_PRIVATE_HOSTS; do echo "127.0.0.1 $name"; done
} >"$hosts_file"
mount --bind "$hosts_file" /etc/hosts
wine_server_dir="/tmp/.wine-$(id -u)"
mkdir -p "$wine_server_dir"
mount -t tmpfs -o mode=0700 tmpfs "$wine_server_dir"
exec "$@"
