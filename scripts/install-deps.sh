#!/usr/bin/env bash
# Installs every Debian package Vantel needs to build, run and test.
# Idempotent and non-interactive: packages already present are skipped.
set -euo pipefail

PACKAGES=(
  build-essential cmake ninja-build pkg-config clang-format ccache libtsan2
  qt6-base-dev qt6-base-dev-tools qt6-tools-dev qt6-tools-dev-tools qt6-documentation-tools
  libqt6svg6 qt6-l10n-tools linguist-qt6 qt6-qpa-plugins libqt6sql6-sqlite qt6-translations-l10n
  libgl-dev libxkbcommon-dev
  fonts-ipafont-gothic fonts-ipafont-mincho
  libsdl2-dev libsdl2-mixer-dev
  libjpeg62-turbo-dev
  libqt6sql6-sqlite qt6-charts-dev
  postgresql-15 libqt6sql6-psql openssl python3
  libxlsxwriter-dev
  xvfb xauth imagemagick x11-utils poppler-utils
  espeak-ng sox
  librsvg2-bin dpkg-dev desktop-file-utils appstream groff-base xdotool
  qt6-base-private-dev
  dbus at-spi2-core python3-pyatspi
  orca speech-dispatcher
  clang libclang-rt-14-dev
  linux-perf
  strace
)
# Calc is large; it comes without its recommendations.
NO_RECOMMENDS=(libreoffice-calc)

missing=()
for p in "${PACKAGES[@]}" "${NO_RECOMMENDS[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
want=()
for p in "${PACKAGES[@]}"; do
  [[ " ${missing[*]} " == *" $p "* ]] && want+=("$p")
done
if [ ${#want[@]} -gt 0 ]; then
  $SUDO apt-get install -y -qq "${want[@]}"
fi
$SUDO apt-get install -y -qq --no-install-recommends "${NO_RECOMMENDS[@]}"
