#!/usr/bin/env bash
# Builds the Debian package tamrel-fotomaz_VERSION-1_ARCH.deb in build-package/
# from a Release build with Debian's hardening flags; the binaries are
# stripped. Prints lintian's remarks when lintian is installed, then the
# package's path.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
# The compiler and linker flags of a Debian package build (hardening); CMake
# reads CXXFLAGS and LDFLAGS, not CPPFLAGS.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
CXXFLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)"
LDFLAGS="$(dpkg-buildflags --get LDFLAGS)"
export CXXFLAGS LDFLAGS
# A fresh configuration, so the flags above are the ones used.
rm -rf build-package
cmake -S . -B build-package -G Ninja -DCMAKE_BUILD_TYPE=Release -DFOTOMAZ_TESTS=OFF >/dev/null
cmake --build build-package -j "$(nproc)"
(cd build-package && cpack -G DEB >/dev/null)
package=$(ls "$PWD"/build-package/tamrel-fotomaz_*.deb)
# lintian is not installed by install-deps.sh; docs/install.md lists the
# remarks kept.
if command -v lintian >/dev/null; then
  lintian "$package" || true
fi
echo "$package"
