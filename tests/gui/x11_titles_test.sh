#!/usr/bin/env bash
# The window titles as an X server holds them, which is what a window
# manager's title bar and task list show. The offscreen platform of the other
# GUI tests keeps a title as the program sets it; the X11 platform may add to
# it. The real program, started as an operator starts it, against the lab
# router: the login window, the window logged in, and a message box.
#
#   x11_titles_test.sh MANAGER ROUTER_SIM DATA_FILE
#
# It starts its own Xvfb on a display the server picks (-displayfd), so that
# parallel runs never race for the same display number.
set -euo pipefail

manager=$1
router=$2
data=$3
export QT_QPA_PLATFORM=xcb
# xprop prints the names in the locale's character set.
export LC_ALL=C.UTF-8

work=$(mktemp -d)
pids=()
cleanup() {
    # Newest first, so that the X server outlives its clients.
    local i pid
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
        pid=${pids[i]}
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    rm -rf "$work"
}
trap cleanup EXIT
# Qt wants its runtime directory private.
export XDG_RUNTIME_DIR=$work

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.err" &
pids+=($!)
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.1
done
[ -s "$work/display" ] || { echo "FAIL: Xvfb did not start" >&2; cat "$work/xvfb.err" >&2; exit 1; }
export DISPLAY=:$(tr -d '[:space:]' <"$work/display")

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

# Starts a lab router with the given options; sets snmp_port and console_port.
start_router() {
    local out=$work/router-$RANDOM.out
    "$router" --bind 127.0.0.1 --snmp-port 0 --console-port 0 --data "$data" "$@" >"$out" &
    pids+=($!)
    for _ in $(seq 100); do
        grep '^ready ' "$out" >/dev/null && break
        sleep 0.1
    done
    local ready
    ready=$(grep '^ready ' "$out") || { echo "FAIL: the lab router did not start" >&2; exit 1; }
    snmp_port=$(sed -n 's/.*snmp=\([0-9]*\).*/\1/p' <<<"$ready")
    console_port=$(sed -n 's/.*console=\([0-9]*\).*/\1/p' <<<"$ready")
}

# The title of every shown top-level window of process $1, one a line, as
# "NET_WM_NAME|WM_NAME". Without a window manager the top-level windows are
# the root's children.
window_titles() {
    local pid=$1 id props
    for id in $(xwininfo -root -children | sed -n 's/^ *\(0x[0-9a-f]*\) .*/\1/p'); do
        # Whole outputs first: a grep -q that stops reading would fail the
        # pipeline under pipefail.
        props=$(xprop -id "$id" -notype _NET_WM_PID _NET_WM_NAME WM_NAME 2>/dev/null) || continue
        [ "$(sed -n 's/^_NET_WM_PID = //p' <<<"$props")" = "$pid" ] || continue
        [[ "$(xwininfo -id "$id" 2>/dev/null)" == *"Map State: IsViewable"* ]] || continue
        printf '%s|%s\n' "$(sed -n 's/^_NET_WM_NAME = "\(.*\)"$/\1/p' <<<"$props")" \
            "$(sed -n 's/^WM_NAME = "\(.*\)"$/\1/p' <<<"$props")"
    done
}

# Waits until process $1 shows a window titled exactly $2 (both names).
expect_title() {
    local pid=$1 title=$2 seen= deadline=$((SECONDS + 30))
    while [ "$SECONDS" -lt "$deadline" ]; do
        seen=$(window_titles "$pid")
        if grep -xF "$title|$title" <<<"$seen" >/dev/null; then
            echo "ok: \"$title\""
            return 0
        fi
        if ! kill -0 "$pid" 2>/dev/null; then
            local status=0
            wait "$pid" || status=$?
            fail "the manager ended (status $status) before showing \"$title\""
            return 0
        fi
        sleep 0.2
    done
    fail "no window titled \"$title\"; shown (_NET_WM_NAME|WM_NAME): ${seen:-none}"
}

# Runs the manager with the given arguments, checks one title, stops it.
title_of_run() {
    local title=$1
    shift
    "$manager" "$@" 2>>"$work/manager.err" &
    local pid=$!
    pids+=("$pid")
    expect_title "$pid" "$title"
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
}

start_router
export TESSEL_SNMP_PORT=$snmp_port TESSEL_CONSOLE_PORT=$console_port
login=(--host=127.0.0.1 --login=admin --password=admin --community=public)
title_of_run "Tessel Manager - Login"
# The name is the bundled base station's sysName.
title_of_run "bs-north: 127.0.0.1 - Tessel Manager" "${login[@]}"

# A router that answers no SNMP: the first probe fails after its time-out,
# before the main window is first shown.
start_router --silent
export TESSEL_SNMP_PORT=$snmp_port TESSEL_CONSOLE_PORT=$console_port
title_of_run "SNMP Test Failed" "${login[@]}"

if [ "$failures" -ne 0 ]; then
    cat "$work/manager.err" >&2 2>/dev/null || true
    exit 1
fi
