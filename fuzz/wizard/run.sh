#!/usr/bin/env bash
# Runs each wizard fuzz target briefly from its seed corpus.
# Usage: fuzz/wizard/run.sh BUILD_DIR [seconds per target]
set -euo pipefail
build=${1:?usage: run.sh BUILD_DIR [seconds]}
seconds=${2:-20}
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

for target in profile adapters text rules; do
    binary="$build/fuzz/wizard/fuzz_wizard_$target"
    corpus="$work/$target"
    mkdir -p "$corpus"
    cp "$here/corpus/$target"/* "$corpus"/ 2>/dev/null || true
    echo "== fuzz_wizard_$target for ${seconds}s"
    "$binary" -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 "$corpus"
done
