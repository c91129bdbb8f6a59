#!/usr/bin/env bash
# The test command: installs what is missing, builds with AddressSanitizer and
# UndefinedBehaviorSanitizer, and runs every test (unit, integration, fuzz corpus replay). The fuzz
# targets are also built with clang and libFuzzer (build/fuzz), so a change that either compiler
# rejects fails here; scripts/fuzz.sh runs them.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
bash "$here/scripts/setup.sh"
bash "$here/scripts/build.sh" asan
bash "$here/scripts/build.sh" fuzz ptp_fuzzers
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
cd "${PTP_BUILD_DIR:-$here/build/asan}"
ctest --output-on-failure -j2 --timeout 600
