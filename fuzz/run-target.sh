#!/usr/bin/env bash
# Runs one libFuzzer target for a while from a scratch copy of its seeds, so
# the checked-in seeds never grow. A crashing input is kept beside the binary.
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
corpus=$(mktemp -d)
trap 'rm -rf "$corpus"' EXIT
cp "$seeds"/* "$corpus"/ 2>/dev/null || true
echo "== $(basename "$binary") for ${seconds}s"
"$binary" -max_total_time="$seconds" -max_len="$max_len" -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$(dirname "$binary")/crash-" "$corpus" 2>&1 | tail -n 12
