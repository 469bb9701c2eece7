#!/usr/bin/env bash
# Under a real window manager (twm) the window's outer frame, title bar included, takes
# 90 % x 95 % of the screen at (5 %, 0); the client area and the controls fit inside it.
source "$(dirname "$0")/common.sh"
command -v twm >/dev/null || fail "twm is not installed"
LC_ALL=C LANG=C twm >/dev/null 2>&1 &
TWM_PID=$!
trap 'kill $TWM_PID 2>/dev/null; cleanup' EXIT
kill -0 "$TWM_PID" 2>/dev/null || fail "twm did not start"
# Once with the built-in polar, once with a wing: its title changes while the window
# is framed.
check_under_twm() {
    start_app "$@"

    # twm frames a window with 2 px at the sides and the bottom and a 21 px title bar.
    geometry() {
        xwininfo -id "$WID" | awk '/Absolute upper-left X/ {x = $4} /Absolute upper-left Y/ {y = $4}
            /Width:/ {w = $2} /Height:/ {h = $2} END {print x, y, w, h}'
    }
    # twm takes in a window that was there before it, too: wait until it has framed it.
    for _ in $(seq 1 300); do
        read -r CX CY CW CH < <(geometry)
        [ "$CW" = 1724 ] && [ "$CH" = 1003 ] && break
        sleep 0.1
    done
    [ "$CX $CY $CW $CH" = "98 21 1724 1003" ] ||
        fail "client area at $CX,$CY size ${CW}x$CH, expected 98,21 1724x1003 inside a 1728x1026 frame at 96,0"

    wait_still
    shoot
    # The diagram laid out against that client area: 0.13 W, 0.05 H, 0.85 W x 0.75 H.
    PX=$((CX + 224)); PY=$((CY + 50)); PW=1465; PH=752
    axis_y=$((PY + PH / 2))
    found=""
    for dy in -1 0 1; do
        [ "$(pixel $((PX + PW / 4)) $((axis_y + dy)))" = "#000000" ] && found=1
    done
    [ -n "$found" ] || fail "no horizontal axis at y=$axis_y of the laid-out diagram"
    # One axis only: between two ticks, nothing black a few pixels above or below it (a
    # diagram drawn over one of the window's first size showed it twice, 8 px apart).
    for dy in $(seq 3 16); do
        for y in $((axis_y - dy)) $((axis_y + dy)); do
            [ "$(pixel $((PX + PW / 4 + 30)) "$y")" != "#000000" ] ||
                fail "a second axis at y=$y ($*)"
        done
    done
    expect_pixel $((PX + PW / 4)) $((PY + PH / 4)) "#FFFFFF" "white diagram"
    # "Ende" stays above the free bottom 5 % of the screen: its caption row is on screen,
    # grey button face, not black.
    ENDE_BOTTOM=$((CY + 1003 - 12))
    [ "$ENDE_BOTTOM" -le 1026 ] || fail "Ende ends at $ENDE_BOTTOM"
    [ "$(pixel $((PX + PW - 10)) $((ENDE_BOTTOM - 4)))" != "#000000" ] || fail "no Ende button"
    "$BIN_DIR/wmclose" "$WID"
    wait_for_exit 50
    APP_PID=""
}
check_under_twm
printf '90,0,24,-1.7,37,-1.1,54,-2.1\n' >"$WORK/schirm.plr"
check_under_twm --polar "$WORK/schirm.plr"
echo "PASS"
