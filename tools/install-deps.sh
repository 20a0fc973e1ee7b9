#!/usr/bin/env bash
# Installs what a fresh Debian 12 machine lacks to build, test and run Jataka Desk.
# Packages already present are left alone, so a second run is quick.
set -euo pipefail
packages=(cmake ninja-build g++ pkg-config qt6-base-dev libsqlite3-dev sqlite3 libgtest-dev libgmock-dev
          libbenchmark-dev fonts-dejavu-core fonts-liberation2 tzdata xvfb xauth libxtst6 openbox)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_cmd[@]}" apt-get update -qq
  "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
