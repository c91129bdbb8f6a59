#!/usr/bin/env bash
# Configures and builds one configuration: build.sh release|asan [ninja targets...]
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
  *) echo "build.sh: unknown configuration '$kind' (release or asan)" >&2; exit 2 ;;
esac

build=${PTP_BUILD_DIR:-$here/build/$kind}
if [ ! -f "$build/build.ninja" ]; then
  cmake -S "$here" -B "$build" -G Ninja "${flags[@]}"
fi
cmake --build "$build" -- "$@"
