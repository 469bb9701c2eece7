#!/usr/bin/env bash
# The programs in English (LC_ALL=en_GB.UTF-8, set by the test): the tools' help, their
# error lines, the text table, the card and a worksheet say nothing in German, the CSV is
# the German one byte for byte, and the window walks its tour with Space.
source "$(dirname "$0")/common.sh"
unset LANGUAGE
[ "${LC_ALL:-}" = "en_GB.UTF-8" ] || fail "run me with LC_ALL=en_GB.UTF-8"

# Words that a text left unwrapped would bring along; umlauts and ß likewise.
german='\b(und|nicht|der|die|das|ist|für|mit|oder|eine|kein|keine|Zahl|erwartet|Datei|Bremse|Gleitzahl|Fahrt|Aufgabe|Seite|gilt|nur|zwischen|Schirm|Polare|Wind[a-z]+)\b'
check_english() { # name, file
    if LC_ALL=C.UTF-8 grep -nP "[äöüÄÖÜß]|$german" "$2" >&2; then
        fail "German in $1 (above)"
    fi
    [ -s "$2" ] || fail "$1 is empty"
}

cd "$WORK"
"$BIN_DIR/azodo" --help > help-azodo.txt
"$BIN_DIR/azodo-table" --help > help-table.txt
"$BIN_DIR/azodo-render" --help > help-render.txt
for f in help-azodo.txt help-table.txt help-render.txt; do check_english "$f" "$f"; done
grep -q '^Usage: azodo-render' help-render.txt || fail "no English usage line"

# Bad inputs: one English line each, exit 2.
bad() { # tool, args...
    local tool=$1
    shift
    local rc=0
    "$BIN_DIR/$tool" "$@" 2> err.txt > /dev/null || rc=$?
    [ "$rc" -eq 2 ] || fail "$tool $*: exit $rc, expected 2"
    [ "$(wc -l < err.txt)" -eq 1 ] || fail "$tool $*: not one line"
    check_english "$tool $*" err.txt
}
bad azodo-table --wind
bad azodo-table --wind-h 10:0:1
bad azodo-table --wind-v 0:41:1
bad azodo-table --csv --pdf x.pdf
bad azodo-table --paper a3
bad azodo-table --speeds 20:30:40
bad azodo-table --polar w.plr --mass 20
bad azodo-render
bad azodo-render --airspeed 17.5 -o x.png
bad azodo-render --airspeed 30,5 -o x.png
bad azodo-render --size 100 -o x.png
bad azodo-render --scale 3 -o x.png
bad azodo-render --state 0,0 --state 5,0 -o x.png
bad azodo-render --worksheet 2 -o x.png
bad azodo-render --worksheet 2 --scale 2 -o x.pdf
bad azodo-render --seed 4 -o x.png
bad azodo-render --compare-polar w.plr -o x.png
bad azodo --seed x
# The wing's own problems.
printf '90,0,24,-1.7,37,-1,1,54,-2.1\n' > comma.plr
printf 'airspeed_kmh,sink_ms\n25,-1.5\n30,-1.2\n37,-5\n44,-1.4\n50,-1.9\n' > kink.plr
printf '90,0,24,-1.7,37,-1.1,64,-2.4\n' > fast.plr
bad azodo-table --polar comma.plr
bad azodo-table --polar kink.plr --speeds 25:35:50
bad azodo-table --polar fast.plr
bad azodo-table --polar missing.plr
bad azodo --polar fast.plr
# A count takes its plural form.
printf 'airspeed_kmh,sink_ms\n25,-1.5\n' > one.plr
bad azodo-table --polar one.plr --speeds 25:30:35
grep -q 'only 1 point; at least 3' err.txt || fail "the singular of one point"
printf 'airspeed_kmh,sink_ms\n25,-1.5\n35,-1.1\n' > two.plr
bad azodo-table --polar two.plr --speeds 25:30:35
grep -q 'only 2 points; at least 3' err.txt || fail "the plural of two points"
# A note: the wing loads, the note is English.
printf 'airspeed_kmh,sink_ms\n25,-1.5\n35,-1.1\n50,-1.9\n' > table.plr
"$BIN_DIR/azodo-table" --polar table.plr --speeds 20:35:50 --csv 2> note.txt > /dev/null
check_english "a note" note.txt
grep -q '^azodo-table: Note: table.plr: MIN 20.0 km/h' note.txt || fail "the note"

# The text table speaks English with decimal points; the CSV is the same in every language.
"$BIN_DIR/azodo-table" > table.txt
check_english "the text table" table.txt
grep -q '^Airspeed of best glide over the ground' table.txt || fail "table heading"
grep -q ' 33\.5 / 7\.9' table.txt || fail "no decimal points in the table"
"$BIN_DIR/azodo-table" --csv > en.csv
LC_ALL=C.UTF-8 "$BIN_DIR/azodo-table" --csv > de.csv
cmp -s en.csv de.csv || fail "the CSV differs between English and German"

"$BIN_DIR/azodo-table" --pdf card.pdf
pdftotext card.pdf card.txt
check_english "the card" card.txt
# The English cells fit as the German ones do: the same pages on every paper.
pages() { pdfinfo "$1" | awk '/^Pages:/ {print $2}'; }
for paper in a4 a5 a6; do
    "$BIN_DIR/azodo-table" --pdf en.pdf --paper "$paper"
    LC_ALL=C.UTF-8 "$BIN_DIR/azodo-table" --pdf de.pdf --paper "$paper"
    [ "$(pages en.pdf)" = "$(pages de.pdf)" ] ||
        fail "the English card on $paper has $(pages en.pdf) pages, the German $(pages de.pdf)"
done
"$BIN_DIR/azodo-render" --worksheet 4 --seed 7 -o sheet.pdf
pdftotext sheet.pdf sheet.txt
check_english "the worksheet" sheet.txt
grep -q 'Tasks, page 1 of 2' sheet.txt || fail "worksheet page numbers"
"$BIN_DIR/azodo-render" --state -12,-15 --state 10,5,30 -o lecture.pdf
pdftotext lecture.pdf lecture.txt
check_english "the lecture" lecture.txt
grep -q '12 km/h headwind, 1.5 m/s downdraft' lecture.txt || fail "lecture title"

# The window, and its tour walked with Space to the end: 25 steps, then the panel goes.
start_app
TOUR_X=$((WIN_X + 1577))
TOUR_Y=$((WIN_Y + 1001))
PANEL_X=$((PIC_X + PIC_W - 3))
PANEL_Y=$((PIC_Y + 20))
click_and_see "$TOUR_X" "$TOUR_Y"
wait_still
shoot
expect_pixel "$PANEL_X" "$PANEL_Y" "#FFFFC8" "the English tour's panel"
presses=0
while [ "$presses" -lt 60 ]; do
    xdotool key --window "$WID" space
    presses=$((presses + 1))
    sleep 0.3
    wait_still
    shoot
    [ "$(pixel "$PANEL_X" "$PANEL_Y")" = "#FFFFFF" ] && break
done
expect_pixel "$PANEL_X" "$PANEL_Y" "#FFFFFF" "panel hidden after the English tour"
[ "$presses" -ge 25 ] || fail "the tour ended after $presses presses of Space"
kill -0 "$APP_PID" || fail "the program ended during the English tour"
echo "the English tour ended after $presses presses of Space"
echo "PASS"
