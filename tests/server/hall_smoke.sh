#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# scripts/hall as a person runs it: it builds, prints the trainer's and the trainees' addresses,
# serves the site at them, and ends with status 0 on Ctrl+C (SIGINT).
# Usage: hall_smoke.sh SITE
set -euo pipefail
site=$1
root=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'kill -KILL "$pid" 2>/dev/null || true; rm -rf "$work"' EXIT
mkdir -p -m 0700 "$work/runtime" "$work/tmp" "$work/data"
export TMPDIR=$work/tmp XDG_RUNTIME_DIR=$work/runtime XDG_DATA_HOME=$work/data

"$root/scripts/hall" --port 0 --site "$site" >"$work/out" 2>"$work/err" &
pid=$!
# The build may take minutes on a clean tree.
for _ in $(seq 1 600); do
  grep -q '^join ' "$work/out" && break
  kill -0 "$pid" 2>/dev/null || { cat "$work/err" >&2; echo "scripts/hall ended before printing the addresses" >&2; exit 1; }
  sleep 1
done
if ! grep -q '^join ' "$work/out"; then
  echo "waited 600 s for scripts/hall's 'trainer ' and 'join ' lines; it printed:" >&2
  cat "$work/out" >&2
  exit 1
fi
trainer=$(sed -n 's/^trainer //p' "$work/out")
join=$(sed -n 's/^join //p' "$work/out")
[[ "$trainer" =~ ^http://127\.0\.0\.1:[0-9]+/trainer\.html\?hall=[0-9a-f]{32}#[0-9a-f]{32}$ ]] || { echo "no trainer's address: $trainer" >&2; exit 1; }
[[ "$join" =~ ^http://127\.0\.0\.1:[0-9]+/join\.html\?hall=[0-9a-f]{32}$ ]] || { echo "no join address: $join" >&2; exit 1; }
# Both pages come from the site, and only the loopback is asked.
for address in "$trainer" "$join"; do
  /usr/bin/python3 - "$address" "$site" <<'PY'
import sys, urllib.request
address, site = sys.argv[1], sys.argv[2]
page = address.split('?')[0].rsplit('/', 1)[1]
with urllib.request.urlopen(address.split('#')[0], timeout=10) as r:
    body = r.read()
assert r.status == 200, r.status
assert body == open(f'{site}/{page}', 'rb').read(), f'{page} differs from the site'
PY
done
kill -INT "$pid"
status=0
wait "$pid" || status=$?
if [ $status -ne 0 ]; then
  echo "scripts/hall ended with status $status on SIGINT" >&2
  cat "$work/err" >&2
  exit 1
fi
echo "scripts/hall printed both addresses, served the site and ended on SIGINT with status 0"
