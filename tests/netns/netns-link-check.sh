#!/usr/bin/env bash
# The link check against a real NetworkManager. Two network namespaces joined
# by a veth pair: "rtr" with 192.168.77.1/24 and a DHCP-only dnsmasq, "pc"
# with a private system bus and NetworkManager, whose keyfile connection gives
# the PC end a static 10.9.9.9/24. Nothing of the host's own network is seen
# or changed; everything started here is ended and removed on exit.
#
#   netns-link-check.sh host-step PROBE
#   netns-link-check.sh refused-reset LINK_CHECK_PROBE RECORDING_ROUTER
#   netns-link-check.sh wizard PROGRAM_DIR RECORDING_ROUTER
set -euo pipefail

readonly skip_status=77
readonly gateway=192.168.77.1
readonly static_address=10.9.9.9/24
readonly routed_address=192.168.77.9/24
# nmcli waits 15 s for a lease; the rest is the service's own work.
readonly no_dhcp_bound_s=20

mode=${1:-}
step_started=0
pids=()
namespaces=()
work=""

skip() { echo "SKIP: $*"; exit "$skip_status"; }
fail() { echo "FAIL: $*" >&2; exit 1; }
step() { step_started=$(date +%s%N); echo "== $*"; }
took() { echo "   took $(( ($(date +%s%N) - step_started) / 1000000 )) ms"; }

cleanup() {
    local pid
    for pid in "${pids[@]}"; do
        kill -TERM "$pid" 2>/dev/null || true
    done
    for pid in "${pids[@]}"; do
        for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
        kill -KILL "$pid" 2>/dev/null || true
    done
    # Whatever is left inside the namespaces (the wizard's display, a
    # helper of a killed step) goes with them.
    local ns
    for ns in "${namespaces[@]}"; do
        ip netns pids "$ns" 2>/dev/null | xargs -r kill -KILL 2>/dev/null || true
        ip netns delete "$ns" 2>/dev/null || true
    done
    [ -z "$work" ] || rm -rf "$work"
}

check_tools() {
    [ "$(id -u)" -eq 0 ] || skip "needs root to create network namespaces"
    local tool
    for tool in "$@"; do
        command -v "$tool" >/dev/null || skip "needs $tool (scripts/deps installs it)"
    done
    local ns
    for ns in pc rtr; do
        [ ! -e "/run/netns/$ns" ] || skip "a network namespace named $ns exists already"
    done
}

# Runs a command in "pc" on the private bus.
in_pc() { ip netns exec pc env DBUS_SYSTEM_BUS_ADDRESS="unix:path=$work/bus" LC_ALL=C "$@"; }
nm() { in_pc nmcli "$@"; }

wait_for() {
    local what=$1 seconds=$2; shift 2
    local until=$(( $(date +%s) + seconds ))
    until "$@" >/dev/null 2>&1; do
        [ "$(date +%s)" -lt "$until" ] || fail "$what did not happen within $seconds s"
        sleep 0.2
    done
}

make_link() {
    step "namespaces and veth pair"
    ip netns add pc 2>/dev/null || skip "network namespaces cannot be made here"
    namespaces+=(pc)
    ip netns add rtr
    namespaces+=(rtr)
    ip link add lan0 netns pc type veth peer name rtr0 netns rtr
    ip -n rtr address add "$gateway/24" dev rtr0
    ip -n rtr link set lo up
    ip -n rtr link set rtr0 up
    ip -n pc link set lo up
    # A veth has no device link in sysfs: the adapter list reads this tree.
    mkdir -p "$work/net/lan0"
    echo 1 >"$work/net/lan0/type"
    ln -s /sys/devices/virtual "$work/net/lan0/device"
    took
}

start_dhcp_server() {
    ip netns exec rtr dnsmasq --keep-in-foreground --conf-file=/dev/null --port=0 --user=root \
        --interface=rtr0 --bind-interfaces --dhcp-authoritative --no-ping \
        --dhcp-range=192.168.77.100,192.168.77.150,255.255.255.0,1h \
        --dhcp-leasefile="$work/leases" --pid-file="$work/dnsmasq.pid" >"$work/dnsmasq.log" 2>&1 &
    dhcp_pid=$!
    pids+=("$dhcp_pid")
}

stop_dhcp_server() {
    kill -TERM "$dhcp_pid"
    wait "$dhcp_pid" 2>/dev/null || true
}

