#!/usr/bin/env bash
# Builds and runs every test: the core under AddressSanitizer + UndefinedBehaviorSanitizer
# (with a bounded fuzz run of the file readers), the server under ThreadSanitizer, then the
# whole program with all unit and window tests. Exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/deps.sh
tuvon_install_missing "${tuvon_test_packages[@]}"

jobs=$(nproc)
generator=(-G Ninja)
export CCACHE_DIR="${CCACHE_DIR:-$HOME/.cache/tuvon-ccache}"

section() { printf '\n==== %s ====\n' "$1"; }

section "Core tests under AddressSanitizer + UndefinedBehaviorSanitizer"
cmake -S . -B build/asan "${generator[@]}" -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ \
    -DTUVON_WITH_QT=OFF -DTUVON_FUZZ=ON -DTUVON_SANITIZE=address,undefined >/dev/null
cmake --build build/asan -j "$jobs"
(cd build/asan && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest -L unit -LE tsan-only --output-on-failure -j "$jobs")

section "Fuzzing the file readers (bounded)"
FUZZ_SECONDS="${FUZZ_SECONDS:-60}" bash fuzz/run.sh build/asan

section "Server tests under ThreadSanitizer"
cmake -S . -B build/tsan "${generator[@]}" -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ \
    -DTUVON_WITH_QT=OFF -DTUVON_SANITIZE=thread >/dev/null
cmake --build build/tsan -j "$jobs" --target tsan_tests
(cd build/tsan && TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1" \
    ctest -L server --no-tests=error --output-on-failure -j "$jobs")

section "All tests"
cmake -S . -B build/test "${generator[@]}" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/test -j "$jobs"
(cd build/test && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$jobs")
