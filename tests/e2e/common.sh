# Helpers of the end-to-end tests; they run inside xvfb-run on a 1920x1080 screen.
# Without a window manager the window sits where the program put it: its left edge at
# 5 % of the screen (96 px), its top at 0, so window coordinates are screen + (96, 0).
set -euo pipefail

BIN_DIR=${BIN_DIR:?}
TITLE="Var Azodoviravovorididaz"
WIN_X=96
WIN_Y=0
# The diagram: 225, 51 in the window, 1468 x 770 pixels, x -600..600, y 500..-500.
PIC_X=$((WIN_X + 225))
PIC_Y=$((WIN_Y + 51))
PIC_W=1468
PIC_H=770
# Everything a test writes stays in its own folder, whoever else uses /tmp.
WORK=$(mktemp -d)
# A configuration folder of its own: no wing remembered from a user or another test.
export XDG_CONFIG_HOME="$WORK/config"
SHOT="$WORK/shot.png"
APP_PID=""

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

cleanup() {
    if [ -n "$APP_PID" ] && kill -0 "$APP_PID" 2>/dev/null; then
        kill "$APP_PID" 2>/dev/null || true
    fi
    rm -rf "$WORK"
}
trap cleanup EXIT

# Arguments go to the program; a loaded wing adds " – name, mass" to the title.
start_app() {
    "$BIN_DIR/azodo" "$@" &
    APP_PID=$!
    WID=$(timeout 60 xdotool search --sync --onlyvisible --name "^${TITLE}( – .*)?\$" | head -n 1) ||
        fail "no window titled '$TITLE' on the screen"
    wait_still
}

# Screen x, y of a diagram point in user units.
ux() { echo $((PIC_X + ($1 + 600) * PIC_W / 1200)); }
uy() { echo $((PIC_Y + (500 - $1) * PIC_H / 1000)); }

shoot() { import -window root "$SHOT"; }

# The colour of a screen pixel of the last shot as #RRGGBB.
pixel() {
    convert "$SHOT" -crop "1x1+$1+$2" -depth 8 txt:- | tail -n 1 | grep -o '#[0-9A-Fa-f]\{6\}' | head -n 1
}

expect_pixel() {
    local got
    got=$(pixel "$1" "$2")
    [ "${got^^}" = "${3^^}" ] || fail "pixel $1,$2 is $got, expected $3 ($4)"
}

click_at() {
    xdotool mousemove "$1" "$2"
    sleep 0.2
    xdotool click 1
    sleep 0.3
}

# Waits until the screen stops changing (an animation has drawn its last frame): three
# equal shots in a row, so that a slow (sanitizer) build between two frames is not taken
# for the end.
wait_still() {
    local previous="" current i same=0
    for i in $(seq 1 160); do
        sleep 0.25
        current=$(import -window root rgb:- | md5sum)
        if [ "$current" = "$previous" ]; then
            same=$((same + 1))
            [ "$same" -ge 2 ] && return 0
        else
            same=0
        fi
        previous=$current
    done
    fail "the screen kept changing"
}

# The screen's fingerprint.
screen_sum() { import -window root rgb:- | md5sum; }

# Clicks and waits until the screen shows that the click was taken.
click_and_see() {
    local before i
    # The pointer first, so that a hover effect is not taken for the click's.
    xdotool mousemove "$1" "$2"
    sleep 0.3
    before=$(screen_sum)
    xdotool click 1
    for i in $(seq 1 80); do
        [ "$(screen_sum)" != "$before" ] && return 0
        sleep 0.25
    done
    fail "the click at $1,$2 changed nothing on the screen"
}

wait_for_exit() {
    local i
    for i in $(seq 1 "$1"); do
        kill -0 "$APP_PID" 2>/dev/null || return 0
        sleep 0.1
    done
    fail "the program is still running"
}
