#!/bin/sh
# The object list on a real X server: F7 opens it, the third row is chosen with the
# arrows, a new x is typed and applied with Enter, and Save writes exactly that byte.
# Usage: object_list_types_a_value.sh PROGRAM
set -eu
. "$(dirname "$0")/lib/x11_test.sh"
x11_prepare "$1" cmp
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
open_panel F7 objects
# The list opens on the current object, slot 00, in its page column: two rows down
# and one column right is the x of slot 02.
xdotool key Down Down Right c 8 Return
[ -n "${SHOTS:-}" ] && xwd -root -silent > "$SHOTS/objects.xwd"
focus_window ".* - Quarrix Editor ver.1.2.0"
xdotool key ctrl+s
for _ in $(seq 300); do
    cmp -s "$work/game.nes" "$work/original.nes" || break
    sleep 0.1
done
xdotool key ctrl+q
wait "$program" || fail "the program did not end cleanly"

# Stage 0's x, y and data tables: after the header, in bank 0x20 from offset 0x1180,
# 128 bytes apart; the x of slot 02 is the third byte. (Saving marks every free slot's
# page as loading does, so the page table may change besides.) cmp numbers bytes from
# 1 and shows them in octal, the saved byte first.
tables=$((0x10 + 0x20 * 0x2000 + 0x1180 + 1))
byte=$((tables + 2))
changed=$(cmp -l "$work/game.nes" "$work/original.nes" |
          awk -v first=$tables -v last=$((tables + 0x17F)) '$1 >= first && $1 <= last { print $1, $2 }') || true
[ "$changed" = "$byte 310" ] || fail "the saved image changed at
$changed
instead of x C8 of slot 02 at byte $byte"
echo "the object list typed the x of the third object"
SESSION
x11_run_session "$work/session.sh"
