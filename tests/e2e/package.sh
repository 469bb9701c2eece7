#!/usr/bin/env bash
# Builds the Debian package, installs it, starts the installed program under Xvfb,
# checks its window, and removes the package again.
source "$(dirname "$0")/common.sh"
SRC_DIR=${SRC_DIR:?}
BUILD_DIR=${BUILD_DIR:?}

desktop-file-validate "$SRC_DIR/data/azodo.desktop" || fail "the .desktop file does not validate"

OUT=$(mktemp -d)
trap 'cleanup; rm -rf "$OUT"' EXIT
(cd "$BUILD_DIR" && cpack -G DEB -B "$OUT" >/dev/null) || fail "cpack failed"
DEB=$(ls "$OUT"/azodo_*.deb)
INFO=$(dpkg-deb -I "$DEB")
LIST=$(dpkg-deb -c "$DEB")
grep -q 'Depends:.*libqt6widgets6' <<<"$INFO" || fail "no Qt 6 runtime dependency"
for f in ./usr/bin/azodo ./usr/bin/azodo-table ./usr/bin/azodo-render \
    ./usr/share/applications/azodo.desktop ./usr/share/icons/hicolor/scalable/apps/azodo.svg; do
    grep -q " $f\$" <<<"$LIST" || fail "$f missing from the package"
done

SUDO=()
if [ "$(id -u)" -ne 0 ]; then
    sudo -n true 2>/dev/null || { echo "SKIP: installing needs root"; exit 77; }
    SUDO=(sudo -n)
fi
if dpkg-query -W -f='${Status}' azodo 2>/dev/null | grep -q "install ok installed"; then
    echo "SKIP: a package azodo is installed already; not touching it"
    exit 77
fi
"${SUDO[@]}" dpkg -i "$DEB" >/dev/null || fail "dpkg -i failed"
trap '"${SUDO[@]}" dpkg -r azodo >/dev/null 2>&1; cleanup; rm -rf "$OUT"' EXIT

BIN_DIR=/usr/bin
start_app
shoot
expect_pixel "$(ux -300)" "$(uy 300)" "#FFFFFF" "white ground of the installed program"
expect_pixel "$(ux -300)" "$(uy 0)" "#000000" "axis of the installed program"
CARD=$(/usr/bin/azodo-table --csv --wind-h 0:0:1 --wind-v 0:0:1)
grep -q '^0,0.0,33.5,' <<<"$CARD" || fail "the installed card"
"$BUILD_DIR/bin/wmclose" "$WID"
wait_for_exit 50
APP_PID=""
echo "PASS"
