#!/bin/sh
# Edits made through real key presses survive kill -9: the program, run on a real X
# server, keeps them in its recovery file; started again on the same image it offers
# them, Enter restores them, and Ctrl+S writes them into the image. An edit followed
# at once by SIGTERM is kept too.
# Usage: edits_survive_a_kill.sh PROGRAM
set -eu
editor=$1
for tool in xvfb-run xdotool cmp; do
    command -v "$tool" > /dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_STATE_HOME="$work/state" XDG_DATA_HOME="$work/data"
unset QT_QPA_PLATFORM

# The demo image, as the program writes it.
QT_QPA_PLATFORM=offscreen "$editor" --demo --screenshot "$work/first.png" > /dev/null
cp "$work/data/quarrix-editor/quarrix-demo.nes" "$work/game.nes"
cp "$work/game.nes" "$work/original.nes"

cat > "$work/session.sh" <<'SESSION'
#!/bin/sh
set -eu
editor=$1 work=$2
fail() { echo "FAIL: $*"; cat "$work"/run*.log; xdotool search --name . getwindowname %@ 2>/dev/null; kill -9 $(jobs -p) 2> /dev/null || true; exit 1; }

# Waits up to 30 s for a window whose whole title is $1 and gives it the keyboard.
# The machine may be busy: every wait here polls rather than sleeps a fixed time.
focus_window() {
    for _ in $(seq 300); do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1) || true
        if [ -n "$id" ]; then
            xdotool windowfocus --sync "$id"
            sleep 0.3
            return 0
        fi
        sleep 0.1
    done
    fail "no window called '$1'"
}

# Waits up to 30 s for a shell condition; fails with $1 when it never holds.
wait_until() {
    what=$1
    shift
    for _ in $(seq 300); do
        if eval "$*"; then
            return 0
        fi
        sleep 0.1
    done
    fail "$what"
}
kept() { ls "$work/state/quarrix-editor/recovery/"*.edits > /dev/null 2>&1; }

"$editor" "$work/game.nes" > "$work/run1.log" 2>&1 &
first=$!
focus_window "Quarrix Editor ver.1.2.0"
xdotool key Up Up Up   # MAP: the left page's map set, three steps
wait_until "no recovery file after the edits" kept
kill -9 "$first"
wait "$first" 2>/dev/null || true
cmp -s "$work/game.nes" "$work/original.nes" || fail "the image changed without a save"

"$editor" "$work/game.nes" > "$work/run2.log" 2>&1 &
second=$!
focus_window "Quarrix Editor"          # the question about the kept edits
xdotool key Return                     # Restore
focus_window "Quarrix Editor ver.1.2.0"
xdotool key ctrl+s
wait_until "the restored edits did not reach the image" '! cmp -s "$work/game.nes" "$work/original.nes"'
xdotool key ctrl+q
wait "$second" || fail "the second run did not end cleanly"
kept && fail "the recovery file outlived the save"

# The end of a session (SIGTERM) right after an edit: no time for the timer, yet the
# edit is kept on the way out.
"$editor" "$work/game.nes" > "$work/run3.log" 2>&1 &
third=$!
focus_window "Quarrix Editor ver.1.2.0"
xdotool key Down
sleep 1
kill -TERM "$third"
wait "$third" || fail "SIGTERM did not end the program cleanly"
kept || fail "SIGTERM lost the edit"
echo "edits survived kill -9 and SIGTERM and were restored"
SESSION
# A display number of its own, so that other X tests running at the same time do not
# take the same server; and no reset of the server when its last client goes, which
# would refuse the next run's connection while it resets.
xvfb-run -a -n $((100 + $$ % 800)) -s "-screen 0 1024x768x24 -noreset" sh "$work/session.sh" "$editor" "$work"
