#!/bin/sh
# Measures the desktop program on the demo image:
#   - CPU used over 10 s while nothing happens (user + system time of all the process's
#     threads, in percent of one core) and how often the process wakes up, in three
#     cases: the window active on an animated stage (the demo's stage 0), active on a
#     stage without animation (a copy of the demo image whose stage 0 animates nothing)
#     and inactive (another window holds the focus);
#   - the same for a plain Qt program that shows an empty window, as the floor, and for
#     one that repaints a 64 x 64 square as often as the demo's stage 0 animates, as
#     the floor of the animated case;
#   - time from starting the process to the first painted frame, median of ten rounds
#     that start each program once: for the editor with no panel open and with four
#     open, for the plain window and for a plain main window with a menu bar, and the
#     editor's against the main window's;
#   - on an X server, the animated case again with the editing area zoomed in as far as
#     the screen allows;
#   - time to export every stage with its sheets (--export-all), five runs and their
#     median.
# Usage: tools/measure-shell.sh [build-dir]   (default: build)
# MEASURE_SECONDS sets the idle spans (default 10); longer spans steady the figures on
# a busy machine.
# Runs on the offscreen platform unless QT_QPA_PLATFORM is set. On an X server
# (QT_QPA_PLATFORM=xcb, e.g. under xvfb-run) with xdotool it gives the windows the
# focus and measures the inactive case too; offscreen there is no focus to move.
# The plain window is built here with g++ and pkg-config's Qt6Widgets; without them
# its figures are left out.
set -eu

build=${1:-build}
editor="$build/app/quarrix-editor"
[ -x "$editor" ] || { echo "no program at $editor: build it first" >&2; exit 1; }

work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
# The demo image, the settings and any state go into folders of their own, not the
# user's.
export XDG_DATA_HOME="$work/data" XDG_STATE_HOME="$work/state" XDG_CONFIG_HOME="$work/config"
seconds=${MEASURE_SECONDS:-10}

focus_moves=false
if [ "$QT_QPA_PLATFORM" = xcb ] && command -v xdotool >/dev/null; then
    focus_moves=true
fi

# The floor: an empty window that paints when the window system asks and does nothing
# else. With --report-first-frame it prints the time of its first paint and ends.
floor=""
cat >"$work/plain_window.cpp" <<'PROGRAM'
#include <cstdio>
#include <cstring>
#include <memory>
#include <QApplication>
#include <QDateTime>
#include <QImage>
#include <QMainWindow>
#include <QMenuBar>
#include <QPainter>
#include <QTimer>
#include <QWidget>
class PlainWindow : public QWidget {
public:
    bool report = false;
    QImage picture{514, 588, QImage::Format_RGB32};
    PlainWindow()
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
        picture.fill(Qt::black);
    }
protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter(this).drawImage(0, 0, picture);
        if (!report)
            return;
        report = false;
        // As the editor: once the rest of the window is painted and flushed.
        QTimer::singleShot(0, [] {
            std::printf("first painted frame at %lld ms\n",
                        static_cast<long long>(QDateTime::currentMSecsSinceEpoch()));
            std::fflush(stdout);
            QApplication::quit();
        });
    }
};
int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // --main-window: the picture is the central part of a main window with a menu bar.
    const bool inMainWindow = argc > 2 && std::strcmp(argv[1], "--main-window") == 0;
    if (inMainWindow) {
        --argc;
        ++argv;
    }
    QMainWindow mainWindow;
    auto* picture = new PlainWindow;
    PlainWindow& window = *picture;
    window.report = argc > 1 && std::strcmp(argv[1], "--report-first-frame") == 0;
    // --animate: a 64 x 64 square changes colour every 96 ms, the size of the demo's
    // water and the pace of its animation (6 periods of 16 ms).
    QTimer animation;
    animation.setTimerType(Qt::PreciseTimer);
    int frame = 0;
    QObject::connect(&animation, &QTimer::timeout, [&] {
        QPainter(&window.picture).fillRect(320, 232, 64, 64, ++frame % 2 ? Qt::blue : Qt::cyan);
        window.update(320, 232, 64, 64);
    });
    const bool animate = argc > 1 && std::strcmp(argv[1], "--animate") == 0;
    if (animate)
        animation.start(96);
    if (inMainWindow) {
        for (const char* menu : {"File", "Edit", "View", "Tools", "Help"})
            mainWindow.menuBar()->addMenu(menu)->addAction("Item");
        mainWindow.setCentralWidget(picture);
        mainWindow.setWindowTitle("plain main window");
        mainWindow.resize(514, 588);
        mainWindow.show();
        return app.exec();
    }
    std::unique_ptr<PlainWindow> owned(picture);
    window.setWindowTitle(animate ? "plain window, animated" : "plain window");
    window.resize(514, 588);
    window.show();
    return app.exec();
}
PROGRAM
if command -v g++ >/dev/null && pkg-config --exists Qt6Widgets 2>/dev/null &&
    g++ -O2 -fPIC -o "$work/plain-window" "$work/plain_window.cpp" \
        $(pkg-config --cflags --libs Qt6Widgets) 2>"$work/plain-window.log"; then
    floor="$work/plain-window"
