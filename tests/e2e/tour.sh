#!/usr/bin/env bash
# Clicks "Tour" and ">> Weiter" through all 25 steps with the mouse, checks that the text
# panel shows and hides, and measures the CPU time the program uses while a step waits.
source "$(dirname "$0")/common.sh"
# "Tour" and ">> Weiter" where the start-up layout puts them on a 1920x1080 screen.
TOUR_X=$((WIN_X + 1577))
TOUR_Y=$((WIN_Y + 1001))
WEITER_X=$((PIC_X + 1410))
WEITER_Y=$((PIC_Y + 148))
# A point of the panel left of any text, and a point below the shrunken panel of step 3.
PANEL_X=$((PIC_X + PIC_W - 3))
PANEL_Y=$((PIC_Y + 20))
BELOW_Y=$((PIC_Y + 100))

cpu_ticks() { awk '{print $14 + $15}' "/proc/$APP_PID/stat"; }

start_app
shoot
expect_pixel "$PANEL_X" "$PANEL_Y" "#FFFFFF" "no panel before the tour"
click_and_see "$TOUR_X" "$TOUR_Y"
wait_still
shoot
expect_pixel "$PANEL_X" "$PANEL_Y" "#FFFFC8" "tour panel of step 1"
expect_pixel "$PANEL_X" "$BELOW_Y" "#FFFFC8" "full-height panel"

# Step 1 waits: the program should sleep, not spin.
before=$(cpu_ticks)
sleep 5
after=$(cpu_ticks)
hz=$(getconf CLK_TCK)
cpu_ms=$(( (after - before) * 1000 / hz ))
echo "CPU time during a 5 s wait: ${cpu_ms} ms"
[ "$cpu_ms" -le 250 ] || fail "the wait used ${cpu_ms} ms of CPU in 5 s"

# Steps with animations need their frames drawn before the next click counts (the
# button is disabled during the sweep of step 6).
for step in $(seq 1 25); do
    click_and_see "$WEITER_X" "$WEITER_Y"
    next=$((step + 1))
    wait_still
    if [ "$next" -eq 3 ]; then
        shoot
        expect_pixel "$PANEL_X" "$PANEL_Y" "#FFFFC8" "quarter-height panel of step 3"
        expect_pixel "$PANEL_X" "$BELOW_Y" "#FFFFFF" "diagram below the shrunken panel"
    fi
    if [ "$next" -eq 25 ]; then
        shoot
        expect_pixel "$PANEL_X" "$PANEL_Y" "#FFFFC8" "panel of the last step"
    fi
done
# The last click ends the tour; a slow (sanitizer) build may take a moment to show it.
for _ in $(seq 1 20); do
    sleep 0.25
    shoot
    [ "$(pixel "$PANEL_X" "$PANEL_Y")" = "#FFFFFF" ] && break
done
expect_pixel "$PANEL_X" "$PANEL_Y" "#FFFFFF" "panel hidden after the tour"
expect_pixel "$(ux 335)" "$(uy -360)" "#000000" "best glide at zero wind after the tour"
kill -0 "$APP_PID" || fail "the program ended during the tour"

# A second tour, closed by the window system while it waits: the program ends at once.
click_and_see "$TOUR_X" "$TOUR_Y"
wait_still
start=$(date +%s%N)
"$BIN_DIR/wmclose" "$WID"
wait_for_exit 20
echo "closed during a wait, ended after $(( ($(date +%s%N) - start) / 1000000 )) ms"
APP_PID=""
echo "PASS"
