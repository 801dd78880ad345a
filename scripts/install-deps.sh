#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Tolvik need, and any named as
# arguments; only what is missing.
set -euo pipefail
packages=(
  build-essential cmake pkg-config
  libgtest-dev
  libsqlite3-dev libtinyxml2-dev libpcre2-dev
  qt6-base-dev libgl1-mesa-dev
  fonts-liberation fonts-urw-base35
  "$@"
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
"${sudo_cmd[@]}" apt-get update
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
