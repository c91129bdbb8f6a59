#!/usr/bin/env bash
# Installs what ptpconsole needs on a Debian 12 machine. Safe to run again: it installs only what is
# missing. Run as root or with sudo available.
set -euo pipefail

packages=(
  cmake ninja-build g++ ccache pkg-config
  libsqlite3-dev nlohmann-json3-dev libcli11-dev libcpp-httplib-dev libssl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev
  chromium
)
# The browser tests run on node with npm; a node installed some other way is kept.
command -v node >/dev/null 2>&1 || packages+=(nodejs)
command -v npm >/dev/null 2>&1 || packages+=(npm)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
