#!/bin/sh
# Fuzzes the record-file, settings-file and SFEN/USI readers and the engine
# program's command readers (USI and XBoard) with libFuzzer.
#   scripts/fuzz.sh BUILD_DIR [RUNS]
# Configures a separate clang build with ZK_FUZZ=ON in BUILD_DIR, builds the
# four fuzz targets and runs each target RUNS times (500000 by default; the
# SFEN/USI reader, which checks every move against the rules, a tenth of that,
# and the command readers, whose lines may each hold a game, a twentieth),
# starting from the corpus kept in tests/fuzz/corpus and from what earlier
# runs in BUILD_DIR found (BUILD_DIR/fuzz-corpus). Exits non-zero when a
# target crashes; the input that crashed it is kept in BUILD_DIR/fuzz-artifacts.
# ZK_JOBS sets the build's parallelism (2), ZK_FUZZ_SEED the random seed (1).
# ZK_FUZZ_UPDATE=1 afterwards merges the inputs that reach code the kept
# corpus does not into tests/fuzz/corpus, minimised, ready to commit.
set -eu

if [ $# -lt 1 ]; then
    echo "usage: $0 BUILD_DIR [RUNS]" >&2
    exit 2
fi
repo="$(cd "$(dirname "$0")/.." && pwd)"
build="$1"
runs="${2:-500000}"
jobs="${ZK_JOBS:-2}"
seed="${ZK_FUZZ_SEED:-1}"

cmake -S "$repo" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    -DZK_FUZZ=ON -DZK_QT=OFF -DZK_BENCH=OFF -DZK_WERROR=ON >/dev/null
cmake --build "$build" --target fuzz_record_file fuzz_settings fuzz_sfen fuzz_protocol -j"$jobs"

artifacts="$build/fuzz-artifacts"
mkdir -p "$artifacts"

failed=0
for target in record_file settings sfen protocol; do
    kind="${target%_file}"
    kept="$repo/tests/fuzz/corpus/$kind"
    found="$build/fuzz-corpus/$kind"
    mkdir -p "$found"
    n="$runs"
    [ "$target" = sfen ] && n=$((runs / 10))
    [ "$target" = protocol ] && n=$((runs / 20))
    echo "== fuzz_$target: $n runs =="
    # New inputs go to the first directory; the kept corpus is only read.
    if ! "$build/bin/fuzz_$target" -runs="$n" -seed="$seed" -max_len=4096 \
        -artifact_prefix="$artifacts/$target-" -print_final_stats=1 "$found" "$kept"; then
        echo "fuzz_$target found a crash; see $artifacts" >&2
        failed=1
        continue
    fi
    if [ "${ZK_FUZZ_UPDATE:-0}" = 1 ]; then
        "$build/bin/fuzz_$target" -merge=1 -max_len=4096 "$kept" "$found"
    fi
done
exit "$failed"
