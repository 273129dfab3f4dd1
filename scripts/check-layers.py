#!/usr/bin/env python3
"""The layering rule of src/, read from the includes.

Folders stand in layers, from the bottom up. A file includes only its own folder
and the folders of lower layers; the features of one layer stand side by side and
never include each other. The program's own code above the control names its
commands instead of numbering them: no `case <number>:` there.

Prints one line per break (the file, the include, the rule) and exits 1 when
there is any; silent and 0 when the house is one-way.
"""
import os
import pathlib
import re
import sys

LAYERS = [
    ("codepages",),  # portable: tables, routes, recoding, the guess, byte-level transforms
    ("engine",),  # portable: the text engine and the RTF reader
    ("base",),  # process state, settings, error box, command identifiers and captions
    ("control",),  # the document control: a window class that knows nothing of the program
    ("editor",),  # the editor as the program uses it: input, undo journal, views, transformations
    ("documents", "search", "printing", "chrome", "tools", "conversion_dialogs"),  # features, side by side
    ("app",),  # start-up, main window, menus, dispatch
]
RANK = {folder: rank for rank, folders in enumerate(LAYERS) for folder in folders}
NAMED_COMMANDS_FROM = RANK["base"]

INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"')
NUMBERED_CASE = re.compile(r"\bcase\s+[0-9][0-9xXa-fA-F]*\s*:")


def allowed(folder):
    below = [f for f in RANK if RANK[f] < RANK[folder]]
    return ", ".join([folder] + sorted(below, key=lambda f: (RANK[f], f)))


def check_file(path, src):
    folder = path.relative_to(src).parts[0]
    if folder not in RANK:
        return [f"{path}: the folder {folder}/ stands in no layer (add it to {__file__})"]
    problems = []
    lines = path.read_text(encoding="utf-8", errors="replace").splitlines()
    for number, line in enumerate(lines, 1):
        match = INCLUDE.match(line)
        if match and "/" in match.group(1):
            target = match.group(1).split("/")[0]
            if target == folder:
                continue
            if target not in RANK:
                problems.append(f"{path}:{number}: includes \"{match.group(1)}\": {target}/ stands in no layer")
            elif RANK[target] >= RANK[folder]:
                side = "beside" if RANK[target] == RANK[folder] else "above"
                problems.append(
                    f"{path}:{number}: includes \"{match.group(1)}\", a folder {side} {folder}/; "
                    f"{folder}/ may include only {allowed(folder)}")
        if RANK[folder] >= NAMED_COMMANDS_FROM and NUMBERED_CASE.search(line):
            problems.append(f"{path}:{number}: a numbered case; name the command (base/commands.h)")
    return problems


def main():
    src = pathlib.Path(sys.argv[1]) if len(sys.argv) > 1 else pathlib.Path(__file__).resolve().parent.parent / "src"
    src = pathlib.Path(os.path.relpath(src))
    files = sorted(p for p in src.rglob("*") if p.suffix in (".h", ".cpp") and p.parts[-2] != "resources")
    problems = [problem for path in files for problem in check_file(path, src)]
    for problem in problems:
        print(problem)
    if problems:
        print(f"{len(problems)} break(s) of the layering rule in {src}")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
