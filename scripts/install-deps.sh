#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the program need,
# only when something is missing.
set -euo pipefail
# The second line: what the installation checks and the package build use
# (validators, man, the locales' sources for localedef, dpkg-shlibdeps) and
# what the package depends on beyond the linked libraries. The third: an exFAT
# file system in a file for the test of moves on a memory card's file system,
# strace, with which fotomaz-bench counts the run's system calls, and the
# pass-through FUSE share of the tests of moves on shares (fusepy for the
# system's Python, fusermount3 to unmount it), and libfuse3 (found with
# pkg-config) for fotomaz-bench's slow share.
packages=(build-essential cmake ninja-build qt6-base-dev qt6-qpa-plugins libgl1-mesa-dev libexpat1-dev nlohmann-json3-dev
  libgtest-dev libgmock-dev clang libclang-rt-dev xvfb xauth
  desktop-file-utils appstream man-db locales dpkg-dev qt6-translations-l10n
  exfat-fuse exfatprogs strace python3-fusepy fuse3 libfuse3-dev pkgconf)
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
