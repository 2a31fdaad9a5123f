#!/usr/bin/env bash
# A short run of every fuzz target of the build, each on a fresh corpus seeded from
# fuzz/corpus/TARGET (small files the tool wrote) and with its dictionary fuzz/TARGET.dict.
# Fails when a target is missing, crashes, leaks, hangs (10 s on one input), asks for more
# than 64 MB in one allocation or grows past 1 GB. The inputs that broke a target are kept in
# BUILD_DIR/fuzz-artifacts/. The longer campaign is fuzz/run-campaign.sh.
# Usage: fuzz/run-smoke.sh BUILD_DIR [SECONDS per target, default 20]
set -euo pipefail

build=${1:?usage: fuzz/run-smoke.sh BUILD_DIR [SECONDS]}
seconds=${2:-20}
here=$(cd "$(dirname "$0")" && pwd)
# Every fuzz target the build made; every one with seeds must be among them.
targets=()
for path in "$build"/fuzz/fuzz_*; do
    [ -f "$path" ] && [ -x "$path" ] && targets+=("$(basename "$path")")
done
for seeds in "$here"/corpus/fuzz_*; do
    target=$(basename "$seeds")
    [ -x "$build/fuzz/$target" ] || { echo "missing $build/fuzz/$target (configure with -DVANTOREL_FUZZ=ON, Qt 6 Core installed)" >&2; exit 2; }
done

work=$(mktemp -d "${TMPDIR:-/tmp}/vantorel-fuzz.XXXXXX")
trap 'rm -rf "$work"' EXIT
artifacts=$build/fuzz-artifacts
mkdir -p "$artifacts"

status=0
for target in "${targets[@]}"; do
    log=$work/$target.log
    mkdir -p "$work/$target"
    [ -d "$here/corpus/$target" ] && cp "$here/corpus/$target"/* "$work/$target/"
    options=(-max_total_time="$seconds" -rss_limit_mb=1024 -malloc_limit_mb=64 -timeout=10
        -print_final_stats=1 -artifact_prefix="$artifacts/$target-")
    [ -f "$here/$target.dict" ] && options+=(-dict="$here/$target.dict")
    echo "== $target ($seconds s)"
    if "$build/fuzz/$target" "${options[@]}" "$work/$target" >"$log" 2>&1; then
        stat() { sed -n "s/^stat::$1: *//p" "$log"; }
        corpus=$(find "$work/$target" -type f | wc -l)
        echo "ok: $(stat number_of_executed_units) runs ($(stat average_exec_per_sec)/s)," \
            "corpus of $corpus inputs, slowest input $(stat slowest_unit_time_sec) s," \
            "peak $(stat peak_rss_mb) MB"
    else
        echo "FAILED: the last lines of its log follow; the input is in $artifacts/" >&2
        tail -n 60 "$log" >&2
        status=1
    fi
done
exit $status
