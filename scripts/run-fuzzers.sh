#!/usr/bin/env bash
# Runs every libFuzzer target of a build folder for a bounded time each.
# Corpora live in build/fuzz-corpus so repeated runs continue where they stopped.
set -euo pipefail
build=$1
seconds=${2:-60}
shopt -s nullglob
status=0
for f in "$build"/bin/fuzz_*; do
    [ -x "$f" ] || continue
    name=$(basename "$f")
    corpus="$build/../fuzz-corpus/$name"
    mkdir -p "$corpus"
    seeds=()
    [ -d "fuzz/seeds/$name" ] && seeds=("fuzz/seeds/$name")
    echo "== $name for ${seconds}s"
    if ! "$f" -max_total_time="$seconds" -print_final_stats=1 "$corpus" "${seeds[@]}" \
            2> >(grep -E '^(stat::number_of_executed_units|stat::peak_rss_mb|==|SUMMARY|Done)' >&2); then
        status=1
    fi
done
exit $status
