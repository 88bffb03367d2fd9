#!/usr/bin/env bash
# run-on-weston.sh TEST_BINARY [ARGUMENTS...]
# Runs a GUI test on a real Wayland compositor, weston's headless backend,
# with the compositor's protocol log recorded so that the test can read it
# beside the scene graph and screenshots it asks weston for.
set -euo pipefail
binary=$1
shift
skip() { echo "SKIP: $*"; exit 77; }
command -v weston >/dev/null || skip "weston is not installed (scripts/deps installs it)"
command -v weston-debug >/dev/null || skip "weston-debug is not installed (package weston)"
plugin=$(find /usr/lib -path '*qt6/plugins/platforms/libqwayland-generic.so' -print -quit 2>/dev/null || true)
[ -n "$plugin" ] || skip "Qt's Wayland platform plugin is not installed (package qt6-wayland)"

. "$(dirname "$0")/weston-session.sh"
scratch=$(mktemp -d)
debug_pid=""
cleanup() {
    [ -n "$debug_pid" ] && kill "$debug_pid" 2>/dev/null
    stop_weston || true
    rm -rf "$scratch"
}
trap cleanup EXIT
start_weston "$scratch" || { echo "FAIL: weston did not start" >&2; exit 1; }

# Every request the clients make from now on; a client of its own shows
# when the recording has begun.
protocol="$scratch/protocol.log"
weston-debug proto -o "$protocol" &
debug_pid=$!
for _ in $(seq 50); do
    weston-debug -l >/dev/null 2>&1 || true
    [ -s "$protocol" ] && break
    sleep 0.1
done
[ -s "$protocol" ] || { echo "FAIL: the compositor's protocol log stays empty" >&2; exit 1; }

export QT_QPA_PLATFORM=wayland WESTON_PROTOCOL_LOG=$protocol
timeout --kill-after=5 100 "$binary" "$@"
