#!/usr/bin/env bash
# Every real drawing of the Debian corpora (see fetch-dxf-corpora.sh, about 1,390 files) opens
# in the simulated CAD and saves to the same bytes. All of them take seconds, so none is left
# out; the download on the first run is the slow part.
#
# usage: dxf-corpus-check.sh TOOL DIR    (TOOL is tavor_dxf_tool; exit 77 when offline)
set -euo pipefail
tool=${1:?usage: dxf-corpus-check.sh TOOL DIR}
dir=${2:?usage: dxf-corpus-check.sh TOOL DIR}
if ! files=$("$(dirname "$0")/fetch-dxf-corpora.sh" "$dir" 2>/dev/null); then
    echo "the corpora cannot be fetched (no package archive?); skipped"
    exit 77
fi
echo "$files" | tr '\n' '\0' | xargs -0 "$tool" roundtrip | tee "$dir/last-run.txt"
! grep -q '^\(ERROR\|CHANGED\) ' "$dir/last-run.txt"
