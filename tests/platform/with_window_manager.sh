#!/bin/sh
# Runs a command on the current X display with openbox managing it, so windows get frames as on
# a desktop; without openbox the command runs unmanaged.
wm=""
if command -v openbox >/dev/null 2>&1; then
    openbox --sm-disable >/dev/null 2>&1 &
    wm=$!
    sleep 1
fi
"$@"
status=$?
[ -n "$wm" ] && kill "$wm"
exit $status
