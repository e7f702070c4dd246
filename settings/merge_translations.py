#!/usr/bin/env python3
"""Merges translators' files into the text table.

Each file settings/translations/<index>-<code>.tsv holds lines "row<TAB>text" for one language column of
settings/texts.tsv (2-de, 3-fr, 4-es, 5-zh, 6-it, 7-cs, 8-ja, 9-ko; 1-ru may update Russian). Texts follow
the rules of texts.tsv: UTF-8, kept exactly as they stand, escapes \\n, \\r and \\\\ only; a \\" is taken as a
plain double quote, which is how texts.tsv writes it. Lines starting with "#" and blank lines are skipped.

A row that texts.tsv does not have, a row given twice, a malformed line and a Korean text for row 404 (which
has none) are refused and reported; the other rows are merged. Afterwards the rows still empty are listed
per language. The exit status is 1 when anything was refused, else 0.

    python3 settings/merge_translations.py [--texts FILE] [--translations DIR] [--dry-run]
"""

import argparse
import os
import re
import sys
import tempfile

LANGUAGES = 10
CODES = {1: "ru", 2: "de", 3: "fr", 4: "es", 5: "zh", 6: "it", 7: "cs", 8: "ja", 9: "ko"}
NAMES = ["English", "Russian", "German", "French", "Spanish", "Chinese", "Italian", "Czech", "Japanese", "Korean"]
DOCUMENTED_EMPTY = {(404, 9)}  # row 404 has no Korean text
FILE_NAME = re.compile(r"^(\d)-([a-z]+)\.tsv$")


def normalise(text):
    """(text as texts.tsv writes it, None) or (None, why `text` is not a valid field)."""
    if "\t" in text:
        return None, "a tab inside the text"
    out = []
    i = 0
    while i < len(text):
        if text[i] != "\\":
            out.append(text[i])
            i += 1
            continue
        if i + 1 == len(text):
            return None, "a backslash ends the text"
        escape = text[i + 1]
        if escape not in "nr\\\"":
            return None, "unknown escape \\" + escape
        out.append('"' if escape == '"' else "\\" + escape)
        i += 2
    return "".join(out), None


def read_lines(path):
    with open(path, "rb") as f:
        data = f.read()
    text = data.decode("utf-8")  # raises on malformed UTF-8; the caller reports it
    if text.startswith("\ufeff"):
        text = text[1:]
    lines = text.split("\n")
    if lines and lines[-1] == "":
        lines.pop()
    return [line[:-1] if line.endswith("\r") else line for line in lines]


class Table:
    """texts.tsv, kept line by line so that comments and order survive."""

    def __init__(self, path):
        self.lines = []  # either a string (comment or blank) or a list of 11 fields
        self.rows = {}   # row number -> fields
        for line in read_lines(path):
            if line == "" or line.startswith("#"):
                self.lines.append(line)
                continue
            fields = line.split("\t")
            if not fields[0].isdigit() or len(fields) > LANGUAGES + 1:
                raise ValueError("%s: malformed line: %r" % (path, line[:40]))
            fields += [""] * (LANGUAGES + 1 - len(fields))
            self.rows[int(fields[0])] = fields
            self.lines.append(fields)

    def text(self):
        out = []
        for line in self.lines:
            if isinstance(line, list):
                # Trailing empty columns are written too: every row keeps its eleven fields.
                out.append("\t".join(line))
            else:
                out.append(line)
        return "\n".join(out) + "\n"


def merge_file(table, path, language, problems):
    """Fills column `language` from `path`; returns (filled, changed)."""
    filled = changed = 0
    seen = set()
    name = os.path.basename(path)
    try:
        lines = read_lines(path)
    except UnicodeDecodeError as error:
        problems.append("%s: not UTF-8 (%s)" % (name, error))
        return 0, 0
    for number, line in enumerate(lines, 1):
        if line.strip() == "" or line.startswith("#"):
            continue
        where = "%s:%d" % (name, number)
        row_text, tab, text = line.partition("\t")
        if not tab or not row_text.isdigit():
            problems.append("%s: refused: the line must be a row number, a tab and the text" % where)
            continue
        row = int(row_text)
        if row not in table.rows:
            problems.append("%s: refused: row %d does not exist in the text table" % (where, row))
            continue
        if row in seen:
            problems.append("%s: refused: row %d is given twice" % (where, row))
            continue
        seen.add(row)
        if (row, language) in DOCUMENTED_EMPTY:
            if text != "":
                problems.append("%s: refused: row %d stays empty in %s" % (where, row, NAMES[language]))
            continue
        text, error = normalise(text)
        if error:
            problems.append("%s: refused: row %d: %s" % (where, row, error))
            continue
        if text == "":
            continue
        cell = table.rows[row][language + 1]
        if cell != text:
            if cell:
                changed += 1
            else:
                filled += 1
            table.rows[row][language + 1] = text
    return filled, changed


def ranges(numbers):
    parts = []
    for n in numbers:
        if parts and parts[-1][1] == n - 1:
            parts[-1][1] = n
        else:
            parts.append([n, n])
    return ", ".join(str(a) if a == b else "%d-%d" % (a, b) for a, b in parts)


def write_atomically(path, text):
    directory = os.path.dirname(os.path.abspath(path))
    fd, temporary = tempfile.mkstemp(prefix=".texts-", suffix=".tsv", dir=directory)
    try:
        with os.fdopen(fd, "w", encoding="utf-8", newline="\n") as f:
            f.write(text)
            f.flush()
            os.fsync(f.fileno())
        os.chmod(temporary, 0o644)
        os.replace(temporary, path)
    except BaseException:
        os.unlink(temporary)
        raise


def main(argv):
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser(description="Merge translation files into texts.tsv.")
    parser.add_argument("--texts", default=os.path.join(here, "texts.tsv"))
    parser.add_argument("--translations", default=os.path.join(here, "translations"))
    parser.add_argument("--dry-run", action="store_true", help="report only; texts.tsv is not written")
    args = parser.parse_args(argv)

    try:
        table = Table(args.texts)
    except (OSError, ValueError, UnicodeDecodeError) as error:
        print("merge_translations: %s" % error, file=sys.stderr)
        return 2

    problems = []
    names = sorted(os.listdir(args.translations)) if os.path.isdir(args.translations) else []
    for name in names:
        if not name.endswith(".tsv"):
            continue
        match = FILE_NAME.match(name)
        language = int(match.group(1)) if match else None
        if language not in CODES or CODES[language] != match.group(2):
            expected = ", ".join("%d-%s.tsv" % item for item in sorted(CODES.items()))
            problems.append("%s: refused: the name must be one of %s" % (name, expected))
            continue
        filled, changed = merge_file(table, os.path.join(args.translations, name), language, problems)
        print("%s: %d texts filled, %d changed" % (name, filled, changed))

    if not args.dry_run:
        write_atomically(args.texts, table.text())

    for problem in problems:
        print(problem, file=sys.stderr)
    for language in range(LANGUAGES):
        empty = [row for row, fields in sorted(table.rows.items())
                 if fields[language + 1] == "" and (row, language) not in DOCUMENTED_EMPTY]
        if empty:
            print("%s (%d): %d rows empty: %s" % (NAMES[language], language, len(empty), ranges(empty)))
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
