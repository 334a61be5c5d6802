#!/bin/sh
# The demo image's stage player in a real emulator against the editor's own picture.
# F5 is pressed twice in the editor: on stage 0, palette set 0, page 0 as it opens (its
# water animates), then on stage 2, palette set 1, page 1 (Ctrl+Down, Ctrl+PageDown
# twice, PageDown). A
# stand-in named fceux keeps what F5 hands the emulator (the palette file and the
# play-test copy); the real fceux then runs each copy with a Lua script that saves a
# screen once the stage is drawn and another after scrolling right. Every screen must
# equal, pixel for pixel, the editor's --export-stage picture at the scroll position
# the program reports, in the same palette set.
# Usage: stage_player_matches_the_editor.sh PROGRAM
set -eu
PATH=$PATH:/usr/games
. "$(dirname "$0")/lib/x11_test.sh"
x11_prepare "$1" fceux python3
lib=$(cd "$(dirname "$0")/lib" && pwd)
cp "$work/demo.nes" "$work/game.nes"

mkdir "$work/bin"
cat > "$work/bin/fceux" <<STANDIN
#!/bin/sh
# Keeps the palette file and the copy of one F5 in f5-1, f5-2 ...
set -eu
run=$work/f5-\$(( \$(ls -d $work/f5-* 2> /dev/null | wc -l) + 1 ))
mkdir "\$run.part"
[ "\$1" = --palette ] && cp "\$2" "\$run.part/colours.pal" && cp "\$3" "\$run.part/copy.nes"
mv "\$run.part" "\$run"
STANDIN
chmod +x "$work/bin/fceux"

cat > "$work/session.sh" <<'SESSION'
#!/bin/sh
set -eu
editor=$1 work=$2
. "$X11_TEST_LIB"

"$editor" --emulator "$work/bin/fceux" "$work/game.nes" > "$work/run.log" 2>&1 &
program=$!
focus_window ".* - Quarrix Editor ver.1.2.0"
xdotool key F5
wait_until "F5 handed the emulator nothing" '[ -d "$work/f5-1" ]'
xdotool key ctrl+Down ctrl+Next ctrl+Next Next
xdotool key F5
wait_until "the second F5 handed the emulator nothing" '[ -d "$work/f5-2" ]'
xdotool key ctrl+q
wait "$program" || fail "the program did not end cleanly"

# The real emulator, on each copy, in a home of its own for its settings.
for run in "$work"/f5-1 "$work"/f5-2; do
    HOME=$work OUT=$run/screen RIGHT_FRAMES=150 timeout 45 \
        fceux --sound 0 --no-config 1 --palette "$run/colours.pal" --loadlua "$LUA_SCRIPT" "$run/copy.nes" \
        > "$work/fceux.log" 2>&1 || true
    [ "$(cat "$run/screen.status" 2> /dev/null)" = ok ] ||
        fail "fceux did not save both screens: $(cat "$run/screen.status" 2> /dev/null || echo no status)"
done
SESSION
LUA_SCRIPT=$lib/stage_player.lua
export LUA_SCRIPT
x11_run_session "$work/session.sh"

for run in "$work"/f5-1 "$work"/f5-2; do
    read -r stage page pixel set < "$run/screen.1.txt"
    "$editor" "$run/copy.nes" --export-stage "$stage" "$run/stage.png" --palette "$set" \
        > /dev/null
    for screen in 1 2; do
        read -r now_stage page pixel now_set < "$run/screen.$screen.txt"
        [ "$now_stage $now_set" = "$stage $set" ] || fail "the stage or palette set changed while scrolling"
        python3 "$lib/compare_frame.py" "$run/stage.png" "$run/screen.$screen.gd" "$page" "$pixel" || fail "screens differ"
    done
done
[ "$(cat "$work/f5-1/screen.1.txt")" = "0 0 0 0" ] ||
    fail "the first F5 opened on stage, page, pixel, palette set $(cat "$work/f5-1/screen.1.txt"), not 0 0 0 0"
[ "$(cat "$work/f5-2/screen.1.txt")" = "2 1 0 1" ] ||
    fail "the second F5 opened on stage, page, pixel, palette set $(cat "$work/f5-2/screen.1.txt"), not 2 1 0 1"
echo "the stage player drew stage 0 (palette set 0) and stage 2 (palette set 1) as the editor does, before and after scrolling"
