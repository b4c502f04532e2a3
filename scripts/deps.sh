#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need,
# when they are missing (as root directly, otherwise through sudo).
set -euo pipefail
packages=(cmake make g++ qt6-base-dev libqt6svg6 libgtest-dev libbenchmark-dev
          liberfa-dev fonts-dejavu-core clang libclang-rt-14-dev
          qt6-translations-l10n)
missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
    missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo=sudo
  echo "Installing: ${missing[*]}"
  $sudo apt-get update
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y "${missing[@]}"
fi
