#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Tolvik need, and any named as
# arguments; only what is missing.
set -euo pipefail
packages=(
  build-essential cmake pkg-config
  libgtest-dev
  libsqlite3-dev libtinyxml2-dev libpcre2-dev libxlsxwriter-dev libzip-dev
  qt6-base-dev libgl1-mesa-dev qt6-translations-l10n
  fonts-liberation fonts-urw-base35 locales
  poppler-utils python3-openpyxl python3-icalendar
  xvfb openbox xdotool x11-utils
  "$@"
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
if [ ${#missing[@]} -gt 0 ]; then
  "${sudo_cmd[@]}" apt-get update
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
fi
# The readers of numbers are tested under a locale whose decimal mark is a comma.
locale -a | grep -qix 'ru_RU.utf8' || "${sudo_cmd[@]}" localedef -i ru_RU -c -f UTF-8 ru_RU.UTF-8
