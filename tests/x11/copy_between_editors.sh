#!/bin/sh
# Copy and paste between two running editors through the desktop's clipboard: the
# first copies a map set of stage 0 of one image, the second pastes it into stage 1 of
# another image and saves. The second image then holds the first one's map set there,
# and every other map set as it was.
# Usage: copy_between_editors.sh PROGRAM
set -eu
. "$(dirname "$0")/lib/x11_test.sh"
x11_prepare "$1" cmp python3
cp "$work/demo.nes" "$work/source.nes"
cp "$work/demo.nes" "$work/target.nes"
cp "$work/target.nes" "$work/target-before.nes"

cat > "$work/session.sh" <<'SESSION'
#!/bin/sh
set -eu
editor=$1 work=$2
. "$X11_TEST_LIB"

"$editor" "$work/source.nes" > "$work/source.log" 2>&1 &
source=$!
focus_window ".* - Quarrix Editor ver.1.2.0" "$source"
xdotool key t t ctrl+c          # "MAP SET": the map set under the cursor, map set 0

"$editor" "$work/target.nes" > "$work/target.log" 2>&1 &
target=$!
focus_window ".* - Quarrix Editor ver.1.2.0" "$target"
xdotool key ctrl+Next t t ctrl+v ctrl+s   # stage 1, "MAP SET", paste, save
for _ in $(seq 300); do
    cmp -s "$work/target.nes" "$work/target-before.nes" || break
    sleep 0.1
done
xdotool key ctrl+q
wait "$target" || fail "the second editor did not end cleanly"
focus_window ".* - Quarrix Editor ver.1.2.0" "$source"
xdotool key ctrl+q
wait "$source" || fail "the first editor did not end cleanly"
SESSION
x11_run_session "$work/session.sh"

# Stage s's map set m lies at 0x10 + (0x20 + s) * 0x2000 + 0x900 + 64 m of the image.
python3 - "$work" <<'CHECK'
import sys
work = sys.argv[1]
source = open(f"{work}/source.nes", "rb").read()
before = open(f"{work}/target-before.nes", "rb").read()
after = open(f"{work}/target.nes", "rb").read()
def map_set(image, stage, m):
    at = 0x10 + (0x20 + stage) * 0x2000 + 0x900 + 64 * m
    return image[at:at + 64], at
copied, _ = map_set(source, 0, 0)
pasted, at = map_set(after, 1, 0)
assert copied != map_set(before, 1, 0)[0], "the demo's stages 0 and 1 share map set 0: no test"
assert pasted == copied, "stage 1's map set 0 is not the copied one"
others = [(s, m) for s in range(16) for m in range(32) if (s, m) != (1, 0) and map_set(after, s, m) != map_set(before, s, m)]
assert len(after) == len(before) and not others, f"other map sets changed: {others}"
print("a map set was pasted from one editor into another and saved")
CHECK
