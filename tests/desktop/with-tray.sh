#!/bin/sh
# Runs a command on a desktop of its own: an X server (Xvfb) on a free display number with
# Debian's trayer as the system tray host, at the bottom right where no window covers it.
# There is no window manager. The command's exit status is the script's.
#   tests/desktop/with-tray.sh COMMAND [ARGUMENTS...]
set -eu
work=$(mktemp -d)
xvfb=""
tray=""
cleanup() {
    [ -n "$tray" ] && kill "$tray" 2>/dev/null || true
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# Xvfb picks a free display itself and writes its number once it accepts clients.
Xvfb -displayfd 3 -nolisten tcp -screen 0 1280x1024x24 3>"$work/display" 2>"$work/xvfb.log" &
xvfb=$!
i=0
while [ ! -s "$work/display" ]; do
    i=$((i + 1))
    if [ $i -gt 100 ] || ! kill -0 "$xvfb" 2>/dev/null; then
        echo "with-tray.sh: Xvfb did not start" >&2
        cat "$work/xvfb.log" >&2
        exit 1
    fi
    sleep 0.1
done
DISPLAY=":$(head -n 1 "$work/display")"
export DISPLAY
i=0
until xwininfo -root >/dev/null 2>&1; do
    i=$((i + 1))
    if [ $i -gt 100 ]; then
        echo "with-tray.sh: display $DISPLAY does not answer" >&2
        exit 1
    fi
    sleep 0.1
done

# The tray host; tried again if it gives up at once.
for attempt in 1 2 3; do
    trayer --edge bottom --align right --widthtype request >"$work/trayer.log" 2>&1 &
    tray=$!
    i=0
    until xwininfo -root -tree 2>/dev/null | grep -q '("panel" "trayer")'; do
        i=$((i + 1))
        if [ $i -gt 100 ] || ! kill -0 "$tray" 2>/dev/null; then
            break
        fi
        sleep 0.1
    done
    if kill -0 "$tray" 2>/dev/null && xwininfo -root -tree 2>/dev/null | grep -q '("panel" "trayer")'; then
        break
    fi
    kill "$tray" 2>/dev/null || true
    tray=""
    if [ $attempt -eq 3 ]; then
        echo "with-tray.sh: trayer did not start" >&2
        cat "$work/trayer.log" >&2
        exit 1
    fi
    sleep 0.5
done

mkdir -m 700 "$work/runtime"
XDG_RUNTIME_DIR="$work/runtime"
QT_QPA_PLATFORM=xcb
export XDG_RUNTIME_DIR QT_QPA_PLATFORM
# The tray is the X11 one; no desktop bus offers another.
unset DBUS_SESSION_BUS_ADDRESS || true

status=0
"$@" || status=$?
exit $status
