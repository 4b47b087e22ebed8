#!/usr/bin/env bash
# Installs what a fresh Debian 12 machine lacks, then configures and builds
# everything into build/. Safe to run again: it only installs what is missing
# and rebuilds what changed.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
  build-essential cmake pkg-config git
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins qt6-serialport-dev libgl-dev
  qt6-l10n-tools qt6-tools-dev qt6-tools-dev-tools
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  clang-14 libclang-rt-14-dev clang-format-14
  fonts-noto-cjk fonts-liberation
  xvfb xauth dbus-daemon at-spi2-core python3-pyatspi
  desktop-file-utils appstream shared-mime-info dpkg-dev groff-base
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
fi

# The build/ tree through its preset: "dev" by default, "ci" (warnings as
# errors) when CI asks, so the checks that follow reuse it as it is.
preset=${1:-dev}
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake --preset "$preset" "${launcher[@]}" >/dev/null
cmake --build --preset "$preset" -j2
