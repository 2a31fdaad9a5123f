#!/usr/bin/env bash
# A fuzzing campaign: every target of the build for MINUTES each under the build's sanitizers,
# JOBS targets at a time (default 1), each allowed 64 MB in one allocation, 2 GB in all and
# 10 s on one input. The corpora grow outside the repository, in
# ${VANTOREL_FUZZ_WORK:-~/.cache/vantorel-fuzz}/corpus/TARGET (seeded from fuzz/corpus/TARGET),
# so that the next campaign starts where this one stopped; the inputs that broke a target are
# kept in .../artifacts/. Ends with a table: target, runs, inputs a second, coverage, findings.
# Fails when any target found something.
# Usage: fuzz/run-campaign.sh MINUTES [JOBS] [BUILD_DIR, default build/fuzz]
# (VANTOREL_FUZZ_SECONDS, when set, replaces MINUTES: a quick try of the script itself.)
set -uo pipefail

minutes=${1:?usage: fuzz/run-campaign.sh MINUTES [JOBS] [BUILD_DIR]}
jobs=${2:-1}
build=${3:-build/fuzz}
here=$(cd "$(dirname "$0")" && pwd)
work=${VANTOREL_FUZZ_WORK:-${XDG_CACHE_HOME:-$HOME/.cache}/vantorel-fuzz}
seconds=${VANTOREL_FUZZ_SECONDS:-$((minutes * 60))}
# libFuzzer reads 0 as "no limit": a campaign always ends.
[[ $seconds =~ ^[0-9]+$ && $seconds -gt 0 && $jobs =~ ^[0-9]+$ && $jobs -gt 0 ]] || {
    echo "usage: fuzz/run-campaign.sh MINUTES [JOBS] [BUILD_DIR] (whole numbers above 0)" >&2
    exit 2
}

targets=()
for path in "$build"/fuzz/fuzz_*; do
    [ -f "$path" ] && [ -x "$path" ] && targets+=("$(basename "$path")")
done
[ ${#targets[@]} -gt 0 ] || { echo "no fuzz targets in $build/fuzz (configure with -DVANTOREL_FUZZ=ON)" >&2; exit 2; }
stamp=$(date -u +%Y%m%d-%H%M%S)
logs=$work/logs/$stamp
mkdir -p "$work/artifacts" "$logs"

# One target: its grown corpus first (new inputs are written there), the seeds after it.
run_target() {
    local target=$1 corpus=$work/corpus/$1 seeds=$here/corpus/$1 dict=$here/$1.dict
    mkdir -p "$corpus"
    local options=(-max_total_time="$seconds" -malloc_limit_mb=64 -rss_limit_mb=2048 -timeout=10
        -print_final_stats=1 -artifact_prefix="$work/artifacts/$target-$stamp-")
    [ -f "$dict" ] && options+=(-dict="$dict")
    local corpora=("$corpus")
    [ -d "$seeds" ] && corpora+=("$seeds")
    "$build/fuzz/$target" "${options[@]}" "${corpora[@]}" >"$logs/$target.log" 2>&1
    echo $? >"$logs/$target.status"
}

echo "campaign $stamp: ${#targets[@]} targets, $minutes min each, $jobs at a time; logs in $logs"
for target in "${targets[@]}"; do
    while [ "$(jobs -rp | wc -l)" -ge "$jobs" ]; do wait -n; done
    echo "== $target"
    run_target "$target" &
done
wait

stat() { sed -n "s/^stat::$2: *//p" "$logs/$1.log" | tail -n 1; }
failed=0
printf '\n| target | runs | exec/s | coverage | corpus | findings |\n|---|---:|---:|---:|---:|---|\n'
for target in "${targets[@]}"; do
    log=$logs/$target.log
    runs=$(stat "$target" number_of_executed_units)
    speed=$(stat "$target" average_exec_per_sec)
    cov=$(grep -o 'cov: [0-9]*' "$log" | tail -n 1 | cut -d' ' -f2)
    corpus=$(find "$work/corpus/$target" -type f | wc -l)
    found=$(find "$work/artifacts" -name "$target-$stamp-*" -type f | wc -l)
    status=$(cat "$logs/$target.status" 2>/dev/null || echo '?')
    findings=none
    if [ "$found" -gt 0 ] || [ "$status" != 0 ]; then
        findings="$found (exit $status, see $log)"
        failed=1
    fi
    printf '| %s | %s | %s | %s | %s | %s |\n' "$target" "${runs:-?}" "${speed:-?}" "${cov:-?}" \
        "$corpus" "$findings"
done
exit $failed
