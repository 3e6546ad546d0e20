# Sourced by scripts that need a virtual X server of their own.
# start_xvfb WxHxD: starts Xvfb on a display it picks itself (no clash with one already in use),
# exports DISPLAY and sets xvfb_pid.
start_xvfb() {
    local fifo
    fifo=$(mktemp -u)
    mkfifo "$fifo"
    Xvfb -displayfd 3 -screen 0 "$1" -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
    xvfb_pid=$!
    local number
    read -r -t 10 number <"$fifo" || true
    rm -f "$fifo"
    [ -n "$number" ] || { echo "Xvfb did not start" >&2; return 1; }
    export DISPLAY=":$number"
}
