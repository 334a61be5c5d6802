#!/bin/sh
# Lists the C++ files of the repository that clang-format (.clang-format) would change,
# with the number of lines it would change in each, and ends with code 1 when there is
# any. Changes nothing, unless --apply is given: then it formats those files in place.
#
#   tools/check-format.sh [--apply] [FILE...]
#
# The generated mapping table (jcode/jis_table.cpp, made by tools/make_jis_table.py)
# keeps the layout its generator gives it.
# Needs clang-format (tools/install-deps.sh); CLANG_FORMAT names another one.
set -e
cd "$(dirname "$0")/.."
format=${CLANG_FORMAT:-clang-format}
apply=false
if [ "$1" = "--apply" ]; then
    apply=true
    shift
fi
if [ $# -gt 0 ]; then
    files="$*"
else
    files=$(git ls-files '*.cpp' '*.h' | grep -v '^jcode/jis_table\.cpp$')
fi
changed=0
lines=0
for f in $files; do
    n=$("$format" --style=file "$f" | diff "$f" - | grep -c '^[<>]' || true)
    if [ "$n" -gt 0 ]; then
        echo "$f: $n lines"
        if $apply; then
            "$format" --style=file -i "$f"
        fi
        changed=$((changed + 1))
        lines=$((lines + n))
    fi
done
if [ "$changed" -gt 0 ] && ! $apply; then
    echo "$changed files, $lines changed lines (removed and added) would change"
    exit 1
fi
