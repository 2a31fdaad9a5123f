#!/usr/bin/env bash
# A short run of every fuzz target of the build, each on a fresh corpus (seeded with model
# records that the tool writes, for the targets that read them). Fails when a target crashes, leaks, hangs (10 s on one input), asks for
# more than 256 MB in one allocation or grows past 1 GB. The inputs that broke a target are
# kept in BUILD_DIR/fuzz-artifacts/.
# Usage: fuzz/run-smoke.sh BUILD_DIR [SECONDS per target, default 20]
set -euo pipefail

build=${1:?usage: fuzz/run-smoke.sh BUILD_DIR [SECONDS]}
seconds=${2:-20}
cli=$build/src/cli/vantorel-cli
# Every fuzz target the build made; the three below must be among them.
targets=()
for path in "$build"/fuzz/fuzz_*; do
    [ -f "$path" ] && [ -x "$path" ] && targets+=("$(basename "$path")")
done
for target in fuzz_model_record fuzz_value_stream fuzz_rules; do
    [ -x "$build/fuzz/$target" ] || { echo "missing $build/fuzz/$target (configure with -DVANTOREL_FUZZ=ON)" >&2; exit 2; }
done
[ -x "$cli" ] || { echo "missing $cli" >&2; exit 2; }

work=$(mktemp -d "${TMPDIR:-/tmp}/vantorel-fuzz.XXXXXX")
trap 'rm -rf "$work"' EXIT
artifacts=$build/fuzz-artifacts
mkdir -p "$artifacts" "$work/seeds"

# Both built-in boards as records, the same records followed by move choices, and the
# records behind a read plan for the value stream (0: follow the tags).
for variant in 0 1; do
    "$cli" model --variant "$variant" --write "$work/seeds/variant$variant.Mdl" >/dev/null
done
for target in "${targets[@]}"; do mkdir -p "$work/$target"; done
for variant in 0 1; do
    record=$work/seeds/variant$variant.Mdl
    cp "$record" "$work/fuzz_model_record/"
    { cat "$record"; printf '\001\000\007\000\011\000\003\000\015'; } >"$work/fuzz_model_record/variant$variant-play"
    { printf '\000'; cat "$record"; } >"$work/fuzz_value_stream/variant$variant-by-tag"
    { printf '\003\002\002\007'; cat "$record"; } >"$work/fuzz_value_stream/variant$variant-plan"
    head -c 512 "$record" >"$work/fuzz_rules/variant$variant-bytes"
done
# Saved games, a library of both boards and a partner's state for the game's readers.
if [ -d "$work/fuzz_saved_game" ]; then
    "$cli" game --variant 1 --clicks "0 9 1 10 2 9" --save "$work/fuzz_saved_game/mill.vtl" >/dev/null
    "$cli" game --variant 0 --type 4 --seed 3 --save "$work/fuzz_saved_game/computers.vtl" >/dev/null
fi
if [ -d "$work/fuzz_editor_model" ]; then
    for variant in 0 1; do
        { cat "$work/seeds/variant$variant.Mdl"; printf '\001\002\003\064\100\007\010\010\011\200\200\006'; } \
            >"$work/fuzz_editor_model/variant$variant-edit"
    done
fi
if [ -d "$work/fuzz_library" ]; then
    cat "$work/seeds/variant0.Mdl" "$work/seeds/variant1.Mdl" >"$work/fuzz_library/both.tev"
fi
if [ -d "$work/fuzz_protocol" ] && [ -f "$work/fuzz_saved_game/mill.vtl" ]; then
    "$cli" state "$work/fuzz_saved_game/mill.vtl" | sed -n 's/^{"state": "\(.*\)"}$/\1/p' \
        >"$work/fuzz_protocol/state"
    printf 'TEV/VANTOREL/CHAT bonjour :-)TEV/VANTOREL/NULL ' >"$work/fuzz_protocol/chat"
fi
# A 9-point board with a few links and mills, three pieces each, all rule options at 0.
printf '\011\014\000\001\001\002\003\004\004\005\006\007\007\010\000\003\003\006\001\004\004\007\002\005\005\010\003\000\001\002\003\004\005\006\007\010\003\003\000\000\000\003\000' \
    >"$work/fuzz_rules/small-board"

status=0
for target in "${targets[@]}"; do
    log=$work/$target.log
    echo "== $target ($seconds s)"
    if "$build/fuzz/$target" -max_total_time="$seconds" -rss_limit_mb=1024 -malloc_limit_mb=256 \
        -timeout=10 -print_final_stats=1 -artifact_prefix="$artifacts/$target-" \
        "$work/$target" >"$log" 2>&1; then
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
