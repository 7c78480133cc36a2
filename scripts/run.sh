#!/usr/bin/env bash
# Builds the program and starts it on the simulated CAD. Without a display it says so, runs the
# program under a virtual one (Xvfb), saves a screenshot to build/screenshot.png and ends.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh

cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DTAVOR_TESTS=OFF >/dev/null
cmake --build build/release -j "$(nproc)" --target tavordesk
program=build/release/src/gui/tavordesk

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    exec "$program"
fi

shot=${1:-build/screenshot.png}
echo "No display here: running Tavordesk under Xvfb and saving a screenshot to $shot"
xvfb-run -a -s "-screen 0 1280x800x24" bash -c '
    "$1" & pid=$!
    sleep 4
    import -window root "$2"
    kill "$pid"; wait "$pid" 2>/dev/null || true
' _ "$program" "$shot"
echo "Saved $shot"
