# Sourced by the scripts that drive the reader under a virtual X server (scripts/, tests/ui/,
# bench/): starts Xvfb on a free display, finds a program's window, and clicks the reader's
# window points (window-points beside this file). Callers stop the server in their EXIT trap
# with varnel_stop_xvfb.

varnel_xvfb_pid=
# shellcheck source=window-points
. "$(dirname "${BASH_SOURCE[0]}")/window-points"

# Starts Xvfb on a display it picks itself and exports DISPLAY once the server takes clients.
# The server's output goes to LOG (default: nowhere). Without -noreset the server starts over
# whenever its last client leaves, and drops a client that connected meanwhile: a program
# started as a probe ends would fail with "could not connect to display".
varnel_start_xvfb() {
    local log=${1:-/dev/null} display_file number=
    display_file=$(mktemp "${TMPDIR:-/tmp}/varnel-display.XXXXXX")
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$display_file" >"$log" 2>&1 &
    varnel_xvfb_pid=$!
    for _ in $(seq 200); do
        number=$(head -n 1 "$display_file")
        [ -n "$number" ] && break
        kill -0 "$varnel_xvfb_pid" 2>/dev/null || break
        sleep 0.05
    done
    rm -f "$display_file"
    if [ -z "$number" ]; then
        echo "Xvfb did not start" >&2
        [ "$log" = /dev/null ] || cat "$log" >&2
        return 1
    fi
    export DISPLAY=":$number"
}

varnel_stop_xvfb() {
    if [ -n "$varnel_xvfb_pid" ]; then
        kill "$varnel_xvfb_pid" 2>/dev/null || true
        wait "$varnel_xvfb_pid" 2>/dev/null || true
        varnel_xvfb_pid=
    fi
}

# The id of the first visible window of process PID; nothing while it shows none.
varnel_window_of() {
    xdotool search --onlyvisible --pid "$1" 2>/dev/null | head -n 1 || true
}

# Prints the id of the first visible window of process PID once it is on the screen, within
# SECONDS (default 30). Polled: a search that waits for the window can hang.
varnel_wait_for_window() {
    local pid=$1 seconds=${2:-30} window
    for _ in $(seq $((seconds * 10))); do
        window=$(varnel_window_of "$pid")
        if [ -n "$window" ]; then
            echo "$window"
            return 0
        fi
        if ! kill -0 "$pid" 2>/dev/null; then
            echo "the program ended before its window was shown" >&2
            return 1
        fi
        sleep 0.1
    done
    echo "no window of the program appeared within $seconds s" >&2
    return 1
}

# The window point "X,Y" of list item N (0 is the top one).
varnel_list_item() {
    echo "${list_item_0%,*},$((${list_item_0#*,} + list_item_height * $1))"
}

# Screen coordinates "X Y" of window point "X,Y" (or a name from window-points) of WINDOW.
varnel_screen_point() {
    local window=$1 point=$2 WINDOW X Y WIDTH HEIGHT SCREEN
    case $point in
    *,*) ;;
    *) point=${!point:?"no window point named $point"} ;;
    esac
    eval "$(xdotool getwindowgeometry --shell "$window")"
    echo "$((X + ${point%,*})) $((Y + ${point#*,}))"
}

# Clicks WINDOW's point, after a moment over it: a button shows its hover first, as under a
# user's hand.
varnel_click() {
    # shellcheck disable=SC2046
    xdotool mousemove $(varnel_screen_point "$1" "$2") sleep 0.3 click 1
}

varnel_double_click() {
    # shellcheck disable=SC2046
    xdotool mousemove $(varnel_screen_point "$1" "$2") click --repeat 2 --delay 60 1
}

# Gives WINDOW the input focus, as a window manager would on a click; keys go only to the
# focused window. Polled: a focus change that is waited for can hang.
varnel_focus_window() {
    xdotool windowfocus "$1"
    for _ in $(seq 20); do
        [ "$(xdotool getwindowfocus 2>/dev/null || true)" = "$1" ] && return 0
        sleep 0.1
    done
    echo "window $1 did not get the input focus" >&2
    return 1
}
