#!/usr/bin/env bash
# Builds Qt base (Core, Gui, Widgets, Test; the windows, offscreen and minimal platform plugins)
# as static libraries for 64-bit Windows from Debian's own qt6-base source package, at exactly the
# version of the host's Qt (whose moc, rcc and uic the cross build uses), with Debian's security
# patches applied. Packs the prefix as qt<version>-mingw64-static.tar.zst in the cache that
# scripts/test.sh looks in (or in the folder given as the first argument).
#
# Run once on Linux (Debian 12): about 15 minutes on 2 cores, about 5 GB of scratch space in
# $TMPDIR; the tarball is about 15 MB, the unpacked prefix about 100 MB.
# With --source-only it stops once the patched source is ready (a quick check of the recipe).
set -euo pipefail
cd "$(dirname "$0")/.."
project=$PWD
source_only=false
if [ "${1:-}" = --source-only ]; then
    source_only=true
    shift
fi
scripts/setup.sh

out=${1:-${XDG_CACHE_HOME:-$HOME/.cache}/tavordesk}
work=${TAVOR_QT_BUILD_DIR:-${TMPDIR:-/tmp}/tavordesk-qt-mingw}
mkdir -p "$out" "$work"
out=$(cd "$out" && pwd)

as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)

# The host's Qt decides the version: its tools generate code for the cross-built libraries.
for p in qt6-base-dev qt6-base-dev-tools; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" ||
        { echo "$p is not installed (scripts/setup.sh installs it)" >&2; exit 1; }
done
version=$(dpkg-query -W -f='${Version}' qt6-base-dev)     # e.g. 6.4.2+dfsg-10
upstream=${version%%+*}                                   # 6.4.2
upstream=${upstream%%-*}
tarball="$out/qt$upstream-mingw64-static.tar.zst"
echo "== Qt $upstream for MinGW-w64 from Debian's qt6-base $version into $tarball"

echo "== Source package"
cd "$work"
if ! ls qt6-base_"${version%-*}".orig.tar.* >/dev/null 2>&1; then
    if ! apt-get source --print-uris "qt6-base=$version" >/dev/null 2>&1; then
        # Debian's source lines beside its binary ones, once.
        sources=/etc/apt/sources.list.d/debian.sources
        [ -f "$sources" ] || { echo "No $sources to derive source lines from" >&2; exit 1; }
        sed 's/^Types: deb$/Types: deb-src/' "$sources" |
            "${as_root[@]}" tee /etc/apt/sources.list.d/tavordesk-deb-src.sources >/dev/null
        "${as_root[@]}" apt-get update -q
    fi
    apt-get source --download-only "qt6-base=$version"
fi
rm -rf source
mkdir source
tar -C source -xf qt6-base_"${version%-*}".orig.tar.*
tar -C source -xf qt6-base_"$version".debian.tar.*
src=$(echo "$work"/source/qtbase-everywhere-src-*)

echo "== Debian's security patches"
# Every patch of the series named after a CVE; one that does not apply stops the build.
applied=0
while read -r patch _; do
    case "$patch" in
        *[Cc][Vv][Ee]-[0-9]*)
            patch -d "$src" -p1 -s -N --dry-run <"$work/source/debian/patches/$patch" >/dev/null
            patch -d "$src" -p1 -s -N <"$work/source/debian/patches/$patch"
            echo "   $patch"
            applied=$((applied + 1)) ;;
    esac
done < <(grep -v '^#' "$work/source/debian/patches/series")
echo "   $applied applied"
if $source_only; then
    echo "Patched source ready in $src"
    exit 0
fi

echo "== Configure"
rm -rf build prefix
mkdir build
cd build
# The smallest Qt that the program and its Qt tests need:
# -no-feature-tabletevent: Debian's +dfsg source drops src/3rdparty/wintab.
# direct2d stays on: with it off, the windows platform plugin of 6.4 fails to link.
# -qt-freetype: the offscreen platform plugin (the Qt tests) needs FreeType.
"$src/configure" \
    -prefix "$work/prefix/qt6-mingw64" -release -static \
    -nomake examples -nomake tests \
    -qt-host-path /usr \
    -no-opengl -no-dbus -no-icu -no-zstd -no-libjpeg \
    -qt-freetype -qt-zlib -qt-libpng -qt-pcre -qt-harfbuzz -qt-doubleconversion \
    -no-feature-sql -no-feature-network -no-feature-printsupport \
    -no-feature-concurrent -no-feature-xml -no-feature-vulkan -no-feature-tabletevent \
    -- -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$project/cmake/mingw-w64-qt-build.cmake" \
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake

echo "== Build (about 15 minutes on 2 cores)"
cmake --build . --parallel "$(nproc)"
cmake --install .

echo "== Pack"
tar -C "$work/prefix" -I 'zstd -19 -T0' -cf "$tarball.part" qt6-mingw64
mv "$tarball.part" "$tarball"
(cd "$out" && sha256sum "$(basename "$tarball")" >"$(basename "$tarball").sha256")
rm -rf "$work/build" "$work/source" "$work/prefix"
echo "$tarball"
