#!/bin/sh
# Edits made through real key presses survive kill -9: the program, run on a real X
# server, keeps them in its recovery file; started again on the same image it offers
# them, Enter restores them, and Ctrl+S writes them into the image. An edit followed
# at once by SIGTERM is kept too.
# Usage: edits_survive_a_kill.sh PROGRAM
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
kept() { ls "$work/state/quarrix-editor/recovery/"*.edits > /dev/null 2>&1; }

"$editor" "$work/game.nes" > "$work/run1.log" 2>&1 &
first=$!
focus_window ".* - Quarrix Editor ver.1.2.0"
xdotool key Up Up Up   # MAP: the left page's map set, three steps
wait_until "no recovery file after the edits" kept
kill -9 "$first"
wait "$first" 2>/dev/null || true
cmp -s "$work/game.nes" "$work/original.nes" || fail "the image changed without a save"

"$editor" "$work/game.nes" > "$work/run2.log" 2>&1 &
second=$!
focus_window "Quarrix Editor"          # the question about the kept edits
xdotool key Return                     # Restore
focus_window ".* - Quarrix Editor ver.1.2.0"
xdotool key ctrl+s
wait_until "the restored edits did not reach the image" '! cmp -s "$work/game.nes" "$work/original.nes"'
xdotool key ctrl+q
wait "$second" || fail "the second run did not end cleanly"
kept && fail "the recovery file outlived the save"

# The end of a session (SIGTERM) right after an edit: no time for the timer, yet the
# edit is kept on the way out.
"$editor" "$work/game.nes" > "$work/run3.log" 2>&1 &
third=$!
focus_window ".* - Quarrix Editor ver.1.2.0"
xdotool key Down
sleep 1
kill -TERM "$third"
wait "$third" || fail "SIGTERM did not end the program cleanly"
kept || fail "SIGTERM lost the edit"
echo "edits survived kill -9 and SIGTERM and were restored"
SESSION
x11_run_session "$work/session.sh"
