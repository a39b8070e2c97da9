#!/usr/bin/env bash
# Builds Zbirnik in build/ and makes the Debian package build/package/zbirnik_<version>_<arch>.deb
# (installs under /usr; dependencies found by dpkg-shlibdeps).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
install_missing_packages "${BUILD_PACKAGES[@]}" dpkg-dev
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j2
cpack --config build/CPackConfig.cmake -B build/package
