#!/usr/bin/env python3
"""Fails when a translation file is out of date with the sources or unfinished.

Out of date: tools/update-translations.sh, run on a scratch copy, would change it.
Unfinished: a text has no translation, is marked unfinished, or its translation drops,
adds or misnumbers a %1 to %9 that the English text has.
"""
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ElementTree

root = pathlib.Path(__file__).resolve().parent.parent
placeholder = re.compile(r"%[1-9]")


def out_of_date(ts):
    with tempfile.TemporaryDirectory() as scratch:
        copy = pathlib.Path(scratch) / ts.name
        shutil.copyfile(ts, copy)
        subprocess.run([str(root / "tools/update-translations.sh"), str(copy)], check=True)
        return copy.read_bytes() != ts.read_bytes()


def unfinished(ts):
    faults = []
    for context in ElementTree.parse(ts).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            source = message.findtext("source") or ""
            translation = message.find("translation")
            where = f"{name}: {source!r}"
            if translation is None or translation.get("type") is not None or not (translation.text or "").strip():
                faults.append(f"{where} has no finished translation")
            elif set(placeholder.findall(source)) != set(placeholder.findall(translation.text)):
                faults.append(f"{where}: the translation does not use {', '.join(sorted(set(placeholder.findall(source)))) or 'no value'} as the text does")
    return faults


def main():
    files = [pathlib.Path(a) for a in sys.argv[1:]] or sorted((root / "translations").glob("*.ts"))
    failed = False
    for ts in files:
        if out_of_date(ts):
            print(f"{ts.name} is out of date with the sources: run tools/update-translations.sh and translate what it adds")
            failed = True
        for fault in unfinished(ts):
            print(f"{ts.name}: {fault}")
            failed = True
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
