#!/usr/bin/env bash
# Runs the web fetch tests under Wine against scripted servers on loopback.
# Meant to run inside tools/in-private-network.sh, where qr.quorvane.net and
# m.velmo.com are this machine and nothing leaves it:
#   plain HTTP on ports 80 and 8080, HTTPS with a self-signed certificate
#   (made afresh, so no platform trusts it) on 443; nothing on 81.
#
#   run_fetch_tests.sh TEST_EXE [GTEST_ARG]...
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../../.." && pwd)
exe=$1
shift

work=$(mktemp -d)
server=
cleanup() {
  [ -n "$server" ] && kill "$server" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=m.velmo.com" \
  -addext "subjectAltName=DNS:m.velmo.com" \
  -keyout "$work/key.pem" -out "$work/cert.pem" 2>/dev/null

/usr/bin/python3 "$root/tools/scripted_http_server.py" \
  --script "$here/fetch_answers.json" --record-dir "$work/records" \
  --port 80 --port 8080 --tls-port 443 --cert "$work/cert.pem" --key "$work/key.pem" \
  --ready-file "$work/ready" &
server=$!
for _ in $(seq 100); do [ -f "$work/ready" ] && break; sleep 0.1; done
[ -f "$work/ready" ] || { echo "scripted server did not start" >&2; exit 1; }

# The fetch selects the system's preconfigured proxy; none may be configured
# here.
unset http_proxy https_proxy ftp_proxy no_proxy HTTP_PROXY HTTPS_PROXY FTP_PROXY NO_PROXY
export QUORVANE_WEB_RECORDS="Z:${work//\//\\}\\records"
"$root/tools/wine-run.sh" "$exe" "$@"
