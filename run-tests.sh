#!/bin/bash
# Installs what a fresh Debian 12 machine lacks, then builds and runs every
# test twice: in an ordinary build and under AddressSanitizer + UBSan.
set -euo pipefail
cd "$(dirname "$0")"
./install-deps.sh
export QT_QPA_PLATFORM=offscreen

cmake -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELMIRA_WERROR=ON
cmake --build build -j2
ctest --test-dir build --output-on-failure -j2

# Leaks are reported, except in the tests that create windows (see
# tests/CMakeLists.txt): windows live until the program ends by design.
export ASAN_OPTIONS=abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
cmake -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DVELMIRA_SANITIZE=ON -DVELMIRA_WERROR=ON
cmake --build build-sanitize -j2
ctest --test-dir build-sanitize --output-on-failure -j2
