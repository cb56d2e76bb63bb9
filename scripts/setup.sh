#!/usr/bin/env bash
# Installs what Quillmark needs to build, test and run on Debian. Quiet when all is there.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config ccache
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev libqt6svg6 qt6-qpa-plugins qt6-translations-l10n
  qt6-tools-dev qt6-l10n-tools qt6-pdf-dev libqpdf-dev
  libgl-dev libx11-dev
  libgif-dev libjpeg62-turbo-dev libuemf-dev libtiff-dev zlib1g-dev
  libbenchmark-dev
  clang libclang-rt-dev clang-format-14
  xvfb xauth poppler-utils
  dpkg-dev file desktop-file-utils appstream shared-mime-info libglib2.0-bin
  fonts-arphic-uming fonts-arphic-ukai fonts-wqy-zenhei
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_cmd[@]}" apt-get update -qq
  "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