write_network_manager_files() {
    mkdir -p "$work/nm-etc/system-connections" "$work/nm-lib" "$work/nm-run"
    cat >"$work/nm-etc/NetworkManager.conf" <<CONF
[main]
plugins=keyfile
dhcp=internal
dns=none
rc-manager=unmanaged
hostname-mode=none
no-auto-default=*
auth-polkit=root-only
[keyfile]
unmanaged-devices=except:interface-name:lan0
CONF
    uuid=$(cat /proc/sys/kernel/random/uuid)
    cat >"$work/nm-etc/system-connections/lan0.nmconnection" <<CONF
[connection]
id=lan0
uuid=$uuid
type=ethernet
interface-name=lan0
[ipv4]
method=manual
address1=$static_address
[ipv6]
method=ignore
CONF
    chmod 600 "$work/nm-etc/system-connections/lan0.nmconnection"
    cat >"$work/bus.conf" <<CONF
<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>system</type>
  <listen>unix:path=$work/bus</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow user="*"/>
    <deny own="*"/>
    <deny send_type="method_call"/>
    <allow send_type="signal"/>
    <allow send_requested_reply="true" send_type="method_return"/>
    <allow send_requested_reply="true" send_type="error"/>
    <allow receive_type="method_call"/>
    <allow receive_type="method_return"/>
    <allow receive_type="error"/>
    <allow receive_type="signal"/>
    <allow send_destination="org.freedesktop.DBus" send_interface="org.freedesktop.DBus"/>
    <allow send_destination="org.freedesktop.DBus" send_interface="org.freedesktop.DBus.Introspectable"/>
    <allow send_destination="org.freedesktop.DBus" send_interface="org.freedesktop.DBus.Properties"/>
  </policy>
  <includedir>/usr/share/dbus-1/system.d</includedir>
</busconfig>
CONF
}

# NetworkManager hard-codes its folders: temp folders are bound over them in
# a mount namespace of its own (mount -n: the host's mount table is not
# written). A read-only /sys tells it no udev will come.
start_network_manager() {
    step "private system bus and NetworkManager"
    write_network_manager_files
    ip netns exec pc dbus-daemon --config-file="$work/bus.conf" --nofork --nopidfile >"$work/dbus.log" 2>&1 &
    pids+=($!)
    wait_for "the private bus" 10 test -S "$work/bus"
    # Started without a shell function in between, so that the pid kept is
    # NetworkManager's own.
    ip netns exec pc env DBUS_SYSTEM_BUS_ADDRESS="unix:path=$work/bus" \
        unshare --mount --uts --propagation private sh -c '
        set -e
        mount -n -t tmpfs corvane-run /run
        mkdir /run/NetworkManager
        mount -n --bind "$1/nm-run" /run/NetworkManager
        mount -n --bind "$1/nm-lib" /var/lib/NetworkManager
        mount -n --bind "$1/nm-etc" /etc/NetworkManager
        mount -n -o remount,bind,ro /sys
        exec NetworkManager --no-daemon
    ' sh "$work" >"$work/nm.log" 2>&1 &
    nm_pid=$!
    pids+=("$nm_pid")
    wait_for "NetworkManager start" 20 service_running
    wait_for "the static connection on lan0" 20 connection_active
    took
}

service_running() { [ "$(nm -t -f RUNNING general 2>/dev/null)" = running ]; }
connection_active() { [ "$(nm -g GENERAL.STATE connection show uuid "$uuid" 2>/dev/null)" = activated ]; }
lan_address() { ip -n pc -4 -o address show dev lan0 | awk '{print $4}'; }
active_path() { nm -g GENERAL.DBUS-PATH connection show --active uuid "$uuid"; }

make_static_again() {
    nm connection modify uuid "$uuid" ipv4.method manual ipv4.addresses "$static_address" >/dev/null
    nm --wait 10 connection up uuid "$uuid" >/dev/null
    [ "$(lan_address)" = "$static_address" ] || fail "could not make lan0 static again"
}

# The host step or the link check as Setup runs it; its results become
# shell variables.
run_probe() {
    local output
    output=$("$@") || fail "the probe failed: $output"
    echo "$output" | sed 's/^/   /'
    reset=$(echo "$output" | sed -n 's/^reset=//p')
    failure=$(echo "$output" | sed -n 's/^failure=//p')
    cause=$(echo "$output" | sed -n 's/^cause=//p')
    reset_ms=$(echo "$output" | sed -n 's/^reset_ms=//p')
    found_gateway=$(echo "$output" | sed -n 's/^gateway=//p')
    result=$(echo "$output" | sed -n 's/^result=//p')
    router_address=$(echo "$output" | sed -n 's/^address=//p')
}

expect() { [ "$2" = "$3" ] || fail "$1: expected '$3', got '$2'"; }

