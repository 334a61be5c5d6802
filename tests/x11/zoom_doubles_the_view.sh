#!/bin/sh
# Zoom on a real X server: Ctrl+= shows the editing area at 2x, each pixel of the 1x
# screenshot a 2 x 2 block, and a click on a cell at 2x paints that very cell of the
# saved image. The stage animates nothing, so the two screenshots can be compared.
# Usage: zoom_doubles_the_view.sh PROGRAM
set -eu
. "$(dirname "$0")/lib/x11_test.sh"
x11_prepare "$1" python3 cmp xwd
cp "$work/demo.nes" "$work/game.nes"
palette_sets=$((0x10 + 0x20 * 0x2000 + 0x1590))
for k in 0 1 2 3; do
    printf '\000\000\000\000' | dd of="$work/game.nes" bs=1 seek=$((palette_sets + 20 * k + 16)) conv=notrunc 2> /dev/null
done
cp "$work/game.nes" "$work/original.nes"

cat > "$work/session.sh" <<'SESSION'
#!/bin/sh
set -eu
editor=$1 work=$2
. "$X11_TEST_LIB"

"$editor" "$work/game.nes" --view 2 > "$work/run.log" 2>&1 &
program=$!
title=".*Quarrix Editor ver.1.2.0"
focus_window "$title"
# The first start shows the largest zoom at which the window fits this screen: back to
# 1x first.
xdotool key ctrl+0
wait_until "1x never came" '[ "$(xdotool getwindowgeometry --shell "$id" | sed -n "s/^WIDTH=//p")" -eq 514 ]'
sleep 0.5
eval "$(xdotool getwindowgeometry --shell "$id")"
width_one=$WIDTH
# Without a window manager the window has no frame: its client area is 588 high at
# 1x, and the menu bar above it takes the rest.
top=$((HEIGHT - 588 + 40))
sleep 0.5
xwd -root -silent > "$work/one.xwd"
xdotool key ctrl+equal
wait_until "the window never grew" '[ "$(xdotool getwindowgeometry --shell "$id" | sed -n "s/^WIDTH=//p")" -gt "$width_one" ]'
sleep 0.5
xwd -root -silent > "$work/two.xwd"
eval "$(xdotool getwindowgeometry --shell "$id")"
# The editing area starts 40 pixels below the client area's top; its upper 256 rows
# are the two map sets.
python3 - "$work/one.xwd" "$work/two.xwd" "$X" "$((Y + top))" << 'PY' || fail "the 2x view is not the 1x view doubled"
import struct, sys
def load(path):
    data = open(path, 'rb').read()
    # The header: its size, then ... bits per pixel (12th), bytes per line, ... the
    # number of colour map entries (20th) of 12 bytes each before the pixels.
    h = struct.unpack('>25I', data[:100])
    return data[h[0] + 12 * h[19]:], h[12], h[11] // 8
one, two = load(sys.argv[1]), load(sys.argv[2])
left, top = int(sys.argv[3]), int(sys.argv[4])
def pixel(shot, x, y):
    image, line, size = shot
    at = y * line + size * x
    return image[at:at + 3]
for y in range(256):
    for x in range(512):
        p = pixel(one, left + x, top + y)
        for dx, dy in ((0, 0), (1, 0), (0, 1), (1, 1)):
            if pixel(two, left + 2 * x + dx, top + 2 * y + dy) != p:
                sys.exit('differs at %d, %d' % (x, y))
PY
# Cell (3, 2) of map set 0, at view point (3 * 32 + 16, 2 * 32 + 16), clicked at 2x:
# the left button paints the chip set chosen, 1 after Shift+Right.
xdotool key shift+Right
xdotool mousemove $((X + 2 * (3 * 32 + 16))) $((Y + top + 2 * (2 * 32 + 16)))
sleep 0.3
xdotool click 1
xdotool key ctrl+s
wait_until "the image was not saved" '! cmp -s "$work/game.nes" "$work/original.nes"'
xdotool key ctrl+q
wait "$program" || fail "the program did not end cleanly"
# Map set 0 of stage 0 lies at 0x0900 of bank 0x20, row by row: cell (3, 2) is byte
# 2 * 8 + 3. cmp numbers bytes from 1. (Saving also marks the free object slots.)
mapsets=$((0x10 + 0x20 * 0x2000 + 0x0900 + 1))
cell=$((mapsets + 2 * 8 + 3))
changed=$(cmp -l "$work/game.nes" "$work/original.nes" |
          awk -v first=$mapsets -v last=$((mapsets + 2047)) '$1 >= first && $1 <= last { print $1, $2 }') || true
[ "$changed" = "$cell 1" ] || fail "the saved image changed at
$changed
instead of only at $cell to 1"
echo "2x shows the view doubled and a click lands on its cell"
SESSION
X11_SCREEN=2560x1600 x11_run_session "$work/session.sh"
