#!/bin/sh
# The Colours window on a real X server: F3 opens it, the arrows choose a swatch, +
# steps its colour, and Save writes exactly that byte of the palette sets.
# Usage: colours_window_steps_a_colour.sh PROGRAM
set -eu
. "$(dirname "$0")/lib/x11_test.sh"
x11_prepare "$1" cmp od
cp "$work/demo.nes" "$work/game.nes"
cp "$work/game.nes" "$work/original.nes"

cat > "$work/session.sh" <<'SESSION'
#!/bin/sh
set -eu
editor=$1 work=$2
. "$X11_TEST_LIB"

"$editor" "$work/game.nes" > "$work/run.log" 2>&1 &
program=$!
focus_window ".* - Quarrix Editor ver.1.2.0"
# The panel docks in the main window and takes the keys.
open_panel F3 colours
# Set 1, sub-palette 0, colour 2.
xdotool key Down Right Right plus
[ -n "${SHOTS:-}" ] && xwd -root -silent > "$SHOTS/colours.xwd"
xdotool key Escape
focus_window ".* - Quarrix Editor ver.1.2.0"
xdotool key ctrl+s
for _ in $(seq 300); do
    cmp -s "$work/game.nes" "$work/original.nes" || break
    sleep 0.1
done
xdotool key ctrl+q
wait "$program" || fail "the program did not end cleanly"

# Stage 0's palette sets: after the header, in bank 0x20 at offset 0x1590; set 1 is the
# second record of 20 bytes. cmp numbers bytes from 1.
offset=$((0x10 + 0x20 * 0x2000 + 0x1590 + 20 + 2))
before=$(od -An -tu1 -j $offset -N1 "$work/original.nes" | tr -d ' ')
after=$(od -An -tu1 -j $offset -N1 "$work/game.nes" | tr -d ' ')
[ "$after" -eq $(( ((before & 63) + 1) & 63 )) ] || fail "the colour byte is $after, it was $before"
# Apart from that byte, a save changes only the object page bytes behind each list's end
# (bank offsets 0x1100 to 0x113F of the stages).
changed=$(cmp -l "$work/game.nes" "$work/original.nes" |
          awk -v first=$((0x10 + 0x20 * 0x2000)) -v bank=$((0x2000)) -v pages=$((0x1100)) '
              { at = $1 - 1 - first; within = at % bank
                if (!(at >= 0 && at < 16 * bank && within >= pages && within < pages + 64)) print $1 }' | wc -l)
[ "$changed" -eq 1 ] || fail "$changed bytes changed instead of one"
echo "the Colours window stepped the colour that Save wrote"
SESSION
x11_run_session "$work/session.sh"
