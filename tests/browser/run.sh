#!/usr/bin/env bash
# Runs the browser tests: installs playwright-core from the lock file when it is missing or stale,
# then node's test runner on the files given (all of them without one). PTP_CONSOLE names the
# ptpconsole program to test.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
want=$(sha256sum "$here/package-lock.json" | cut -d' ' -f1)
stamp=$here/node_modules/.ptp-lock
(
  # Two builds may run their tests at once; one installs, the other waits.
  flock 9
  if [ ! -f "$stamp" ] || [ "$(cat "$stamp")" != "$want" ]; then
    (cd "$here" && npm ci --no-audit --no-fund --loglevel=error)
    echo "$want" > "$stamp"
  fi
) 9> "$here/.install.lock"
if [ $# -eq 0 ]; then set -- "$here"/*.test.mjs; fi
exec node --test "$@"
