# Shared by the X tests (sourced): what each test needs before, on and after a real X
# server. The tests run the program the way a user does, so every wait polls instead
# of sleeping a fixed time: the machine may be busy.

# x11_prepare PROGRAM TOOL...: skips the test (exit 77) where a tool is missing; makes
# $work, removed at exit, with a state and data folder of the test's own, and
# $work/demo.nes, the demo image as the program writes it.
x11_prepare() {
    editor=$1
    shift
    for tool in xvfb-run xdotool "$@"; do
        command -v "$tool" > /dev/null || { echo "skipped: $tool is not installed"; exit 77; }
    done
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
    export XDG_STATE_HOME="$work/state" XDG_DATA_HOME="$work/data" XDG_CONFIG_HOME="$work/config"
    unset QT_QPA_PLATFORM
    QT_QPA_PLATFORM=offscreen "$editor" --demo --screenshot "$work/first.png" > /dev/null
    cp "$work/data/quarrix-editor/quarrix-demo.nes" "$work/demo.nes"
}

# x11_run_session SCRIPT: runs the shell script SCRIPT on an X server of its own (a
# screen of $X11_SCREEN, 1280x1024 unless set) with
# the program and $work as its arguments; the script can source this file as
# "$X11_TEST_LIB" for the helpers below. A display number of its own, so that other X
# tests running at the same time do not take the same server; and no reset of the
# server when its last client goes, which would refuse the next run's connection.
x11_run_session() {
    X11_TEST_LIB=$(cd "$(dirname "$0")" && pwd)/lib/x11_test.sh
    export X11_TEST_LIB
    xvfb-run -a -n $((100 + $$ % 800)) -s "-screen 0 ${X11_SCREEN:-1280x1024}x24 -noreset" sh "$1" "$editor" "$work"
}

# On the server: fails the test with a reason and the programs' logs ($work/*.log).
fail() {
    echo "FAIL: $*"
    cat "$work"/*.log 2> /dev/null
    xdotool search --name . getwindowname %@ 2> /dev/null
    kill -9 $(jobs -p) 2> /dev/null || true
    exit 1
}

# Waits up to 30 s for a visible window whose whole title is $1, of process $2 when it
# is given, and gives it the keyboard.
focus_window() {
    for _ in $(seq 300); do
        if [ -n "${2:-}" ]; then
            id=$(xdotool search --all --onlyvisible --pid "$2" --name "^$1\$" 2> /dev/null | head -n 1) || true
        else
            id=$(xdotool search --onlyvisible --name "^$1\$" 2> /dev/null | head -n 1) || true
        fi
        if [ -n "$id" ]; then
            xdotool windowfocus --sync "$id"
            sleep 0.3
            return 0
        fi
        sleep 0.1
    done
    fail "no window called '$1'"
}

# Waits up to 30 s for a shell condition; fails with $1 when it never holds.
wait_until() {
    what=$1
    shift
    for _ in $(seq 300); do
        if eval "$*"; then
            return 0
        fi
        sleep 0.1
    done
    fail "$what"
}

# Whether the panel named $1 in the settings is open: a panel is kept open there as soon
# as it shows, with the keys.
panel_open() {
    grep -q "^$1\\\\open=true" "$XDG_CONFIG_HOME/quarrix-editor/settings.ini" 2> /dev/null
}

# Presses $1, the key of the panel named $2, and waits up to 30 s until it is open.
open_panel() {
    xdotool key "$1"
    wait_until "the $2 panel never opened" panel_open "$2"
}