host_step_cases() {
    local probe=$1
    chmod 755 "$work"

    step "static to DHCP"
    run_probe in_pc "$probe" "$work/net"
    expect "reset" "$reset" 1
    expect "gateway" "$found_gateway" "$gateway"
    expect "ipv4.method" "$(nm -g ipv4.method connection show uuid "$uuid")" auto
    [[ "$(lan_address)" == 192.168.77.* ]] || fail "no 192.168.77.x lease: $(lan_address)"
    took

    step "already on DHCP with a lease"
    local path_before routes_before
    path_before=$(active_path)
    routes_before=$(ip -n pc -4 route show)
    run_probe in_pc "$probe" "$work/net"
    expect "reset" "$reset" 1
    expect "gateway" "$found_gateway" "$gateway"
    expect "active connection" "$(active_path)" "$path_before"
    expect "routes" "$(ip -n pc -4 route show)" "$routes_before"
    took

    step "unprivileged user"
    make_static_again
    run_probe in_pc setpriv --reuid=65534 --regid=65534 --clear-groups "$probe" "$work/net"
    expect "reset" "$reset" 0
    expect "failure" "$failure" NotAuthorised
    expect "cause" "$cause" "Cause Not Allowed"
    expect "ipv4.method" "$(nm -g ipv4.method connection show uuid "$uuid")" manual
    took

    step "DHCP server stopped"
    stop_dhcp_server
    run_probe in_pc "$probe" "$work/net"
    expect "reset" "$reset" 0
    expect "failure" "$failure" NoDhcpAnswer
    expect "cause" "$cause" "Cause No Address"
    [ "$reset_ms" -lt $((no_dhcp_bound_s * 1000)) ] || fail "the reset took $reset_ms ms"
    took

    step "NetworkManager stopped"
    kill -TERM "$nm_pid"
    wait "$nm_pid" 2>/dev/null || true
    run_probe in_pc "$probe" "$work/net"
    expect "reset" "$reset" 0
    expect "failure" "$failure" NetworkManagerNotRunning
    expect "cause" "$cause" "Cause No Network Service"
    took
}

start_recording_router() {
    ip netns exec rtr "$1" "$gateway" >"$work/requests" 2>&1 &
    router_pid=$!
    pids+=("$router_pid")
    wait_for "the router listening" 10 grep -q listening "$work/requests"
}

# A user who may not change the network, whose static connection already
# routes through the router: the reset is refused, every request still goes
# to the gateway, and the refusal stays the cause shown when it is silent.
refused_reset_case() {
    local probe=$1 router=$2
    chmod 755 "$work"
    mkdir -m 755 "$work/program"

    step "static connection through the router, router on $gateway:80"
    nm connection modify uuid "$uuid" ipv4.method manual ipv4.addresses "$routed_address" \
        ipv4.gateway "$gateway" >/dev/null
    nm --wait 10 connection up uuid "$uuid" >/dev/null
    expect "default route" "$(ip -n pc -4 route show default | awk '{print $3}')" "$gateway"
    start_recording_router "$router"
    took

    step "link check as an unprivileged user"
    run_probe in_pc setpriv --reuid=65534 --regid=65534 --clear-groups "$probe" "$work/net" "$work/program"
    expect "result" "$result" 1
    expect "router address" "$router_address" "$gateway"
    expect "ipv4.method" "$(nm -g ipv4.method connection show uuid "$uuid")" manual
    expect "lan0 address" "$(lan_address)" "$routed_address"
    echo "   router saw:"; sed 's/^/     /' "$work/requests"
    grep -q "| Host: $gateway\$" "$work/requests" || fail "no request reached the router at $gateway"
    ! grep "Host: " "$work/requests" | grep -qv "Host: $gateway\$" || fail "a request named another router"
    took

    step "the same with the router silent"
    kill -TERM "$router_pid"
    wait "$router_pid" 2>/dev/null || true
    run_probe in_pc setpriv --reuid=65534 --regid=65534 --clear-groups "$probe" "$work/net" "$work/program"
    expect "result" "$result" -1
    expect "router address" "$router_address" "$gateway"
    expect "cause" "$cause" "Cause Not Allowed"
    took
}

