#!/usr/bin/env bash
# Runs every benchmark executable of a build folder.
set -euo pipefail
build=$1
shopt -s nullglob
status=0
for b in "$build"/bin/bench_*; do
    [ -x "$b" ] || continue
    echo "== $(basename "$b")"
    QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} "$b" || status=1
done
exit $status
