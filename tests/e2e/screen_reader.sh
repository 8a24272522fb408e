#!/usr/bin/env bash
# The real program read as a screen reader reads it: on its own X server,
# with its X11 platform, on a private session bus where at-spi2-core's
# accessibility bus starts on demand, read by screen_reader.py through the
# AT-SPI bus. Every process it starts is ended at the end, whatever happened.
# Usage: screen_reader.sh GRIDLY GRIDLY_TOOL
set -euo pipefail
gridly=$1
tool=$2
here=$(cd "$(dirname "$0")" && pwd)
python=/usr/bin/python3  # pyatspi is Debian's, for Debian's Python

work=$(mktemp -d)
xvfb_pid=
session_pid=
cleanup() {
    # The session's group holds the buses, the registry and the program: all
    # of it ends before the X server they use.
    if [ -n "$session_pid" ]; then
        kill -- -"$session_pid" 2>/dev/null || true
        for _ in $(seq 40); do kill -0 -- -"$session_pid" 2>/dev/null || break; sleep 0.05; done
        kill -KILL -- -"$session_pid" 2>/dev/null || true
    fi
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# The program's folder is the executable's: gridly.cfg is written there.
cp "$gridly" "$work/gridly"
mkdir -m 700 "$work/run"
export XDG_RUNTIME_DIR=$work/run QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
unset QT_FONT_DPI DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS

# -noreset: the server would otherwise start over, refusing connections for a
# while, each time its last client (the check below) leaves.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
# Up when it answers, however loaded the machine is.
for _ in $(seq 200); do
    [ -s "$work/display" ] && DISPLAY=:$(cat "$work/display") xdpyinfo >/dev/null 2>&1 && break
    sleep 0.05
done
export DISPLAY=:$(cat "$work/display")
xdpyinfo >/dev/null 2>&1 || { echo "FAIL: no X server" >&2; cat "$work/xvfb.log" >&2; exit 1; }

printf 'cat\tA pet\ncow\tIt gives milk\n' >"$work/words.txt"
"$tool" make "$work/words.txt" "$work/small.gly" --seed 1 >/dev/null
"$tool" export "$work/small.gly" "$work/small.ipuz" --answers >/dev/null

# A session and process group of its own, so that the end takes all of it.
setsid dbus-run-session -- "$python" "$here/screen_reader.py" "$work/gridly" "$work/small.gly" "$work/small.ipuz" &
session_pid=$!
status=0
wait "$session_pid" || status=$?
if [ "$status" -ne 0 ]; then
    kill -0 "$xvfb_pid" 2>/dev/null || { echo "the X server ended:" >&2; cat "$work/xvfb.log" >&2; }
    exit "$status"
fi
echo "PASS"
