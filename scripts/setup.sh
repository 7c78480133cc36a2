#!/usr/bin/env bash
# Installs everything the build, the tests and the screenshots need (Debian).
# Idempotent: when every package is present it only checks and returns.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev qt6-base-dev-tools libgl-dev
    libgtest-dev libgmock-dev googletest libbenchmark-dev libicu-dev
    xvfb xauth x11-apps imagemagick
    fonts-noto-cjk fonts-ipafont-gothic
    g++-mingw-w64-x86-64-posix wine wine64
    clang-format xdg-utils
    clang libclang-rt-14-dev
    python3-ezdxf
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
echo "Installing: ${missing[*]}"
"${as_root[@]}" apt-get update -q
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
