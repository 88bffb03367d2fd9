#!/usr/bin/env bash
# Runs each router fuzzer for a short while from its seeds.
# Usage: fuzz/router/run.sh BUILD_DIR [seconds per target, default 20]
set -euo pipefail
build=${1:?usage: run.sh BUILD_DIR [seconds]}
seconds=${2:-20}
here=$(cd "$(dirname "$0")" && pwd)
for target in answer_reader page_parsers; do
    "$here/../run-target.sh" "$build/fuzz/router/router_fuzz_$target" "$here/seeds/$target" "$seconds" 16384
done
