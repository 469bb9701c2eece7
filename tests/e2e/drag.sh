#!/usr/bin/env bash
# Drags the thumb of the horizontal wind bar with the mouse and sees the diagram follow.
source "$(dirname "$0")/common.sh"
start_app
shoot
expect_pixel "$(ux -300)" "$(uy 0)" "#000000" "the axis before any wind"
# The bar lies 50 twips under the diagram: rows 824..840 of the window, full width;
# its thumb stands in the middle at value 0.
BAR_Y=$((WIN_Y + 832))
xdotool mousemove $((PIC_X + PIC_W / 2)) "$BAR_Y"
sleep 0.2
xdotool mousedown 1
for x in 900 700 500 300 100 0; do
    sleep 0.1
    xdotool mousemove $((PIC_X + x)) "$BAR_Y"
done
sleep 0.2
xdotool mouseup 1
wait_still
shoot
# Headwind 50: the thick blue wind vector lies along the axis left of the origin, the
# thinner red airspeed vector over its middle.
expect_pixel "$(ux -300)" $(($(uy 0) - 2)) "#0000FF" "headwind vector after the drag"
# The polar moved left with it: its first brake-scale box is now left of the axis.
expect_pixel "$(ux -315)" "$(uy -360)" "#FF0000" "brake scale shifted by the headwind"
"$BIN_DIR/wmclose" "$WID"
wait_for_exit 50
APP_PID=""
echo "PASS"
