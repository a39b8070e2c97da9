#!/usr/bin/env python3
"""Checks that a manual page says what the program's --help says: the usage line, the
description, and every option and argument with its text, word for word.

    manual-matches-help.py PROGRAM MANUAL_PAGE

Prints what the manual lacks and exits 1, or exits 0."""
import os
import re
import subprocess
import sys


def words(text):
    return " ".join(text.split())


def help_items(help_text):
    """The usage, the description, and each "name  text" entry of the help, its wrapped
    lines joined."""
    lines = help_text.splitlines()
    usage = re.sub(r"^Usage: \S*?([^/\s]+) ", r"\1 ", lines[0])
    items = [usage]
    entries = []
    for line in lines[1:]:
        if not line.strip() or re.match(r"^\S.*:$", line):
            continue
        entry = re.match(r"^  (\S.*?)\s{2,}(\S.*)$", line)
        if entry:
            entries.append([entry.group(1), entry.group(2)])
        elif line.startswith(" ") and entries:
            entries[-1][1] += " " + line.strip()
        else:
            items.append(line)
    for name, text in entries:
        items += [name, text]
    return [words(item) for item in items]


def main():
    program, manual_page = sys.argv[1:]
    help_text = subprocess.run([program, "--help"], capture_output=True, text=True,
                               check=True, timeout=30).stdout
    environment = dict(os.environ, LC_ALL="C", MANWIDTH="500")
    manual = words(subprocess.run(["man", "-l", manual_page], capture_output=True, text=True,
                                  check=True, env=environment).stdout)
    missing = [item for item in help_items(help_text) if item not in manual]
    for item in missing:
        print(f"the manual page lacks the help's \"{item}\"", file=sys.stderr)
    if not missing:
        print(f"the manual page has every line of {os.path.basename(program)} --help")
    return 1 if missing else 0


if __name__ == "__main__":
    sys.exit(main())
