#!/usr/bin/env bash
# Runs one libFuzzer target for a while from a scratch copy of its seeds, so
# the checked-in seeds never grow. A crashing input is kept beside the binary
# and the end of the fuzzer's report is shown; otherwise one line of figures.
# Usage: fuzz/run-target.sh BINARY SEED_DIR SECONDS MAX_LEN
set -euo pipefail
binary=${1:?usage: run-target.sh BINARY SEED_DIR SECONDS MAX_LEN}
seeds=${2:?seed folder}
seconds=${3:?seconds}
max_len=${4:?largest input}
if [ ! -x "$binary" ]; then
    echo "missing $binary (configure with clang and -DCORVANE_FUZZ=ON)" >&2
    exit 1
fi
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir "$scratch/corpus"
cp "$seeds"/* "$scratch/corpus"/
status=0
"$binary" -max_total_time="$seconds" -max_len="$max_len" -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$(dirname "$binary")/" "$scratch/corpus" >"$scratch/log" 2>&1 || status=$?
if [ "$status" -ne 0 ]; then
    tail -n 60 "$scratch/log"
    exit "$status"
fi
peak=$(awk '/peak_rss_mb/ {print $2}' "$scratch/log")
echo "$(basename "$binary"): $(grep -m1 '^Done ' "$scratch/log"), peak RSS $peak MB"
