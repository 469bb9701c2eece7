#!/usr/bin/env bash
# Starts the real program, checks the still-air picture on the screen, closes it.
source "$(dirname "$0")/common.sh"
start_app
shoot
# White diagram, black axes where the background puts them.
expect_pixel "$(ux -300)" "$(uy 300)" "#FFFFFF" "white ground"
expect_pixel "$(ux -300)" "$(uy 0)" "#000000" "horizontal axis"
expect_pixel "$(ux 0)" "$(uy 300)" "#000000" "vertical axis"
expect_pixel "$(ux 0)" "$(uy 480)" "#FFFFFF" "the vertical axis ends at 450"
expect_pixel "$(ux 185)" "$(uy -360)" "#FF0000" "first brake-scale box"
expect_pixel "$(ux 375)" "$(uy -360)" "#00FF00" "brake-scale box 37..38"
expect_pixel "$(ux 335)" "$(uy -360)" "#000000" "brake bar at 33.5 km/h"
"$BIN_DIR/wmclose" "$WID"
wait_for_exit 50
wait "$APP_PID" || fail "exit code $?"
APP_PID=""
echo "PASS"
