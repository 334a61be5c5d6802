#!/bin/sh
# What changed, on a real X server: after an edit of one map-set cell, Ctrl+D frames
# that cell and nothing else (the screenshots before and after differ only along the
# cell's border), and the Changes panel's Revert puts the byte back, so that the image
# saved afterwards holds the original byte.
# Usage: changes_frame_and_revert.sh PROGRAM
set -eu
. "$(dirname "$0")/lib/x11_test.sh"
x11_prepare "$1" python3 cmp xwd
cp "$work/demo.nes" "$work/game.nes"
# No animated sub-palettes, so that two screenshots can be compared.
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
focus_window ".*Quarrix Editor ver.1.2.0"
main=$id
eval "$(xdotool getwindowgeometry --shell "$main")"
top=$((HEIGHT - 588 + 40))
# Cell (2, 1) of map set 0: pick its chip set, take the next one and paint it there.
xdotool key Right Right Down Return shift+Right space
sleep 0.5
xwd -root -silent > "$work/edited.xwd"
xdotool key ctrl+d
sleep 0.5
xwd -root -silent > "$work/framed.xwd"
python3 - "$work/edited.xwd" "$work/framed.xwd" "$X" "$((Y + top))" << 'PY' || fail "Ctrl+D did not frame the edited cell alone"
import struct, sys
def load(path):
    data = open(path, 'rb').read()
    h = struct.unpack('>25I', data[:100])
    return data[h[0] + 12 * h[19]:], h[12], h[11] // 8
one, two = load(sys.argv[1]), load(sys.argv[2])
left, top = int(sys.argv[3]), int(sys.argv[4])
def pixel(shot, x, y):
    image, line, size = shot
    at = y * line + size * x
    return image[at:at + 3]
# The cell spans x 64 to 95 and y 32 to 63 of the view; its border is the frame.
cell = (64, 32, 95, 63)
changed = [(x, y) for y in range(528) for x in range(512) if pixel(one, left + x, top + y) != pixel(two, left + x, top + y)]
if not changed:
    sys.exit('nothing was framed')
for x, y in changed:
    inside = cell[0] <= x <= cell[2] and cell[1] <= y <= cell[3]
    border = x in (cell[0], cell[2]) or y in (cell[1], cell[3])
    if not (inside and border):
        sys.exit('a pixel changed at %d, %d' % (x, y))
PY
# The Changes panel docks in the main window and takes the keys. The first row is
# stage 0's, which stands for all of its changes; Tab leads on to Revert.
open_panel F8 changes
xdotool key Home Tab space
sleep 0.5
xdotool key ctrl+s
sleep 1
xdotool key ctrl+q
wait "$program" || fail "the program did not end cleanly"
SESSION
x11_run_session "$work/session.sh"

# Map set 0 of stage 0 lies at 0x0900 of bank 0x20, row by row. (Saving also marks
# the free object slots.)
mapsets=$((0x10 + 0x20 * 0x2000 + 0x0900 + 1))
changed=$(cmp -l "$work/game.nes" "$work/original.nes" |
          awk -v first=$mapsets -v last=$((mapsets + 2047)) '$1 >= first && $1 <= last { print $1 }') || true
[ -z "$changed" ] || fail "the saved map sets differ from the original at $changed: Revert did not put the cell back"
echo "Ctrl+D framed the edited cell alone and Revert put it back"
