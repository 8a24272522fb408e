#!/usr/bin/env bash
# The real program in a real X server: started with a puzzle on its command
# line, closed with the window's close request as a user would, started again
# without arguments to find the same puzzle reopened from gridly.cfg.
# Usage: start_and_close.sh GRIDLY GRIDLY_TOOL
set -euo pipefail
gridly=$1
tool=$2
here=$(cd "$(dirname "$0")" && pwd)

work=$(mktemp -d)
xvfb_pid=
cleanup() {
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# The program's folder is the executable's: gridly.cfg is written there.
cp "$gridly" "$work/gridly"
mkdir -m 700 "$work/run"
export XDG_RUNTIME_DIR=$work/run QT_QPA_PLATFORM=xcb
unset QT_FONT_DPI

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
export DISPLAY=:$(cat "$work/display")

puzzle=$work/puzzle.gly
printf 'cat\tA pet\ncow\tIt gives milk\n' >"$work/words.txt"
"$tool" make "$work/words.txt" "$puzzle" --seed 1

fail() { echo "FAIL: $*" >&2; exit 1; }

# Starts gridly, waits for its window, checks the caption, closes it.
run_once() {
    local expected_title=$1; shift
    "$work/gridly" "$@" &
    local pid=$!
    local window
    window=$(timeout 30 xdotool search --sync --onlyvisible --name '^Gridly' | head -n 1) \
        || fail "no window appeared"
    local title
    title=$(xdotool getwindowname "$window")
    [ "$title" = "$expected_title" ] || fail "caption '$title', expected '$expected_title'"
    python3 "$here/close_window.py" "$window"
    for _ in $(seq 200); do kill -0 "$pid" 2>/dev/null || break; sleep 0.05; done
    kill -0 "$pid" 2>/dev/null && { kill "$pid"; fail "the program did not end on close"; }
    wait "$pid" || fail "exit status $?"
}

run_once "Gridly v1.00     > puzzle.gly" "$puzzle"

# Colour 2, indicator off, three zeros, then "Design", the name and the path,
# each preceded by its length.
le16() { printf "\\x$(printf %02x $(($1 & 255)))\\x$(printf %02x $(($1 >> 8)))"; }
{
    le16 2; le16 0; le16 0; le16 0; le16 0
    le16 6; printf Design
    le16 10; printf puzzle.gly
    le16 ${#puzzle}; printf %s "$puzzle"
} >"$work/expected.cfg"
cmp "$work/gridly.cfg" "$work/expected.cfg" || fail "gridly.cfg differs from what was expected"

run_once "Gridly v1.00     > puzzle.gly"
echo "PASS"
