# Sourced: start_weston SCRATCH starts weston's headless backend (no GPU
# needed) with its debug streams open, in a runtime folder of its own under
# SCRATCH, and exports what a client needs to reach it. The caller stops it
# with stop_weston.
weston_pid=""

start_weston() {
    local scratch=$1 socket=corvane-test
    export XDG_RUNTIME_DIR="$scratch/run"
    mkdir -m 700 "$XDG_RUNTIME_DIR"
    weston --backend=headless-backend.so --socket="$socket" --no-config --debug \
        --use-pixman --width=1280 --height=800 --idle-time=0 >"$scratch/weston.log" 2>&1 &
    weston_pid=$!
    for _ in $(seq 100); do [ -S "$XDG_RUNTIME_DIR/$socket" ] && break; sleep 0.1; done
    [ -S "$XDG_RUNTIME_DIR/$socket" ] || { cat "$scratch/weston.log" >&2; return 1; }
    export WAYLAND_DISPLAY=$socket
    unset DISPLAY
}

stop_weston() {
    [ -n "$weston_pid" ] && kill "$weston_pid" 2>/dev/null && wait "$weston_pid" 2>/dev/null
    weston_pid=""
}
