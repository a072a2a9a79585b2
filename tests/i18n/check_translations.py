#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks that the interface can be translated completely.

1. Every string literal in the GUI sources (src/app, src/engine) either goes through Qt's
   translation (it is an argument of tr(), QCoreApplication::translate(), QT_TR_NOOP() or
   QT_TRANSLATE_NOOP()), holds no letter at all, or is listed in untranslated_literals.txt beside
   this script as one the user never sees (object names, file tags, icon names, MIME types,
   environment names, format keys, log lines). Comments and #include lines are skipped.
2. Every translations/*.ts is finished, and stays finished when lupdate reads the sources again:
   a tr() text in the code without an English translation counts as unfinished.

--print-unlisted prints the literals that are neither translated nor listed, in the list's own
format, so the list can be reviewed and extended after the sources changed.
"""
import argparse
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile

SOURCE_FOLDERS = ("src/app", "src/engine")
TRANSLATING_CALLS = {"tr", "translate", "QT_TR_NOOP", "QT_TRANSLATE_NOOP", "QT_TR_N_NOOP",
                     "QT_TRANSLATE_N_NOOP", "QT_TRANSLATE_NOOP3"}
ALLOWLIST = pathlib.Path(__file__).with_name("untranslated_literals.txt")

TOKEN = re.compile(r'''
    (?P<comment>//[^\n]*|/\*.*?\*/)
  | (?P<include>^[ \t]*\#[ \t]*include[^\n]*)
  | (?P<raw>(?:u8|u|U|L)?R"(?P<delim>[^(\s]*)\(.*?\)(?P=delim)")
  | (?P<string>(?:u8|u|U|L)?"(?:\\.|[^"\\\n])*")
  | (?P<char>'(?:\\.|[^'\\\n])+')
  | (?P<word>[A-Za-z_]\w*)
  | (?P<open>[({\[])
  | (?P<close>[)}\]])
  | (?P<other>\S)
''', re.VERBOSE | re.DOTALL | re.MULTILINE)


def untranslated_literals(text):
    """The string literals of a C++ source that are not a direct argument of a translating call."""
    found = []
    stack = []  # per open bracket: the name of the call it opens, or None
    previous_word = None
    for match in TOKEN.finditer(text):
        kind = match.lastgroup
        if kind in ("comment", "include"):
            continue
        if kind == "delim":
            kind = "raw"
        if kind in ("string", "raw"):
            if not (stack and stack[-1] in TRANSLATING_CALLS):
                found.append(match.group(0))
            previous_word = None
        elif kind == "word":
            previous_word = match.group(0)
        elif kind == "open":
            stack.append(previous_word if match.group(0) == "(" else None)
            previous_word = None
        elif kind == "close":
            if stack:
                stack.pop()
            previous_word = None
        else:
            # "QCoreApplication::translate(" and "a.tr(": the qualifier keeps the name
            if match.group(0) not in (":", ".", ">"):
                previous_word = None
    # A literal without a letter ("", ": ", "%1 %2", "\r\n") is no text to translate.
    return [literal for literal in found if re.search(r"[A-Za-zÄÖÜäöüß]", unescape_prefix(literal))]


def unescape_prefix(literal):
    # Drops the escape sequences' letters (\n, \t, \r) so they do not count as words.
    return re.sub(r"\\.", "", literal.split('"', 1)[1])


def read_allowlist():
    allowed = set()
    if ALLOWLIST.exists():
        for line in ALLOWLIST.read_text(encoding="utf-8").splitlines():
            if line.strip() and not line.startswith("#"):
                path, literal = line.split("\t", 1)
                allowed.add((path, literal))
    return allowed


def check_literals(root, print_unlisted):
    allowed = read_allowlist()
    unlisted, seen = [], set()
    for folder in SOURCE_FOLDERS:
        for source in sorted((root / folder).rglob("*")):
            if source.suffix not in (".cpp", ".h"):
                continue
            relative = source.relative_to(root).as_posix()
            for literal in untranslated_literals(source.read_text(encoding="utf-8")):
                seen.add((relative, literal))
                if (relative, literal) not in allowed and (relative, literal) not in unlisted:
                    unlisted.append((relative, literal))
    if print_unlisted:
        for path, literal in unlisted:
            print(f"{path}\t{literal}")
        return True
    for path, literal in unlisted:
        print(f"{path}: {literal} is shown untranslated (wrap it in tr() or list it in {ALLOWLIST.name})")
    for path, literal in sorted(allowed - seen):
        print(f"note: {ALLOWLIST.name} lists {path}\t{literal}, which the sources no longer hold")
    return not unlisted


def unfinished_entries(ts_file):
    """(context, source) of every entry without a finished translation."""
    import xml.etree.ElementTree as ET
    entries = []
    for context in ET.parse(ts_file).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            translation = message.find("translation")
            if translation is not None and translation.get("type") in ("vanished", "obsolete"):
                continue
            # A text with a count (numerus) holds one form per plural case instead of one text.
            forms = [form.text for form in translation.iter("numerusform")] if translation is not None else []
            texts = forms if message.get("numerus") == "yes" else [translation.text if translation is not None else ""]
            if translation is None or translation.get("type") == "unfinished" or not all((t or "").strip() for t in texts):
                entries.append((name, message.findtext("source")))
    return entries


def check_translations(root, lupdate):
    ok = True
    ts_files = sorted((root / "translations").glob("*.ts"))
    if not ts_files:
        print("no translations/*.ts found")
        return False
    with tempfile.TemporaryDirectory() as scratch:
        for ts_file in ts_files:
            for context, source in unfinished_entries(ts_file):
                print(f"{ts_file.name}: unfinished in {context}: {source!r}")
                ok = False
            # lupdate adds every tr() text of the sources that the file lacks as unfinished.
            copy = pathlib.Path(scratch) / ts_file.name
            shutil.copyfile(ts_file, copy)
            subprocess.run([lupdate, "-silent", "-locations", "none", "-no-obsolete", "-I", str(root / "src"),
                            *[str(root / folder) for folder in SOURCE_FOLDERS], "-ts", str(copy)],
                           check=True, stdout=subprocess.DEVNULL)
            for context, source in unfinished_entries(copy):
                print(f"{ts_file.name}: the sources' text in {context} has no translation: {source!r}")
                ok = False
    return ok


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--root", type=pathlib.Path, default=pathlib.Path(__file__).resolve().parents[2])
    parser.add_argument("--lupdate", default="/usr/lib/qt6/bin/lupdate")
    parser.add_argument("--print-unlisted", action="store_true",
                        help="print the untranslated literals missing from the list, in its format")
    args = parser.parse_args()
    if args.print_unlisted:
        check_literals(args.root, True)
        return 0
    literals_ok = check_literals(args.root, False)
    translations_ok = check_translations(args.root, args.lupdate)
    return 0 if literals_ok and translations_ok else 1


if __name__ == "__main__":
    sys.exit(main())
