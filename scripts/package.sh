#!/usr/bin/env bash
# Builds the Debian package of Tolvik with CPack into ./build-package (or $TOLVIK_BUILD_DIR);
# extra arguments go to cmake.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${TOLVIK_BUILD_DIR:-$top/build-package}
# CPack finds the programs for dpkg-shlibdeps with file(1).
"$top/scripts/install-deps.sh" dpkg-dev file
# Built with the flags a Debian build uses, hardening included.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all,-format
cd "$top"
TOLVIK_BUILD_DIR=$build "$top/scripts/build.sh" -DTOLVIK_TESTS=OFF \
    "-DCMAKE_CXX_FLAGS=$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
    "-DCMAKE_EXE_LINKER_FLAGS=$(dpkg-buildflags --get LDFLAGS)" "$@"
cd "$build"
rm -f tolvik_*.deb
cpack -G DEB >/dev/null
ls "$build"/tolvik_*.deb
