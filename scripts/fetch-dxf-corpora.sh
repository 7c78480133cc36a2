#!/usr/bin/env bash
# Fetches real DXF drawings that nobody here wrote, from Debian packages, into DIR (a build
# folder; never committed): librecad-data (parts libraries), freecad-common (title blocks) and
# openscad-testing-data. Unpacks each once; a second run only lists what is there.
#
# usage: fetch-dxf-corpora.sh DIR
set -euo pipefail
dir=$(realpath -m "${1:?usage: fetch-dxf-corpora.sh DIR}")
mkdir -p "$dir/debs" "$dir/root"
cd "$dir/debs"
for package in librecad-data freecad-common openscad-testing-data; do
    if ! ls "${package}"_*.deb >/dev/null 2>&1; then
        apt-get download -q "$package" >/dev/null
    fi
    if [ ! -e "../root/.$package" ]; then
        dpkg-deb -x "${package}"_*.deb ../root
        touch "../root/.$package"
    fi
done
find "$dir/root" -type f -iname '*.dxf' | sort
