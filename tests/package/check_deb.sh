#!/usr/bin/env bash
# check_deb.sh BUILD_DIR VERSION SKIP
# Packs the finished build, checks the control fields, extracts the package
# into a scratch root (never installed here) and runs the program from it.
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
for needed in libqt6widgets6 libboost-regex1.74.0 fonts-noto-cjk; do
    grep -q "$needed" <<<"$depends" || fail "Depends lacks $needed: $depends"
done

root="$scratch/root"
dpkg-deb -x "$deb" "$root"
dir="$root/usr/lib/corvane-setup"
for shipped in Setup libCorvanelib.so setting.ini Language/English.ini Skin/dlgMainUI.bmp \
               usr/bin/corvane-setup usr/share/applications/corvane-setup.desktop; do
    case $shipped in usr/*) path="$root/$shipped" ;; *) path="$dir/$shipped" ;; esac
    [ -e "$path" ] || fail "$shipped is not in the package"
done
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
echo "package $(basename "$deb") checked"
