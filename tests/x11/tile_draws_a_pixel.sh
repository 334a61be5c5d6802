#!/bin/sh
# The tile window on a real X server: F4 opens it on the current tile, a key chooses a
# colour, a click draws one pixel, and Ctrl+S (passed on to the main window) writes
# exactly that pixel's two bits at the tile's source, which every stage loads.
# Usage: tile_draws_a_pixel.sh PROGRAM
set -eu
. "$(dirname "$0")/lib/x11_test.sh"
x11_prepare "$1" cmp od
cp "$work/demo.nes" "$work/game.nes"
cp "$work/game.nes" "$work/original.nes"

# The demo image's tile lists load tiles 00 to 7F of every stage from bank 0x10, page 0
# (16 tiles to a page of 0x100 bytes); stage art then overwrites 40 to FF. So tile 00,
# the current tile at start, lies at the start of bank 0x10: after the 16-byte header,
# 0x10 banks of 0x2000 bytes. Row 3 of plane 0 is its byte 3, of plane 1 its byte 11.
source=$((0x10 + 0x10 * 0x2000))
column=2 row=3
bit=$((0x80 >> column))
byte() { od -An -tu1 -j $(($1)) -N1 "$2" | tr -d ' '; }
low=$(byte "$source + $row" "$work/original.nes")
high=$(byte "$source + 8 + $row" "$work/original.nes")
was=$(( (low & bit ? 1 : 0) + (high & bit ? 2 : 0) ))
value=$(( (was + 1) % 4 ))
echo "$value" > "$work/value"

cat > "$work/session.sh" <<'SESSION'
#!/bin/sh
set -eu
editor=$1 work=$2
. "$X11_TEST_LIB"

"$editor" "$work/game.nes" > "$work/run.log" 2>&1 &
program=$!
focus_window ".* - Quarrix Editor ver.1.2.0"
# The panel docks at the right of the main window and takes the keys.
open_panel F4 tiles
# Keys 1 to 4 choose the values 0 to 3.
xdotool key "$(( $(cat "$work/value") + 1 ))"
# The drawing area, 320 pixels square, ends 10 pixels in from the panel's right edge,
# the window's, 40 screen pixels to a tile pixel at 1x: the middle of column 2 is
# 320 + 10 - 2 * 40 - 20 = 230 in from that edge. Its top lies under the menu bar, the
# panel's title and its own title row, about 73 down: row 3 (193 to 233) is met at 213.
eval "$(xdotool getwindowgeometry --shell "$id")"
xdotool mousemove --window "$id" $((WIDTH - 230)) 213 click 1
[ -n "${SHOTS:-}" ] && xwd -root -silent > "$SHOTS/tiles.xwd"
xdotool key ctrl+s
for _ in $(seq 300); do
    cmp -s "$work/game.nes" "$work/original.nes" || break
    sleep 0.1
done
xdotool key ctrl+q
wait "$program" || fail "the program did not end cleanly"
SESSION
x11_run_session "$work/session.sh"

low=$(byte "$source + $row" "$work/game.nes")
high=$(byte "$source + 8 + $row" "$work/game.nes")
now=$(( (low & bit ? 1 : 0) + (high & bit ? 2 : 0) ))
[ "$now" -eq "$value" ] || fail "pixel ($column, $row) of tile 00 is $now after the save, not $value (it was $was)"
# Apart from those two bytes, a save changes only the object page bytes behind each
# list's end (bank offsets 0x1100 to 0x113F of the stages). cmp numbers bytes from 1.
changed=$(cmp -l "$work/game.nes" "$work/original.nes" |
          awk -v plane0=$((source + row + 1)) -v plane1=$((source + 8 + row + 1)) \
              -v first=$((0x10 + 0x20 * 0x2000)) -v bank=$((0x2000)) -v pages=$((0x1100)) '
              { at = $1 - 1 - first; within = at % bank
                if ($1 == plane0 || $1 == plane1) next
                if (!(at >= 0 && at < 16 * bank && within >= pages && within < pages + 64)) print $1 }' | wc -l)
[ "$changed" -eq 0 ] || fail "$changed other bytes changed"
echo "the tile window drew the pixel that Save wrote at the tile's source"
