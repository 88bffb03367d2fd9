#!/usr/bin/env bash
# Tests must not wait on the wall clock: waits go through a sleeper, or wait
# for a condition. A line may opt out with the marker "real-wait:" and a reason.
set -u
root=${1:?usage: no_bare_sleeps.sh SOURCE_DIR}
hits=$(grep -rnE '\b(sleep_for|sleep_until|usleep|nanosleep|QThread::(m|u)?sleep|QTest::qWait)\b|\bsleep\(' \
    "$root/tests" --include='*.cpp' --include='*.h' | grep -v 'real-wait:' || true)
if [ -n "$hits" ]; then
    echo "Bare sleeps in tests (use a sleeper, a condition wait, or mark with real-wait: and a reason):"
    echo "$hits"
    exit 1
fi
echo "no bare sleeps"
