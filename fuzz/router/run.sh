#!/usr/bin/env bash
# Runs each router fuzzer for a short while from its seeds.
# Usage: fuzz/router/run.sh BUILD_DIR [seconds per target, default 20]
set -euo pipefail
build=${1:?usage: run.sh BUILD_DIR [seconds]}
seconds=${2:-20}
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

for target in answer_reader page_parsers; do
    binary="$build/fuzz/router/router_fuzz_$target"
    if [ ! -x "$binary" ]; then
        echo "missing $binary (configure with clang and -DCORVANE_FUZZ=ON)" >&2
        exit 1
    fi
    corpus="$work/$target"
    mkdir -p "$corpus"
    cp "$here/seeds/$target/"* "$corpus/"
    echo "== $target for ${seconds}s"
    "$binary" -max_total_time="$seconds" -max_len=16384 -timeout=10 -print_final_stats=1 \
        -artifact_prefix="$work/" "$corpus" 2>&1 | tail -n 12
done
