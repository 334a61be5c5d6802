#!/bin/sh
# Measures the desktop program on the demo image:
#   - CPU used over 10 s while the window is active and nothing happens
#     (user + system time of the process, in percent of one core);
#   - time from starting the process to the first painted frame of the editing area,
#     five runs;
#   - time to export every stage with its sheets (--export-all), five runs and their
#     median.
# Usage: tools/measure-shell.sh [build-dir]   (default: build)
# Runs on the offscreen platform unless QT_QPA_PLATFORM is set (e.g. to xcb under Xvfb).
set -eu

build=${1:-build}
editor="$build/app/quarrix-editor"
[ -x "$editor" ] || { echo "no program at $editor: build it first" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
# The demo image goes into a data folder of its own, not the user's.
export XDG_DATA_HOME="$work/data"
ticks_per_second=$(getconf CLK_TCK)

cpu_ticks() {
    # Fields 14 and 15 of /proc/PID/stat: user and system time in clock ticks. The
    # program name (field 2) has no spaces here.
    awk '{ print $14 + $15 }' "/proc/$1/stat"
}

"$editor" --demo >"$work/idle.log" 2>&1 &
pid=$!
sleep 2
before=$(cpu_ticks "$pid")
sleep 10
after=$(cpu_ticks "$pid")
kill "$pid"
wait "$pid" 2>/dev/null || true
awk -v t="$((after - before))" -v hz="$ticks_per_second" \
    'BEGIN { printf "idle CPU over 10 s: %.1f%% of one core\n", 100 * t / hz / 10 }'

for run in 1 2 3 4 5; do
    start=$(date +%s%3N)
    painted=$("$editor" --demo --report-first-frame 2>/dev/null | awk '/first painted frame at/ { print $5 }')
    [ -n "$painted" ] || { echo "run $run: no frame reported" >&2; exit 1; }
    echo "start to first painted frame, run $run: $((painted - start)) ms"
done

rom="$work/data/quarrix-editor/quarrix-demo.nes"
for run in 1 2 3 4 5; do
    rm -rf "$work/pictures"
    start=$(date +%s%N)
    "$editor" "$rom" --export-all "$work/pictures" >/dev/null 2>&1
    end=$(date +%s%N)
    milliseconds=$(((end - start) / 1000000))
    echo "export of all stages with their sheets, run $run: $milliseconds ms"
    echo "$milliseconds" >>"$work/export-times"
done
sort -n "$work/export-times" | awk 'NR == 3 { print "export of all stages, median of five runs: " $1 " ms" }'
