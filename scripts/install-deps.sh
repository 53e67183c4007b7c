#!/usr/bin/env bash
# Installs the Debian 12 packages the build, the tests and the windows need, those missing only,
# and any further packages named as arguments.
set -euo pipefail

packages=(cmake ninja-build g++ qt6-base-dev libgl-dev libcli11-dev libgtest-dev libbenchmark-dev
          libdtl-dev locales fonts-arphic-uming qt6-translations-l10n xvfb xauth openbox x11-utils
          xdotool imagemagick clang-format "$@")
missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
$sudo apt-get update -q
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
