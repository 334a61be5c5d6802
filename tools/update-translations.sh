#!/bin/sh
# Brings a translation file up to date with the texts of the sources: new texts are
# added unfinished, texts no longer in the sources are dropped, and every finished
# translation is kept. With no argument it updates translations/quarrix-editor_ja.ts;
# tools/check-translations.sh runs it on a scratch copy.
#
# The core marks its texts with TEXT_NOOP and translated() (text/translation.h), which
# lupdate reads as it reads QT_TRANSLATE_NOOP and translate.
set -e
root="$(cd "$(dirname "$0")/.." && pwd)"
ts="${1:-$root/translations/quarrix-editor_ja.ts}"
lupdate="${LUPDATE:-$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)}"

cd "$root"
# Every folder whose code shows a person a text: the core's, the window wrappers and
# the shell; not the tests, the benchmarks or the tools.
list="$(mktemp)"
trap 'rm -f "$list"' EXIT
for folder in text model jcode file rom render clipboard usage changes edit tilesheet patch state \
              demo identity stagefile names script core swc shell; do
    find "$folder" -name '*.cpp' -o -name '*.h'
done | LC_ALL=C sort > "$list"

"$lupdate" -silent -locations none -no-obsolete -no-ui-lines -source-language en -target-language ja_JP \
    -tr-function-alias QT_TRANSLATE_NOOP+=TEXT_NOOP,translate+=translated \
    @"$list" -ts "$ts"
