#!/usr/bin/env bash
# check_deb.sh BUILD_DIR VERSION SKIP
# Packs the finished build, checks the control fields, has lintian check the
# package, extracts it into a scratch root (never installed here) and runs the
# program from it: --version, and its window under a private X server, whose
# class must be the one the desktop entry names.
set -euo pipefail
build=$1 version=$2 skip=$3
[ "$skip" = 1 ] && { echo "sanitizer build: packaging not checked"; exit 77; }
fail() { echo "FAIL: $*" >&2; exit 1; }

for built in program/Setup program/libCorvanelib.so program/setting.ini; do
    [ -e "$build/$built" ] || fail "$build/$built is missing: build everything before this test"
done

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/out" >"$scratch/cpack.log" 2>&1 \
    || { cat "$scratch/cpack.log"; fail "cpack failed"; }
deb=$(find "$scratch/out" -maxdepth 1 -name 'corvane-setup_*.deb' | head -n 1)
[ -n "$deb" ] || fail "no corvane-setup_*.deb made"

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = corvane-setup ] || fail "Package is '$(field Package)'"
[ "$(field Version)" = "$version" ] || fail "Version is '$(field Version)', expected $version"
[ "$(field Section)" = net ] || fail "Section is '$(field Section)'"
depends=$(field Depends)
for needed in libqt6widgets6 libboost-regex1.74.0 fonts-noto-cjk xdg-utils qt6-wayland; do
    grep -q "$needed" <<<"$depends" || fail "Depends lacks $needed: $depends"
done

debug=$(find "$scratch/out" -maxdepth 1 -name 'corvane-setup-dbgsym_*.ddeb' | head -n 1)
[ -n "$debug" ] || fail "no corvane-setup-dbgsym_*.ddeb beside the package"

# Errors and warnings fail; informational and pedantic notes do not.
command -v lintian >/dev/null || fail "lintian is missing: run scripts/deps"
lintian --fail-on error,warning --tag-display-limit 0 "$deb" "$debug" >"$scratch/lintian.log" 2>&1 \
    || { cat "$scratch/lintian.log"; fail "lintian found errors or warnings"; }

root="$scratch/root"
dpkg-deb -x "$deb" "$root"
dir="$root/usr/lib/corvane-setup"
for shipped in Setup libCorvanelib.so setting.ini Language/English.ini Skin/dlgMainUI.bmp \
               usr/bin/corvane-setup usr/share/applications/corvane-setup.desktop; do
    case $shipped in usr/*) path="$root/$shipped" ;; *) path="$dir/$shipped" ;; esac
    [ -e "$path" ] || fail "$shipped is not in the package"
done
changelog=$(gzip -dc "$root/usr/share/doc/corvane-setup/changelog.gz" | sed -n 1p)
grep -q "^corvane-setup ($version) " <<<"$changelog" || fail "the changelog's last entry is '$changelog', not $version"
ls "$dir"/Language/*.ini >/dev/null || fail "no language files"
ls "$dir"/Skin/pic/*.bmp >/dev/null || fail "no skin pictures"
ls "$dir"/*.pdf >/dev/null || fail "no manuals beside Setup"

check_version() {
    local out
    out=$("$@" --version 2>&1) || fail "$1 --version exited with $?: $out"
    grep -q "$version" <<<"$out" || fail "$1 --version printed '$out'"
}
check_version "$dir/Setup"
check_version "$root/usr/bin/corvane-setup"

# The class (second WM_CLASS string) of the window the launcher opens.
window_class() {
    local display pid window="" fd
    exec {fd}>"$scratch/display"
    Xvfb -displayfd "$fd" -nolisten tcp -screen 0 1024x768x24 >/dev/null 2>&1 &
    local server=$!
    exec {fd}>&-
    for _ in $(seq 100); do [ -s "$scratch/display" ] && break; sleep 0.1; done
    display=":$(cat "$scratch/display")"
    mkdir -m 700 "$scratch/run"
    DISPLAY=$display QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$scratch/run" "$root/usr/bin/corvane-setup" >/dev/null 2>&1 &
    pid=$!
    for _ in $(seq 150); do
        window=$(DISPLAY=$display xdotool search --onlyvisible --pid "$pid" 2>/dev/null | head -n 1) || true
        [ -n "$window" ] && break
        sleep 0.2
    done
    [ -n "$window" ] && DISPLAY=$display xprop -id "$window" WM_CLASS | sed -n 's/.*= "[^"]*", "\([^"]*\)"$/\1/p'
    kill "$pid" "$server" 2>/dev/null || true
    wait "$pid" "$server" 2>/dev/null || true
}
entry_class=$(sed -n 's/^StartupWMClass=//p' "$root/usr/share/applications/corvane-setup.desktop")
[ -n "$entry_class" ] || fail "the desktop entry names no StartupWMClass"
shown_class=$(window_class)
[ "$shown_class" = "$entry_class" ] \
    || fail "the window's class is '$shown_class', the desktop entry says '$entry_class'"

# On a Wayland session without XWayland the launcher's window must come up
# on the compositor, named by the desktop entry's file.
wayland_window() {
    . "$(dirname "$0")/../wayland/weston-session.sh"
    start_weston "$scratch/wayland" || return 0
    env -u QT_QPA_PLATFORM XDG_SESSION_TYPE=wayland "$root/usr/bin/corvane-setup" >/dev/null 2>&1 &
    local pid=$! shown=""
    for _ in $(seq 150); do
        shown=$(weston-debug scene-graph 2>/dev/null | grep -c "top-level window .* of corvane-setup," || true)
        [ "$shown" -gt 0 ] && break
        sleep 0.2
    done
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    stop_weston || true
    [ "$shown" -gt 0 ] && echo shown
}
if command -v weston >/dev/null && command -v weston-debug >/dev/null; then
    mkdir "$scratch/wayland"
    [ "$(wayland_window)" = shown ] || fail "no window of corvane-setup came up on a Wayland compositor"
else
    echo "weston is missing: the start on Wayland is not checked"
fi
echo "package $(basename "$deb") checked"
