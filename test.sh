#!/usr/bin/env bash
# Builds Zbirnik with its tests and benchmarks and runs every test; exits non-zero on any failure.
#   ./test.sh             the normal build in build/, with Debian's hardening flags (the
#                         Debian package is made from it)
#   ./test.sh --sanitize  the whole test suite built with AddressSanitizer and
#                         UndefinedBehaviorSanitizer in build-asan/ (see scripts/sanitizers.sh)
set -euo pipefail
cd "$(dirname "$0")"
source scripts/deps.sh
install_missing_packages "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
if [ "${1:-}" = "--sanitize" ]; then
    source scripts/sanitizers.sh
    # -O1 and line tables only: the sanitizers' reports keep their file and line, and the
    # build takes about a third less time than -O2 with full debug information.
    cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZBIRNIK_SANITIZE=ON \
        -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1" -DZBIRNIK_BENCHMARKS=OFF >/dev/null
    cmake --build build-asan -j2
    ctest --test-dir build-asan --output-on-failure -j2
    exit
fi
source scripts/hardening.sh
mapfile -t hardening < <(hardening_cmake_flags)
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo "${hardening[@]}" >/dev/null
cmake --build build -j2
ctest --test-dir build --output-on-failure -j2
