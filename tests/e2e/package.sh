#!/usr/bin/env bash
# Builds the Debian package and checks it without installing it: lintian accepts it with
# no error and no warning, its desktop entry and AppStream metadata validate, and the
# programs unpacked from it start (the window under Xvfb).
source "$(dirname "$0")/common.sh"
SRC_DIR=${SRC_DIR:?}
BUILD_DIR=${BUILD_DIR:?}

OUT=$(mktemp -d)
trap 'cleanup; rm -rf "$OUT"' EXIT
(cd "$BUILD_DIR" && cpack -G DEB -B "$OUT" >/dev/null) || fail "cpack failed"
DEB=$(ls "$OUT"/azodo_*.deb)
INFO=$(dpkg-deb -I "$DEB")
grep -q 'Depends:.*libqt6widgets6' <<<"$INFO" || fail "no Qt 6 runtime dependency"

rc=0
LINTIAN=$(lintian --fail-on error,warning "$DEB" 2>&1) || rc=$?
LINTIAN=$(grep -v 'running with root privileges' <<<"$LINTIAN" || true)
[ "$rc" -eq 0 ] && [ -z "$LINTIAN" ] || fail "lintian (exit $rc): $LINTIAN"

# Built with Debian's hardening flags: lintian's informational tags name none missing.
HARDENING=$(lintian -I "$DEB" 2>&1 | grep -i hardening || true)
[ -z "$HARDENING" ] || fail "hardening: $HARDENING"

ROOT=$OUT/root
dpkg-deb -x "$DEB" "$ROOT" || fail "dpkg-deb -x failed"
for f in usr/bin/azodo usr/bin/azodo-table usr/bin/azodo-render \
    usr/share/applications/azodo.desktop usr/share/icons/hicolor/scalable/apps/azodo.svg \
    usr/share/metainfo/org.example.azodo.metainfo.xml usr/share/doc/azodo/copyright \
    usr/share/doc/azodo/changelog.gz usr/share/man/man1/azodo.1.gz \
    usr/share/man/man1/azodo-table.1.gz usr/share/man/man1/azodo-render.1.gz \
    usr/share/man/de/man1/azodo.1.gz usr/share/man/de/man1/azodo-table.1.gz \
    usr/share/man/de/man1/azodo-render.1.gz; do
    [ -s "$ROOT/$f" ] || fail "$f missing from the package"
done
desktop-file-validate "$ROOT/usr/share/applications/azodo.desktop" ||
    fail "the .desktop file does not validate"
appstreamcli validate --pedantic --no-net \
    "$ROOT/usr/share/metainfo/org.example.azodo.metainfo.xml" >/dev/null ||
    fail "the AppStream metadata do not validate"
if file "$ROOT/usr/bin/azodo" | grep -q 'not stripped'; then
    fail "the packaged program is not stripped"
fi

"$ROOT/usr/bin/azodo" --version | grep -q '^azodo [0-9]' || fail "azodo --version"
CARD=$("$ROOT/usr/bin/azodo-table" --csv --wind-h 0:0:1 --wind-v 0:0:1)
grep -q '^0,0.0,33.5,' <<<"$CARD" || fail "the packaged card"
"$ROOT/usr/bin/azodo-render" --size 200x200 -o - | file - | grep -q 'PNG image' ||
    fail "the packaged picture export"

BIN_DIR=$ROOT/usr/bin
start_app
shoot
expect_pixel "$(ux -300)" "$(uy 300)" "#FFFFFF" "white ground of the packaged program"
expect_pixel "$(ux -300)" "$(uy 0)" "#000000" "axis of the packaged program"
"$BUILD_DIR/bin/wmclose" "$WID"
wait_for_exit 50
APP_PID=""
echo "PASS"