else
    echo "no plain window to compare with (g++ or Qt6Widgets for pkg-config missing)"
fi

# One line per thread of process $1: the process, the thread, its CPU time in
# nanoseconds and how often it went to sleep (each time is a wake-up later).
threads() {
    for task in /proc/"$1"/task/*; do
        ns=$(awk '{ print $1 }' "$task/schedstat" 2>/dev/null) || continue
        switches=$(awk '/^voluntary_ctxt_switches/ { print $2 }' "$task/status" 2>/dev/null) || continue
        [ -n "$ns" ] && [ -n "$switches" ] && echo "$1 ${task##*/} $ns $switches"
    done
}

# Waits up to 30 s for a visible window whose whole title is $1 and prints its id.
window_called() {
    for _ in $(seq 300); do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1) || true
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
    echo "no window called '$1'" >&2
    return 1
}

focus() {
    if $focus_moves; then
        xdotool windowfocus --sync "$1"
    fi
}

# Measures processes $2... over the same $seconds after 2 s of settling and prints
# one line per process, labelled with the words of $1 (separated by |).
measure() {
    labels=$1
    shift
    sleep 2
    for pid in "$@"; do
        threads "$pid" >>"$work/before"
    done
    sleep "$seconds"
    for pid in "$@"; do
        threads "$pid" >>"$work/after"
    done
    i=1
    for pid in "$@"; do
        label=$(echo "$labels" | cut -d'|' -f"$i")
        # Thread by thread: a thread that ended during the span (Qt's pool lets idle
        # ones go after 30 s) drops out instead of taking its earlier time with it, and
        # one that began counts from nothing.
        awk -v p="$pid" -v s="$seconds" -v l="$label" '
            FNR == NR { if ($1 == p) { ns[$2] = $3; sw[$2] = $4 } next }
            $1 == p { cpu += $3 - ns[$2]; wakes += $4 - sw[$2] }
            END { printf "%-52s %5.2f%% of one core, %6.1f wake-ups a second\n", l ":", cpu / 1e7 / s, wakes / s }
        ' "$work/before" "$work/after"
        i=$((i + 1))
    done
    rm -f "$work/before" "$work/after"
}

# The demo image, and a copy whose stage 0 animates nothing: the selectors (bytes 16
# to 19) of its four palette sets, which lie at 0x1590 in the stage's bank 0x20, set
# to 0.
QT_QPA_PLATFORM=offscreen "$editor" --demo --screenshot "$work/first.png" >/dev/null
rom="$work/data/quarrix-editor/quarrix-demo.nes"
still="$work/still.nes"
cp "$rom" "$still"
palette_sets=$((0x10 + 0x20 * 0x2000 + 0x1590))
for k in 0 1 2 3; do
    printf '\000\000\000\000' | dd of="$still" bs=1 seek=$((palette_sets + 20 * k + 16)) conv=notrunc 2>/dev/null
done

# The title begins with the image's name.
title=".* - Quarrix Editor ver.*"
floor_pid=""
if [ -n "$floor" ]; then
    "$floor" >/dev/null 2>&1 &
    floor_pid=$!
fi
animated_floor_pid=""
if [ -n "$floor" ]; then
    "$floor" --animate >/dev/null 2>&1 &
    animated_floor_pid=$!
