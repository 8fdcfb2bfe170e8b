#!/usr/bin/env bash
# Installs the Debian 12 packages Brivadune needs to build, run and test.
# As root it installs what is missing; otherwise it prints the one
# apt-get line to run and fails if something is missing.
set -euo pipefail

PACKAGES=(
  cmake g++ make pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-multimedia-dev qt6-qpa-plugins
  qt6-image-formats-plugins libqt6svg6 libgl-dev qt6-translations-l10n
  libbenchmark-dev libsane-dev libsane1 libsane-common sane-utils
  adwaita-icon-theme fonts-dejavu-core fonts-liberation
  xvfb xauth imagemagick xdotool
  libcups2-dev cups printer-driver-cups-pdf poppler-utils
  libwmf-dev libemf2svg-dev libzint-dev libqpdf-dev zbar-tools dmtx-utils
  python3
  fp-utils desktop-file-utils appstream shared-mime-info xdg-utils dpkg-dev
  man-db
  libfile-mimeinfo-perl lintian
)
if [ "${1:-}" = "--fuzz" ]; then
  PACKAGES+=(clang libclang-rt-14-dev)
fi

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -q
  apt-get install -y -q --no-install-recommends "${missing[@]}"
else
  echo "Packages missing. Run as root:" >&2
  echo "  sudo apt-get install -y --no-install-recommends ${missing[*]}" >&2
  exit 1
fi
