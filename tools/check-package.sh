#!/bin/sh
# Builds the Debian package from a build folder, validates what `cmake --install`
# produces, and starts the installed program once on an X server (Xvfb) the way the
# desktop entry's Exec line does, on the demo image: its window must appear, a
# screenshot of it is written, and Ctrl+Q must end it cleanly.
# Usage: tools/check-package.sh [build-dir]   (default: build)
set -eu

build=$(cd "${1:-build}" && pwd)
id=org.quarrix.QuarrixEditor
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

step() { echo "== $*"; }

step "package"
(cd "$build" && cpack -G DEB)
deb=$(ls "$build"/quarrix-editor_*.deb)
lintian --fail-on error "$deb"

step "install into $work/root"
DESTDIR="$work/root" cmake --install "$build" --prefix /usr
share="$work/root/usr/share"
desktop-file-validate "$share/applications/$id.desktop"
appstreamcli validate --no-net "$share/metainfo/$id.metainfo.xml"

step "start the installed program from its desktop entry"
export HOME="$work/home" XDG_DATA_HOME="$work/home/data" XDG_STATE_HOME="$work/home/state"
mkdir -p "$HOME"
# The demo image, written by the program from the build folder (it writes it and
# ends after a screenshot, without a display).
env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=offscreen \
    "$build/app/quarrix-editor" --demo --screenshot "$work/offscreen.png" >/dev/null
image="$XDG_DATA_HOME/quarrix-editor/quarrix-demo.nes"
[ -f "$image" ] || { echo "the demo image was not written to $image" >&2; exit 1; }

step "run a script with the installed program (its script engine is a module of its own)"
echo 'print(editor.stageCount)' > "$work/count.js"
stages=$("$work/root/usr/bin/quarrix-editor" "$image" --script "$work/count.js")
[ "$stages" = 16 ] || { echo "the installed program's script printed '$stages', not 16" >&2; exit 1; }

entry="$share/applications/$id.desktop"
exec_line=$(sed -n 's/^Exec=//p' "$entry")
wm_class=$(sed -n 's/^StartupWMClass=//p' "$entry")
cat > "$work/on-x.sh" <<'SCRIPT'
#!/bin/sh
# Runs inside xvfb-run: $1 image, $2 screenshot, $3 window class, then the words of
# the Exec line.
set -eu
image=$1 shot=$2 wm_class=$3
shift 3
count=$#
for word in "$@"; do
    [ "$word" = %f ] && word=$image
    set -- "$@" "$word"
done
shift "$count"
echo "running: $*"
"$@" &
pid=$!
window=$(timeout 30 xdotool search --sync --onlyvisible --classname quarrix-editor | head -n 1) || {
    echo "no window appeared within 30 s" >&2; kill "$pid"; exit 1; }
echo "window: $(xdotool getwindowname "$window")"
# What docks match the window to its entry by, and the icon it shows without one.
xprop -id "$window" WM_CLASS | grep "\"$wm_class\"\$" || { echo "the window's class is not $wm_class" >&2; kill "$pid"; exit 1; }
xprop -id "$window" _NET_WM_ICON | grep -q "Icon (" || { echo "the window has no icon" >&2; kill "$pid"; exit 1; }
xwd -silent -id "$window" -out "$shot"
file "$shot" | grep "screen dump image data" || { echo "no screenshot of the window" >&2; kill "$pid"; exit 1; }
echo "screenshot: $(wc -c < "$shot") bytes"
xdotool windowfocus --sync "$window" key ctrl+q
status=0
timeout 10 sh -c "while kill -0 $pid 2>/dev/null; do sleep 0.1; done" || { echo "Ctrl+Q did not end the program" >&2; kill "$pid"; exit 1; }
wait "$pid" || status=$?
[ "$status" -eq 0 ] || { echo "the program ended with status $status" >&2; exit 1; }
SCRIPT
# Only the installed program and its data are found, the way a menu would find them.
PATH="$work/root/usr/bin:/usr/bin:/bin" XDG_DATA_DIRS="$share:/usr/share" QT_QPA_PLATFORM= \
    xvfb-run -a -s "-screen 0 1280x1024x24" sh "$work/on-x.sh" "$image" "$work/window.xwd" "$wm_class" $exec_line
echo "package checks passed"