fi
"$editor" "$rom" >"$work/animated.log" 2>&1 &
animated=$!
if $focus_moves; then
    [ -n "$floor_pid" ] && floor_window=$(window_called "plain window")
    editor_window=$(window_called "$title")
    focus "$editor_window"
fi
echo "idle over $seconds s:"
if [ -n "$floor_pid" ]; then
    measure "editor, active, animated stage|plain window, inactive|plain window repainting a square every 96 ms" \
        "$animated" "$floor_pid" "$animated_floor_pid"
else
    measure "editor, active, animated stage" "$animated"
fi
if $focus_moves && [ -n "$floor_pid" ]; then
    focus "$floor_window"
    measure "editor, inactive|plain window, active" "$animated" "$floor_pid"
else
    echo "editor, inactive: not measured (needs an X server, xdotool and the plain window)"
fi
# Zoomed in as far as the screen allows (4x wants a screen of 2100 pixels or more in
# height, e.g. xvfb-run -s "-screen 0 3840x2160x24").
if $focus_moves; then
    focus "$editor_window"
    xdotool key ctrl+equal ctrl+equal ctrl+equal
    sleep 1
    size=$(xdotool getwindowgeometry "$editor_window" | sed -n 's/.*Geometry: //p')
    measure "editor zoomed in to a window of $size, active, animated stage" "$animated"
fi
kill "$animated"
wait "$animated" 2>/dev/null || true
if [ -n "$animated_floor_pid" ]; then
    kill "$animated_floor_pid"
    wait "$animated_floor_pid" 2>/dev/null || true
fi

"$editor" "$still" >"$work/still.log" 2>&1 &
still_pid=$!
if $focus_moves; then
    focus "$(window_called "$title")"
fi
measure "editor, active, stage without animation" "$still_pid"
kill "$still_pid"
wait "$still_pid" 2>/dev/null || true
if [ -n "$floor_pid" ]; then
    kill "$floor_pid"
    wait "$floor_pid" 2>/dev/null || true
fi

# Appends to file $1 the milliseconds from starting "$2..." --report-first-frame to the
# first painted frame it reports.
first_frame() {
    file=$1
    shift
    start=$(date +%s%3N)
    painted=$("$@" --report-first-frame 2>/dev/null | awk '/first painted frame at/ { print $5 }')
    [ -n "$painted" ] || { echo "$*: no frame reported" >&2; return 1; }
    echo "$((painted - start))" >>"$file"
}
# The median of the ten times in file $1.
median_of() {
    sort -n "$1" | awk '{ t[NR] = $1 } END { printf "%d", (t[5] + t[6]) / 2 }'
}
# Prints the median of the times in file $2 under the label $1.
frame_median() {
    echo "start to first painted frame, $1: median $(median_of "$2") ms (runs: $(sort -n "$2" | tr '\n' ' '))"
}
# The editor starts as the user left it: once with no settings (no panel open), once
# with Colours, Tiles, Overview and Objects open, each from settings of its own. Ten
# rounds, each starting every program once, so that a busy spell of the machine weighs
# on the editor and on the plain windows alike.
mkdir -p "$work/no-panels" "$work/four-panels/quarrix-editor"
printf '[side]\ncolours\\open=true\ntiles\\open=true\noverview\\open=true\nobjects\\open=true\n' \
    >"$work/four-panels/quarrix-editor/settings.ini"
for round in 1 2 3 4 5 6 7 8 9 10; do
    (XDG_CONFIG_HOME="$work/no-panels" && first_frame "$work/no-panel-times" "$editor" --demo)
    (XDG_CONFIG_HOME="$work/four-panels" && first_frame "$work/four-panel-times" "$editor" --demo)
    if [ -n "$floor" ]; then
        first_frame "$work/plain-times" "$floor"
        first_frame "$work/menu-bar-times" "$floor" --main-window
    fi
done
frame_median "editor on the demo image" "$work/no-panel-times"
frame_median "editor with four panels open" "$work/four-panel-times"
if [ -n "$floor" ]; then
    frame_median "plain window" "$work/plain-times"
    frame_median "plain main window with a menu bar" "$work/menu-bar-times"
    awk -v e="$(median_of "$work/no-panel-times")" -v m="$(median_of "$work/menu-bar-times")" 'BEGIN {
        printf "editor with no panel against the plain main window: %d / %d ms = %.2f times\n", e, m, e / m }'
fi

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
