#!/bin/sh
# The panels on a real X server of 1600 x 1000: F3, F4, F6 and F7 dock their panels in
# the editor's one window, which grows beside them and stays on the screen; Ctrl+= then
# shows 2x, the client area scrolling where the screen is too small; after Ctrl+Q a new
# start opens the same panels in the same window size.
# Usage: panels_share_one_window.sh PROGRAM
set -eu
. "$(dirname "$0")/lib/x11_test.sh"
x11_prepare "$1"

cat > "$work/session.sh" <<'SESSION'
#!/bin/sh
set -eu
editor=$1 work=$2
. "$X11_TEST_LIB"
title=".* - Quarrix Editor ver.1.2.0"

"$editor" "$work/demo.nes" > "$work/run.log" 2>&1 &
program=$!
focus_window "$title"
eval "$(xdotool getwindowgeometry --shell "$id")"
plain_width=$WIDTH
for key in F3 F4 F6 F7; do
    # Each panel takes the keys; the next key still reaches the main window.
    xdotool key "$key"
    sleep 0.3
done
wait_until "the window never grew by the panels" \
    '[ "$(xdotool getwindowgeometry --shell "$id" | sed -n "s/^WIDTH=//p")" -gt "$plain_width" ]'
windows=$(xdotool search --all --onlyvisible --pid "$program" --name . | wc -l)
[ "$windows" -eq 1 ] || fail "$windows windows of the editor are shown"
eval "$(xdotool getwindowgeometry --shell "$id")"
[ $((X + WIDTH)) -le 1600 ] && [ $((Y + HEIGHT)) -le 1000 ] || fail "the window runs off the screen"
panels_width=$WIDTH panels_height=$HEIGHT

xdotool key ctrl+equal
wait_until "2x never came" '[ "$(xdotool getwindowgeometry --shell "$id" | sed -n "s/^WIDTH=//p")" -gt "$panels_width" ]'
eval "$(xdotool getwindowgeometry --shell "$id")"
# 2x would be 1,100 pixels high without the menu bar: the client area scrolls.
[ "$HEIGHT" -le 1000 ] || fail "the window is $HEIGHT high at 2x"
xdotool key ctrl+minus
wait_until "1x never came back" '[ "$(xdotool getwindowgeometry --shell "$id" | sed -n "s/^WIDTH=//p")" -eq "$panels_width" ]'
eval "$(xdotool getwindowgeometry --shell "$id")"
panels_width=$WIDTH panels_height=$HEIGHT
xdotool key ctrl+q
wait "$program" || fail "the program did not end cleanly"

"$editor" "$work/demo.nes" > "$work/again.log" 2>&1 &
program=$!
focus_window "$title"
eval "$(xdotool getwindowgeometry --shell "$id")"
[ "$WIDTH" -eq "$panels_width" ] && [ "$HEIGHT" -eq "$panels_height" ] ||
    fail "the window came back ${WIDTH}x$HEIGHT, not ${panels_width}x$panels_height"
for panel in colours tiles overview objects; do
    grep -q "^$panel\\\\open=true" "$XDG_CONFIG_HOME/quarrix-editor/settings.ini" || fail "$panel was not kept open"
done
xdotool key ctrl+q
wait "$program" || fail "the program did not end cleanly"
echo "four panels docked in one window, 2x scrolled, the same panels again after a new start"
SESSION
X11_SCREEN=1600x1000 x11_run_session "$work/session.sh"
