#!/usr/bin/env bash
# The main job: installs what is missing, builds, registers the plug-in and shows what it offers.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
bash "$here/scripts/setup.sh"
bash "$here/scripts/build.sh" release
bin=${PTP_BUILD_DIR:-$here/build/release}/bin
if [ -x "$bin/ptpconsole" ]; then
  exec "$bin/ptpconsole" --demo "$@"
fi
exec "$bin/ptpregister" "$bin/libptpext.so"
