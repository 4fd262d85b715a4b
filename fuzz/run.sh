#!/usr/bin/env bash
# Runs every fuzz target of a build for a bounded time, seeded from fuzz/corpus/<target>/ when
# present. Usage: fuzz/run.sh BUILD_DIR. Fails on the first finding.
set -euo pipefail
build="$1"
seconds="${FUZZ_SECONDS:-60}"
shopt -s nullglob
targets=("$build"/fuzz/fuzz_*)
if [ ${#targets[@]} -eq 0 ]; then
    echo "no fuzz targets built"
    exit 0
fi
per_target=$(( seconds / ${#targets[@]} ))
[ "$per_target" -lt 5 ] && per_target=5
for target in "${targets[@]}"; do
    [ -x "$target" ] || continue
    name=$(basename "$target")
    work="$build/fuzz/work-$name"
    mkdir -p "$work"
    seeds=()
    [ -d "fuzz/corpus/$name" ] && seeds+=("fuzz/corpus/$name")
    echo "fuzzing $name for ${per_target}s"
    status=0
    "$target" -max_total_time="$per_target" -print_final_stats=1 -artifact_prefix="$work/" \
        "$work" "${seeds[@]}" >"$work.log" 2>&1 || status=$?
    grep -E 'stat::number_of_executed_units|ERROR|SUMMARY' "$work.log" || true
    if [ "$status" -ne 0 ]; then
        tail -n 60 "$work.log"
        echo "fuzz target $name failed"
        exit 1
    fi
done
