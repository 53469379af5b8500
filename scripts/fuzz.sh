#!/usr/bin/env bash
# fuzz.sh SECONDS [TARGET...]: builds the libFuzzer targets of fuzz/ with clang in build-fuzz/
# and runs each for SECONDS, two at a time (FUZZ_JOBS=1: one at a time). The targets are
# fuzz_library, fuzz_module, fuzz_script_import and fuzz_lumenote (all by default).
#
# Each target starts from the test fixtures and keeps what it learns in
# build-fuzz/corpus/TARGET/. A crash, hang, leak or sanitizer report stops that target and
# leaves the input in build-fuzz/findings/TARGET/ and the log in build-fuzz/logs/TARGET.log.
# Exits 1 when any target found something. A finding that is fixed is kept as a regression
# fixture in tests/fixtures/bad/fuzz/TARGET/, which the tests replay.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:?usage: scripts/fuzz.sh SECONDS [TARGET...]}
shift
targets=("$@")
[[ ${#targets[@]} -gt 0 ]] || targets=(fuzz_library fuzz_module fuzz_script_import fuzz_lumenote)
jobs=${FUZZ_JOBS:-2}
build=build-fuzz

cmake -S . -B "$build" -G Ninja -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVANTOR_FUZZ=ON -DVANTOR_GUI=OFF -DVANTOR_TESTS=OFF \
    -DVANTOR_WERROR=ON >/dev/null
cmake --build "$build" -j2 --target "${targets[@]}"

fixtures=tests/fixtures
# Seeds, dictionary and largest input of each target.
setup() {
    case $1 in
    fuzz_library)
        seeds=(--glob "$fixtures/bad/*.vtl")
        dict=fuzz/archive.dict max_len=16384 ;;
    fuzz_module)
        seeds=(--glob "$fixtures/model/*.vtm" "$fixtures/bad/*.vtm")
        dict=fuzz/archive.dict max_len=16384 ;;
    fuzz_script_import | fuzz_lumenote)
        seeds=(--glob "$fixtures/import/*.cfg" "$fixtures/lumenote/pages/*/input.cfg")
        dict=fuzz/script.dict max_len=8192 ;;
    *)
        echo "unknown target: $1" >&2
        return 1 ;;
    esac
}

run() {
    local target=$1 corpus=$build/corpus/$1 findings=$build/findings/$1 log=$build/logs/$1.log
    setup "$target"
    mkdir -p "$corpus" "$findings" "$build/logs" "$corpus.seeds"
    # Seeds are copied, so that libFuzzer only ever writes into build-fuzz/.
    shopt -s nullglob
    for pattern in "${seeds[@]:1}"; do
        for file in $pattern; do
            cp "$file" "$corpus.seeds/"
        done
    done
    for file in "$fixtures/bad/fuzz/$target"/*; do
        cp "$file" "$corpus.seeds/"
    done
    shopt -u nullglob
    echo "$target: fuzzing for ${seconds}s (log: $log)"
    if "$build/bin/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -max_len="$max_len" -dict="$dict" -artifact_prefix="$findings/" -print_final_stats=1 \
        "$corpus" "$corpus.seeds" >"$log" 2>&1; then
        echo "$target: nothing found ($(grep -m1 -o 'stat::number_of_executed_units: [0-9]*' "$log" || true))"
    else
        echo "$target: FOUND SOMETHING, see $log and $findings/"
        return 1
    fi
}

status=0
running=0
for target in "${targets[@]}"; do
    if ((running >= jobs)); then
        wait -n || status=1
        running=$((running - 1))
    fi
    run "$target" &
    running=$((running + 1))
done
while ((running > 0)); do
    wait -n || status=1
    running=$((running - 1))
done
exit $status
