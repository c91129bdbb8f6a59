#!/usr/bin/env bash
# Configures and builds one configuration: build.sh release|asan|fuzz [ninja targets...]
# fuzz is the clang build with the libFuzzer targets (target ptp_fuzzers builds them all).
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
kind=${1:-release}
shift || true

export CCACHE_DIR=${CCACHE_DIR:-${PTP_CACHE_DIR:-$HOME/.cache/ptpconsole}/ccache}
export CCACHE_BASEDIR=$here
# Debug builds would otherwise hash the build folder into every entry, so two clones (or worktrees)
# of the project could never share the cache.
export CCACHE_NOHASHDIR=${CCACHE_NOHASHDIR:-1}
export CCACHE_MAXSIZE=${CCACHE_MAXSIZE:-5G}
mkdir -p "$CCACHE_DIR"

case "$kind" in
  release) flags=(-DCMAKE_BUILD_TYPE=RelWithDebInfo) ;;
  asan) flags=(-DCMAKE_BUILD_TYPE=Debug -DPTP_SANITIZE=ON -DCMAKE_CXX_FLAGS=-O1) ;;
  fuzz) flags=(-DCMAKE_BUILD_TYPE=Debug -DPTP_FUZZ=ON -DPTP_SANITIZE=ON -DPTP_BENCH=OFF
               -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_CXX_FLAGS=-O1) ;;
  *) echo "build.sh: unknown configuration '$kind' (release, asan or fuzz)" >&2; exit 2 ;;
esac

build=${PTP_BUILD_DIR:-$here/build/$kind}
if [ ! -f "$build/build.ninja" ]; then
  cmake -S "$here" -B "$build" -G Ninja "${flags[@]}"
fi
cmake --build "$build" -- "$@"
