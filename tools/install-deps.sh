#!/bin/sh
# Installs what building, testing and packaging Quarrix Editor needs on Debian 12 (run
# as root).
# Does nothing when everything is already there.
set -e
packages="cmake make g++ pkg-config qt6-base-dev zlib1g-dev nettle-dev nlohmann-json3-dev libgl-dev libgtest-dev libgmock-dev libbenchmark-dev fonts-dejavu-core python3 xvfb xauth xdotool"
# Packaging and trying the installed program on an X server (tools/check-package.sh).
packages="$packages dpkg-dev file lintian desktop-file-utils appstream x11-utils x11-apps"
# The fuzz targets (tools/fuzz.sh): clang with libFuzzer and the sanitizer run-times;
# the source format (tools/check-format.sh).
packages="$packages clang clang-14 libclang-rt-14-dev clang-format"
# Scripts (QJSEngine), the translations (lupdate, lrelease), the demo's 6502 program
# (ca65, ld65) and the emulator the play-test checks run it in.
packages="$packages qt6-declarative-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools cc65 fceux"
# The toolkit's own Japanese texts, which the Japanese translation loads beside its own.
packages="$packages qt6-translations-l10n"
missing=""
for p in $packages; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
if [ -n "$missing" ]; then
    echo "Installing:$missing"
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq $missing
fi
