#!/bin/sh
# The usage window on a real X server: F2 opens it beside the editor, Enter on a listed
# use scrolls the main window there, U goes on to the next use from the main window,
# and edits made at both places land on exactly those pages of the saved image.
# Usage: usage_window_goes_to_a_use.sh PROGRAM
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
# Stage 0 of the demo image shows map set 08 on pages 08 and 1F, map set 09 on pages
# 09 and 2C. From page 08, the window's second use is page 1F.

xdotool key Next Next Next Next Next Next Next Next
# The panel docks in the main window and takes the keys.
open_panel F2 usage
xdotool key Down Return
focus_window ".* - Quarrix Editor ver.1.2.0"
[ -n "${SHOTS:-}" ] && xwd -root -silent > "$SHOTS/window.xwd"
xdotool key Up     # page 1F: map set 08 becomes 09, as on pages 09 and 2C
xdotool key u Up   # the next page that shows map set 09: 2C, whose 09 becomes 0A
[ -n "${SHOTS:-}" ] && xwd -root -silent > "$SHOTS/after.xwd"
xdotool key ctrl+s
for _ in $(seq 300); do
    cmp -s "$work/game.nes" "$work/original.nes" || break
    sleep 0.1
done
xdotool key ctrl+q
wait "$program" || fail "the program did not end cleanly"

# The 48 bytes of stage 0's page table: after the header, in bank 0x20 at offset
# 0x1500. cmp numbers bytes from 1 and shows them in octal, the saved byte first.
table=$((0x10 + 0x20 * 0x2000 + 0x1500 + 1))
expected=$(printf '%d 11 10\n%d 12 11' $((table + 0x1F)) $((table + 0x2C)))
changed=$(cmp -l "$work/game.nes" "$work/original.nes" |
          awk -v first=$table -v last=$((table + 47)) '$1 >= first && $1 <= last { print $1, $2, $3 }') || true
[ "$changed" = "$expected" ] || fail "the saved image changed at
$changed
instead of
$expected"
echo "the usage window and U went to the uses they list"
SESSION
x11_run_session "$work/session.sh"
