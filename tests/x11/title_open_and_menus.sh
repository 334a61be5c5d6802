#!/bin/sh
# The window as a desktop user sees it, on a real X server: the title names the image,
# gains the unsaved mark with an edit and loses it when Ctrl+Z takes the edit back;
# Alt+F opens the File menu; Ctrl+O opens a second image in the same window.
# Usage: title_open_and_menus.sh PROGRAM
set -eu
. "$(dirname "$0")/lib/x11_test.sh"
x11_prepare "$1"
cp "$work/demo.nes" "$work/first.nes"
cp "$work/demo.nes" "$work/second.nes"

cat > "$work/session.sh" <<'SESSION'
#!/bin/sh
set -eu
editor=$1 work=$2
. "$X11_TEST_LIB"

title() {
    xdotool search --onlyvisible --pid "$program" --name "Quarrix Editor" getwindowname 2> /dev/null | head -n 1
}

"$editor" "$work/first.nes" > "$work/run.log" 2>&1 &
program=$!
focus_window "first.nes - Quarrix Editor ver.1.2.0" "$program"
xdotool key Up       # "MAP": the left page's map set + 1
wait_until "no unsaved mark after an edit" '[ "$(title)" = "first.nes* - Quarrix Editor ver.1.2.0" ]'
xdotool key ctrl+z
wait_until "the mark stayed after Ctrl+Z" '[ "$(title)" = "first.nes - Quarrix Editor ver.1.2.0" ]'

windows() {
    xdotool search --onlyvisible --pid "$program" --class . 2> /dev/null | wc -l
}
before=$(windows)
xdotool key alt+f    # the File menu opens as a window of its own
wait_until "Alt+F opened no menu" '[ "$(windows)" -gt "$before" ]'
xdotool key Escape
focus_window "first.nes - Quarrix Editor ver.1.2.0" "$program"

xdotool key ctrl+o
focus_window "Open" "$program"
xdotool type --delay 20 "$work/second.nes"
xdotool key Return
focus_window "second.nes - Quarrix Editor ver.1.2.0" "$program"
xdotool key ctrl+q
wait "$program" || fail "the program did not end cleanly"
echo "the title follows the image and its edits, Alt+F opens File, Ctrl+O another image"
SESSION
x11_run_session "$work/session.sh"
