#!/usr/bin/env bash
# Runs every fuzz target of a build for a bounded time, seeded from fuzz/corpus/<target>/ (valid
# files of every format and version the target reads). Usage: fuzz/run.sh BUILD_DIR. Fails on the
# first finding, and when the seeds reach too little of the library.
set -euo pipefail
build="$1"
seconds="${FUZZ_SECONDS:-60}"
min_edges=500
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
    # The seeds alone must reach far into the library: a target that sees only its own file's
    # branches (the library built without coverage instrumentation) fuzzes nearly blind.
    if [ ${#seeds[@]} -gt 0 ]; then
        cov=$("$target" -runs=0 "${seeds[@]}" 2>&1 | sed -n 's/.*DONE *cov: \([0-9]*\).*/\1/p')
        echo "$name: the seeds reach ${cov:-0} edges"
        if [ "${cov:-0}" -lt "$min_edges" ]; then
            echo "fuzz target $name sees fewer than $min_edges edges: is the library instrumented?"
            exit 1
        fi
    fi
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
