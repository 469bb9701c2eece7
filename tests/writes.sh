#!/usr/bin/env bash
# Failed writes of the command-line tools, tried as an unprivileged user (as root the
# cases run through setpriv as nobody, whose permissions bind): after any failure the
# target is byte-identical to before and no temporary file is left; a success replaces
# it whole.
set -euo pipefail
BIN_DIR=${BIN_DIR:?}

# A world-readable copy of the tools: a build tree under /root is closed to others.
WORK=$(mktemp -d)
trap 'chmod -R u+w "$WORK" 2>/dev/null; rm -rf "$WORK"' EXIT
chmod 755 "$WORK"
cp "$BIN_DIR/azodo-table" "$BIN_DIR/azodo-render" "$WORK/"
as_user=()
if [ "$(id -u)" -eq 0 ]; then
    as_user=(setpriv --reuid=65534 --regid=65534 --clear-groups)
fi
T=$WORK/t
mkdir "$T"
chmod 777 "$T"
fails=0

# Runs a command line as the unprivileged user in $T; sets RC and ERR.
try() {
    set +e
    ERR=$(cd "$T" && "${as_user[@]}" env PATH="$WORK:$PATH" bash -c "$1" 2>&1 >/dev/null)
    RC=$?
    set -e
}

check() {
    if eval "$2"; then
        echo "ok   $1"
    else
        echo "FAIL $1 (exit $RC: $ERR)"
        fails=$((fails + 1))
    fi
}

sum() { md5sum <"$1" | cut -d' ' -f1; }
leftovers() { find "$T" -name '.azodo-*' | wc -l; }
make_file() { # folder name mode: a card there, owned by the user
    mkdir -p "$T/$1"
    chmod 777 "$T/$1"
    "$WORK/azodo-table" --pdf "$T/$1/$2" --paper a6
    chmod "$3" "$T/$1/$2"
}
BIG="--wind-h -50:50:1 --wind-v -40:40:1"

# A writable file in a read-only folder: only an in-place write can replace it, and a
# size limit must leave it whole.
make_file ro karte.pdf 666
chmod 555 "$T/ro"
before=$(sum "$T/ro/karte.pdf")
try "ulimit -f 4; azodo-table --pdf ro/karte.pdf $BIG"
check "read-only folder, size limit: exit 1, file whole" \
    '[ $RC = 1 ] && [ "$(sum "$T/ro/karte.pdf")" = "$before" ] && [[ $ERR == *"größer, als erlaubt"* ]]'
try "azodo-table --pdf ro/karte.pdf"
check "read-only folder: overwritten in place" \
    '[ $RC = 0 ] && [ "$(sum "$T/ro/karte.pdf")" != "$before" ] && pdfinfo "$T/ro/karte.pdf" | grep -q "(A5)"'
try "azodo-render -o ro/neu.png"
check "read-only folder: no new file" '[ $RC = 1 ] && [ ! -e "$T/ro/neu.png" ]'

# A writable folder: through a temporary file, which a failure removes.
make_file rw karte.pdf 644
before=$(sum "$T/rw/karte.pdf")
try "ulimit -f 4; azodo-table --pdf rw/karte.pdf $BIG"
check "size limit: file whole, no temporary file" \
    '[ $RC = 1 ] && [ "$(sum "$T/rw/karte.pdf")" = "$before" ] && [ "$(leftovers)" = 0 ]'

# A dangling link: a failed write creates nothing at its target.
ln -s neu.png "$T/rw/dang.png"
try "ulimit -f 4; azodo-render -o rw/dang.png"
check "dangling link, size limit: no partial target" \
    '[ $RC = 1 ] && [ ! -e "$T/rw/neu.png" ] && [ -L "$T/rw/dang.png" ] && [ "$(leftovers)" = 0 ]'
try "azodo-render --size 300x200 -o rw/dang.png"
check "dangling link: the target is created, the link stays" \
    '[ $RC = 0 ] && [ -L "$T/rw/dang.png" ] && [ -f "$T/rw/neu.png" ]'

# A write-protected file is refused, as a shell redirection refuses it.
make_file rw fest.pdf 444
before=$(sum "$T/rw/fest.pdf")
try "azodo-table --pdf rw/fest.pdf"
check "mode 0444: refused in one German line" \
    '[ $RC = 1 ] && [ "$(sum "$T/rw/fest.pdf")" = "$before" ] && [[ $ERR == *schreibgeschützt* ]] && [ "$(printf "%s\n" "$ERR" | wc -l)" = 1 ]'

# The longest name a folder takes still gets a temporary file beside it.
long=$(printf 'a%.0s' $(seq 251)).png
try "azodo-render --size 300x200 -o rw/$long"
check "255-byte name" '[ $RC = 0 ] && [ -f "$T/rw/$long" ]'

# Closed standard output, input or error: nothing lands in a descriptor Qt opened.
try "azodo-render --size 300x200 -o - >&-"
check "render to a closed standard output" '[ $RC = 1 ] && [[ $ERR == *"die Ausgabe ist geschlossen"* ]]'
try "azodo-table --pdf - >&-"
check "card to a closed standard output" '[ $RC = 1 ] && [[ $ERR == *"die Ausgabe ist geschlossen"* ]]'
try "azodo-render --size 300x200 -o rw/zu.png <&- 2>&-"
check "closed standard input and error" '[ $RC = 0 ] && [ -f "$T/rw/zu.png" ]'

# An absurd argument is echoed shortened.
try "azodo-table --wind-h $(printf 'x%.0s' $(seq 100000))"
check "a 100000-character argument is not echoed whole" '[ $RC = 2 ] && [ ${#ERR} -lt 300 ]'
try "azodo-table --polar /$(printf 'x%.0s' $(seq 100000))"
check "nor a 100000-character polar file name" '[ $RC = 2 ] && [ ${#ERR} -lt 300 ]'

[ "$fails" = 0 ] || { echo "$fails case(s) failed"; exit 1; }
echo PASS
