#!/bin/sh
# Japanese on a real X server: started under LANG=ja_JP.UTF-8, the menu bar reads ファイル
# and 編集 (each menu's window is named after it), and the editing area shows the very
# pixels of an English run. The palettes are stilled, so that the two runs can be
# compared whenever they are captured.
# Usage: japanese_menus_same_views.sh PROGRAM
set -eu
. "$(dirname "$0")/lib/x11_test.sh"
x11_prepare "$1" python3 xwd
cp "$work/demo.nes" "$work/game.nes"
palette_sets=$((0x10 + 0x20 * 0x2000 + 0x1590))
for k in 0 1 2 3; do
    printf '\000\000\000\000' | dd of="$work/game.nes" bs=1 seek=$((palette_sets + 20 * k + 16)) conv=notrunc 2> /dev/null
done

cat > "$work/session.sh" <<'SESSION'
#!/bin/sh
set -eu
editor=$1 work=$2
. "$X11_TEST_LIB"

# capture LANG NAME: runs the editor in that language and keeps the screen as NAME.xwd
# and where the editing area lies as NAME.at.
capture() {
    # Settings of its own: each run starts with the window sized for its own menu bar.
    env -u LC_ALL -u LC_MESSAGES -u LANGUAGE LANG="$1" XDG_CONFIG_HOME="$work/config-$2" "$editor" "$work/game.nes" > "$work/$2.log" 2>&1 &
    program=$!
    focus_window ".*Quarrix Editor ver.1.2.0" "$program"
    sleep 0.5
    eval "$(xdotool getwindowgeometry --shell "$id")"
    # Without a window manager the window has no frame: the client area is the lowest
    # 588 rows, the editing area 40 rows below its top.
    echo "$X $((Y + HEIGHT - 588 + 40))" > "$work/$2.at"
    xwd -root -silent > "$work/$2.xwd"
}

# The names of the open menus' windows. xdotool's patterns match bytes, so the names
# are compared whole by the shell.
menus() {
    for menu in $(xdotool search --onlyvisible --name ')$' 2> /dev/null); do
        xdotool getwindowname "$menu"
    done
}

capture ja_JP.UTF-8 japanese
xdotool key alt+f
wait_until "the File menu is not ファイル" 'menus | grep -qx "ファイル(F)"'
xdotool key Right
wait_until "the Edit menu is not 編集" 'menus | grep -qx "編集(E)"'
xdotool key Escape Escape
focus_window ".*Quarrix Editor ver.1.2.0" "$program"
xdotool key ctrl+q
wait "$program" || fail "the Japanese run did not end cleanly"

capture C.UTF-8 english
xdotool key ctrl+q
wait "$program" || fail "the English run did not end cleanly"

python3 - "$work/english.xwd" "$work/japanese.xwd" $(cat "$work/english.at") $(cat "$work/japanese.at") << 'PY' || fail "the views differ between English and Japanese"
import struct, sys
def load(path):
    data = open(path, 'rb').read()
    h = struct.unpack('>25I', data[:100])
    return data[h[0] + 12 * h[19]:], h[12], h[11] // 8
def area(shot, left, top):
    image, line, size = shot
    return [image[(top + y) * line + size * left:(top + y) * line + size * (left + 512)] for y in range(528)]
english = area(load(sys.argv[1]), int(sys.argv[3]), int(sys.argv[4]))
japanese = area(load(sys.argv[2]), int(sys.argv[5]), int(sys.argv[6]))
for y, (a, b) in enumerate(zip(english, japanese)):
    if a != b:
        sys.exit('row %d of the editing area differs' % y)
PY
echo "the menus read ファイル and 編集, and the views are the English run's"
SESSION
x11_run_session "$work/session.sh"
