#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the program need,
# only when something is missing.
set -euo pipefail
packages=(build-essential cmake ninja-build qt6-base-dev qt6-qpa-plugins qt6-translations-l10n
  libgl1-mesa-dev libgtest-dev libgmock-dev clang libclang-rt-dev xvfb xauth)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
fi
