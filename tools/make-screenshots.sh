#!/bin/sh
# Regenerates docs/screenshots/: the editor on the demo image, one PNG per view, and a
# whole demo stage, drawn by the program itself on the offscreen platform.
# Usage: tools/make-screenshots.sh [build-dir]   (default: build)
set -eu

build=${1:-build}
editor="$build/app/quarrix-editor"
[ -x "$editor" ] || { echo "no program at $editor: build it first" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen
export XDG_DATA_HOME="$work/data"

mkdir -p docs/screenshots
view=0
for name in map object map-set chip-set chip; do
    "$editor" --demo --view "$view" --screenshot "docs/screenshots/$name.png" 2>/dev/null
    view=$((view + 1))
done
"$editor" --demo --export-stage 0 docs/screenshots/stage-0.png 2>/dev/null
