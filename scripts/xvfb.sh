# The one way this project starts a virtual X server, on a display Xvfb picks itself (no clash
# with one already in use, nor with another run starting at the same moment).
# Sourced: start_xvfb WxHxD starts it, exports DISPLAY and sets xvfb_pid.
# Run: bash scripts/xvfb.sh [--wm] COMMAND... runs the command on a virtual X server of its own
# (1280x1024), with openbox framing the windows when --wm is given, and ends both afterwards.
# It exits with the command's status, or 77 (a skip for CTest) when Xvfb is not installed.
start_xvfb() {
    local fifo number
    fifo=$(mktemp -u)
    mkfifo "$fifo"
    # -noreset: the server keeps its state when its last client goes, as a desktop's does.
    Xvfb -displayfd 3 -screen 0 "$1" -nolisten tcp -noreset 3>"$fifo" >/dev/null 2>&1 &
    xvfb_pid=$!
    read -r -t 30 number <"$fifo" || true
    rm -f "$fifo"
    [ -n "$number" ] || { echo "Xvfb did not start" >&2; return 1; }
    export DISPLAY=":$number"
}

if [ "${BASH_SOURCE[0]}" = "$0" ]; then
    command -v Xvfb >/dev/null || { echo "SKIP: Xvfb is not installed"; exit 77; }
    wm="" wm_pid="" xvfb_pid=""
    [ "${1:-}" = --wm ] && { wm=1; shift; }
    trap 'kill $wm_pid $xvfb_pid 2>/dev/null; wait' EXIT
    trap 'exit 143' INT TERM
    start_xvfb 1280x1024x24 || exit 1
    # Tells the tests that this display is a throw-away one made for them.
    export LUNAVIK_XVFB="$DISPLAY"
    if [ -n "$wm" ] && command -v openbox >/dev/null; then
        openbox --sm-disable >/dev/null 2>&1 &
        wm_pid=$!
        # Managing the screen once it names itself on the root window.
        for _ in $(seq 300); do
            xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
            sleep 0.1
        done
    fi
    "$@"
    exit $?
fi
