#!/usr/bin/env bash
# Runs each wizard fuzz target briefly from its seed corpus.
# Usage: fuzz/wizard/run.sh BUILD_DIR [seconds per target, default 20]
set -euo pipefail
build=${1:?usage: run.sh BUILD_DIR [seconds]}
seconds=${2:-20}
here=$(cd "$(dirname "$0")" && pwd)
for target in profile adapters text rules; do
    "$here/../run-target.sh" "$build/fuzz/wizard/fuzz_wizard_$target" "$here/corpus/$target" "$seconds" 4096
done
