#!/usr/bin/env bash
# The window remembers the wing between starts: the next start shows it, --polar
# replaces it for one start only, and a stored wing that no longer passes its checks is
# one message box and then forgotten.
source "$(dirname "$0")/common.sh"
CONF="$XDG_CONFIG_HOME/azodo/azodo.conf"
mkdir -p "$(dirname "$CONF")"
store() { # mass: the wing as the window stores it, from a file since moved away
    printf '[wing]\nfile=/nicht/mehr/da/Schulschirm.plr\nmass=%s\npolar="90,0,24,-1.7,37,-1.1,54,-2.1"\n' \
        "$1" >"$CONF"
}
close_app() {
    "$BIN_DIR/wmclose" "$WID"
    wait_for_exit 50
    APP_PID=""
}

store 95
start_app
[ "$(xdotool getwindowname "$WID")" = "$TITLE – Schulschirm, 95 kg" ] ||
    fail "the stored wing is not shown: $(xdotool getwindowname "$WID")"
close_app

printf '100,0,25,-1.4,39,-1.0,58,-2.0\n' >"$WORK/Leistung.plr"
start_app --polar "$WORK/Leistung.plr"
[ "$(xdotool getwindowname "$WID")" = "$TITLE – Leistung, 100 kg" ] || fail "--polar not shown"
close_app
grep -q '^mass=95$' "$CONF" || fail "--polar replaced the stored wing"

# Edited beyond what the diagram shows: one message box, then the built-in polar.
store 500
start_app
BOX=$(timeout 30 xdotool search --sync --onlyvisible --name "^Polare laden\$" | head -n 1) ||
    fail "no message box for the broken stored wing"
xdotool windowfocus --sync "$BOX"
xdotool key Return
for _ in $(seq 1 100); do
    xdotool search --onlyvisible --name "^Polare laden\$" >/dev/null 2>&1 || break
    sleep 0.1
done
[ "$(xdotool getwindowname "$WID")" = "$TITLE" ] || fail "not the built-in polar after the box"
! grep -q '^polar=' "$CONF" || fail "the broken stored wing is still stored"
close_app
echo "PASS"
