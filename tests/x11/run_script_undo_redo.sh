#!/bin/sh
# Tools > Run Script... on a real X server: the script changes a map-set cell and
# prints, the title gains the unsaved mark; Ctrl+Z takes the whole run back and Ctrl+Y
# brings it again.
# Usage: run_script_undo_redo.sh PROGRAM
set -eu
. "$(dirname "$0")/lib/x11_test.sh"
x11_prepare "$1"
cat > "$work/cell.js" <<'SCRIPT'
const stage = editor.stage(editor.currentStage);
stage.setMapSetCell(0, 0, 0, (stage.mapSetCell(0, 0, 0) + 1) % 256);
print("cell changed to", stage.mapSetCell(0, 0, 0));
SCRIPT

cat > "$work/session.sh" <<'SESSION'
#!/bin/sh
set -eu
editor=$1 work=$2
. "$X11_TEST_LIB"

title() {
    xdotool search --onlyvisible --pid "$program" --name "Quarrix Editor" getwindowname 2> /dev/null | head -n 1
}
clean="demo.nes - Quarrix Editor ver.1.2.0"
changed="demo.nes* - Quarrix Editor ver.1.2.0"

"$editor" "$work/demo.nes" > "$work/run.log" 2>&1 &
program=$!
focus_window "$clean" "$program"
xdotool key alt+t    # Tools: Play-Test, Choose Emulator..., Run Script...
sleep 0.5
xdotool key Down Down Return
focus_window "Run Script" "$program"
xdotool type --delay 20 "$work/cell.js"
xdotool key Return
wait_until "the script's edit left no unsaved mark" '[ "$(title)" = "$changed" ]'
wait_until "the script's print is missing" 'grep -q "cell changed to" "$work/run.log"'
focus_window "demo.nes[*] - Quarrix Editor ver.1.2.0" "$program"
xdotool key ctrl+z
wait_until "Ctrl+Z did not take the run back" '[ "$(title)" = "$clean" ]'
xdotool key ctrl+y
wait_until "Ctrl+Y did not bring the run again" '[ "$(title)" = "$changed" ]'
xdotool key ctrl+z
wait_until "the second Ctrl+Z did not take the run back" '[ "$(title)" = "$clean" ]'
xdotool key ctrl+q
wait "$program" || fail "the program did not end cleanly"
echo "Tools > Run Script... makes one step that Ctrl+Z and Ctrl+Y take back and bring again"
SESSION
x11_run_session "$work/session.sh"
