#!/bin/sh
# Fuzzes the record-file and settings-file readers with libFuzzer.
#   scripts/fuzz.sh BUILD_DIR [RUNS]
# Configures a separate clang build with ZK_FUZZ=ON in BUILD_DIR, builds the
# two fuzz targets, writes a small seed corpus and runs each target RUNS
# times (20000 by default). Exits non-zero when a target crashes; the input
# that crashed it is kept in BUILD_DIR/fuzz-artifacts.
# ZK_JOBS sets the build's parallelism (2), ZK_FUZZ_SEED the random seed (1).
set -eu

if [ $# -lt 1 ]; then
    echo "usage: $0 BUILD_DIR [RUNS]" >&2
    exit 2
fi
repo="$(cd "$(dirname "$0")/.." && pwd)"
build="$1"
runs="${2:-20000}"
jobs="${ZK_JOBS:-2}"
seed="${ZK_FUZZ_SEED:-1}"

cmake -S "$repo" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    -DZK_FUZZ=ON -DZK_QT=OFF -DZK_BENCH=OFF -DZK_WERROR=ON >/dev/null
cmake --build "$build" --target fuzz_record_file fuzz_settings fuzz_sfen -j"$jobs"

corpus="$build/fuzz-corpus"
artifacts="$build/fuzz-artifacts"
mkdir -p "$corpus/record" "$corpus/settings" "$corpus/sfen" "$artifacts"

# Seeds: files this program writes, a file written by hand, and near misses.
r="$corpus/record"
printf '\r\n\r\n\r\n 5 9 5 8 -2 -2  0\r\n 8 4 8 5  2  2  0\r\n 5 8 5 7 -2 -2  0\r\n' >"$r/three-moves"
printf '\r\n\r\n\r\n 610 6 9-34-34  0\r\n 6 9 7 8-34-34  0\r\n12 11212 28 29 -4\r\n' >"$r/two-step"
printf '\r\n\r\n\r\n 610 6 9-34-34  0\r\n 610 6 9-34-34-34\r\n' >"$r/declined"
printf 'header\nsecond\nthird\n 8 4 8 5  2  2  0 comment\n\t5 9 5 8 +1 -2\n\n' >"$r/by-hand"
printf '\r\n\r\n\r\n 5 9 5 8 -2 -2  0\r\n\r\n 0 9 5 8 40 -2  0\r\n' >"$r/refused"
printf '\357\273\277\r\n\r\n\r\n 5 9 5 8 -2 -2  0\r' >"$r/bom-and-cr"
: >"$r/empty"
s="$corpus/settings"
printf '移動指導=ON\r\nBGM=ON\r\n' >"$s/on-on"
printf '移動指導=OFF\r\nBGM=OFF\r\n' >"$s/off-off"
printf '移動指導=ON\r\n' >"$s/one-line"
printf '移動指導=on\nBGM=ON' >"$s/case"
printf '\r\n\r\n\000\377' >"$s/binary"
printf 'position startpos moves 7i7h 6d6e 7j7i 5d5e 7i8h7g\n' >"$corpus/sfen/game"
printf 'lfcsgekgscfl/a1b1txot1b1a/mvrhdqndhrvm/pppppppppppp/3i4i3/12/12/3I4I3/PPPPPPPPPPPP/MVRHDNQDHRVM/A1B1TOXT1B1A/LFCSGKEGSCFL b - 1 moves 3i3h 10d10e' >"$corpus/sfen/standard"

failed=0
for target in record_file settings sfen; do
    dir="$corpus/${target%_file}"
    echo "== fuzz_$target: $runs runs =="
    if ! "$build/bin/fuzz_$target" -runs="$runs" -seed="$seed" -max_len=4096 \
        -artifact_prefix="$artifacts/$target-" "$dir"; then
        echo "fuzz_$target found a crash; see $artifacts" >&2
        failed=1
    fi
done
exit "$failed"