# Setup as shipped (no "Auto Get IP", a "LAN IP" that is wrong here) in "pc",
# driven on a virtual display from the welcome page to the link check.
wizard_case() {
    local program_dir=$1 router=$2
    step "router on $gateway:80"
    ip netns exec rtr "$router" "$gateway" >"$work/requests" 2>&1 &
    pids+=($!)
    wait_for "the router listening" 10 grep -q listening "$work/requests"
    grep -q '^LAN IP=192.168.0.1' "$program_dir/setting.ini" || fail "the shipped setting.ini changed"
    ! grep -q '^Auto Get IP' "$program_dir/setting.ini" || fail "the shipped setting.ini sets Auto Get IP"
    took

    step "Setup through the link check"
    mkdir -m 700 "$work/xdg"
    in_pc unshare --mount sh -c '
        mount -n --bind "$1/net" /sys/class/net
        # A display of its own: socket folder private, no lock file.
        mount -n -t tmpfs corvane-x11 /tmp/.X11-unix
        Xvfb :77 -nolock -screen 0 1280x1024x24 -nolisten tcp >"$1/xvfb.log" 2>&1 &
        xvfb=$!
        for _ in $(seq 50); do [ -S /tmp/.X11-unix/X77 ] && break; sleep 0.1; done
        DISPLAY=:77 XDG_RUNTIME_DIR="$1/xdg" QT_QPA_PLATFORM=xcb "$2/Setup" >"$1/setup.log" 2>&1 &
        setup=$!
        # The message box is as large as its skin; the connect-failed dialog is not.
        box=$(od -An -tu4 -j18 -N8 "$2/Skin/DlgMessageBox.bmp" | awk "{print \$1 \"x\" \$2}")
        # Start, then Next on the four instruction pages; the last runs the
        # link check, whose only message box says Connect OK. It is closed
        # with a key, as a person would. A key a window misses is sent again.
        seen=""
        for _ in $(seq 60); do
            kill -0 $setup 2>/dev/null || break
            window=$(DISPLAY=:77 timeout 5 xdotool search --pid $setup --onlyvisible 2>/dev/null | tail -1)
            size=""
            [ -z "$window" ] || size=$(DISPLAY=:77 timeout 5 xdotool getwindowgeometry "$window" 2>/dev/null \
                | sed -n "s/^ *Geometry: //p")
            if [ "$size" = "$box" ]; then
                seen=1
            elif [ -n "$seen" ]; then
                : >"$1/connect-ok"
                break
            fi
            if [ -n "$window" ]; then
                DISPLAY=:77 timeout 5 xdotool windowfocus --sync "$window" 2>/dev/null
                DISPLAY=:77 timeout 5 xdotool key space 2>/dev/null
            fi
            sleep 1
        done
        kill $setup $xvfb 2>/dev/null
        wait
    ' sh "$work" "$program_dir" || true
    took
    echo "   Setup said:"; sed 's/^/     /' "$work/setup.log"
    echo "   router saw:"; sed 's/^/     /' "$work/requests"
    grep -q "| Host: $gateway\$" "$work/requests" || fail "no request reached the router at $gateway"
    ! grep "Host: " "$work/requests" | grep -qv "Host: $gateway\$" || fail "a request named another router"
    [ -e "$work/connect-ok" ] || fail "the link check did not end with Connect OK"
    expect "ipv4.method" "$(nm -g ipv4.method connection show uuid "$uuid")" auto
    [[ "$(lan_address)" == 192.168.77.* ]] || fail "no 192.168.77.x lease: $(lan_address)"
}

case "$mode" in
host-step)
    [ -x "${2:-}" ] || fail "usage: $0 host-step PROBE"
    check_tools ip unshare setpriv NetworkManager nmcli dnsmasq dbus-daemon ;;
refused-reset)
    [ -x "${2:-}" ] && [ -x "${3:-}" ] || fail "usage: $0 refused-reset LINK_CHECK_PROBE RECORDING_ROUTER"
    check_tools ip unshare setpriv NetworkManager nmcli dnsmasq dbus-daemon ;;
wizard)
    [ -x "${2:-}/Setup" ] && [ -x "${3:-}" ] || fail "usage: $0 wizard PROGRAM_DIR RECORDING_ROUTER"
    check_tools ip unshare NetworkManager nmcli dnsmasq dbus-daemon Xvfb xdotool ;;
*)
    fail "usage: $0 host-step PROBE | refused-reset LINK_CHECK_PROBE RECORDING_ROUTER | wizard PROGRAM_DIR RECORDING_ROUTER" ;;
esac

trap cleanup EXIT
trap 'exit 1' INT TERM
work=$(mktemp -d /tmp/corvane-netns.XXXXXX)
total_started=$(date +%s%N)
make_link
start_dhcp_server
start_network_manager
case "$mode" in
host-step) host_step_cases "$2" ;;
refused-reset) refused_reset_case "$2" "$3" ;;
*) wizard_case "$2" "$3" ;;
esac
echo "== all passed in $(( ($(date +%s%N) - total_started) / 1000000 )) ms"
