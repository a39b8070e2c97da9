#!/usr/bin/env bash
# Builds Zbirnik and starts it on the bundled demo shop.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/deps.sh
source scripts/hardening.sh
install_missing_packages "${BUILD_PACKAGES[@]}"
mapfile -t hardening < <(hardening_cmake_flags)
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo "${hardening[@]}" >/dev/null
cmake --build build -j2 --target zbirnik
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display to show the window on; run it under Xvfb instead: xvfb-run -a ./run.sh" >&2
    exit 1
fi
cd examples/shop
exec ../../build/src/zbirnik
