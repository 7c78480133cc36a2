#!/usr/bin/env bash
# Builds and runs every test: the core and the Qt skin under AddressSanitizer and
# UndefinedBehaviorSanitizer (Qt tests on the offscreen platform), then the Qt-free core and its
# tests cross-compiled with MinGW-w64 and run under Wine. Any failure ends it non-zero.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh

jobs=$(nproc)

echo "== Linux build with sanitizers"
cmake -S . -B build/asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTAVOR_SANITIZE=ON -DTAVOR_WERROR=ON >/dev/null
cmake --build build/asan -j "$jobs"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build/asan --output-on-failure -j "$jobs"

echo "== Windows build of the core (MinGW-w64), run under Wine"
cmake -S . -B build/mingw -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DCMAKE_BUILD_TYPE=Release \
    -DTAVOR_GUI=OFF -DTAVOR_WERROR=ON >/dev/null
cmake --build build/mingw -j "$jobs"
wineprefix=$(mktemp -d)
trap 'wineserver -k >/dev/null 2>&1 || true; rm -rf "$wineprefix"' EXIT
export WINEPREFIX="$wineprefix" WINEARCH=win64 WINEDEBUG=-all
# Wine needs a display for windows; it gets a virtual one.
xvfb-run -a ctest --test-dir build/mingw --output-on-failure
